// The data source of the SQL stand-ins Zrtappc and Zrttcp: host to PC, it logs the statement of the profile
// (item 324) and runs it when it is a plain SELECT * FROM one table of the host store; anything else is refused.
#pragma once

#include "DataSource.h"
#include "HostStoreTable.h"
#include "PlainSelect.h"

#include <string>
#include <vector>

// What sets the two libraries apart.
struct SqlStandInKind
{
    const char* name;  // "Zrtappc": the log file is <name>.log beside the library
    TableSyntax syntax;
};

class CSqlDataSource : public CDataSource
{
public:
    explicit CSqlDataSource(const SqlStandInKind& kind) : m_kind(kind) {}

    // Finds the host store: the folder ZRT_HOST_DIR names, else "host" beside the library.
    BOOL Connect() override;
    BOOL QueryInfo(char*, int*, int*) override { return FALSE; }
    BOOL Disconnect() override { return TRUE; }
    // Logs the statement, checks it, opens its table and makes the layout of its columns.
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;
    BOOL GetField(DSField* field) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

private:
    BOOL ReadStatement(std::string& statement);
    BOOL LogStatement(const std::string& statement);
    BOOL OpenTable(const std::string& statement);
    BOOL MakeLayout();
    // Reads the next record into the layout's buffer in display form.
    BOOL LoadRecord();
    BOOL Fail(UINT id, const char* argument = "", const char* second = "");
    std::string LibraryFolder() const;

    const SqlStandInKind& m_kind;
    std::string m_store;
    std::string m_tableName;
    CHostStoreTable m_table;
    std::vector<unsigned char> m_stored;
    bool m_hasRecord = false;
};

// The factory of both libraries: refuses a PC-to-host profile.
CDataSource* MakeSqlDataSource(const SqlStandInKind& kind, const ProfileCallbacks* profile,
                               const ErrorSinkFunctions* errorSink, HMODULE module);
