// The host-to-PC request of APPC and TCP/IP profiles: a system name and the parts of a query, the user-defined
// statement split around its table list, and the statement assembled from them (item 324).
#pragma once

#include "ZROwnedText.h"
#include "ZRRequestPart.h"
#include "ZRSqlConnection.h"
#include "ZRSqlKeys.h"
#include "ZRSqlStatement.h"

class CZRHostRequestSqlH2P : public CZRRequestPart
{
public:
    BOOL Write(const char* fileName) override;
    // Reads the section strictly; once every key was read, assembles item 324 from the user-defined statement.
    BOOL Read(const char* fileName) override;
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void Reset() override;
    // Library, file, member and fourth part of every table of the table list.
    void SplitName(std::vector<std::string>& parts) const override;
    BOOL BuildSelectStatement() override;
    BOOL BuildUserDefinedStatement() override;
    BOOL BuildUserDefinedParts() override;
    BOOL IsSingleTable() const override;

protected:
    explicit CZRHostRequestSqlH2P(const ZRSqlConnection& connection);

    // The table list as the connection's statements name it.
    virtual std::string FromText() const = 0;
    // Takes the foreign request's texts that are set, then assembles both statement forms.
    BOOL ImportQuery(const ZRForeignRequest& record);

    const char* TableList() const { return m_tables.Get(); }

private:
    BOOL ReadKeys(const CZRIniFile& ini);
    BOOL WriteKeys(const CZRIniFile& ini) const;
    // The owned text of a text item; null for the system name and any other id.
    CZROwnedText* FindText(int id);
    const CZROwnedText* FindText(int id) const;
    // Replaces the text; reports the failure when the copy cannot be allocated.
    BOOL StoreText(CZROwnedText& text, const char* value) const;
    // Stores what `assemble` builds; an allocation failure is reported and leaves the text as it was.
    template <typename Assemble>
    BOOL StoreAssembled(CZROwnedText& text, Assemble assemble) const;
    // The query parts with `from` as the FROM text.
    ZRSqlQuery Query(const char* from) const;

    const ZRSqlConnection& m_connection;
    char m_systemName[kSqlSystemNameLength + 1] = "";
    CZROwnedText m_select;
    CZROwnedText m_tables;
    CZROwnedText m_where;
    CZROwnedText m_join;
    CZROwnedText m_groupBy;
    CZROwnedText m_having;
    CZROwnedText m_orderBy;
    CZROwnedText m_statement;
    CZROwnedText m_head;
    CZROwnedText m_tail;
    CZROwnedText m_extra;
    int m_fresh = 1;
};
