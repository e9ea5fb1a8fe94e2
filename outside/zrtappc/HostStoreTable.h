// One AS/400 file of the host store, read as a table: its columns from the file's description (or the three columns
// of a source file) and the records of one member. The store's format is described in the README of KVHLL32.
#pragma once

#include "PlainSelect.h"

#include <fstream>
#include <string>
#include <vector>

struct HostColumn
{
    std::string name;  // without trailing blanks
    std::string text;  // without trailing blanks
    char type;         // 'A', 'P', 'S' or 'B'
    int length;        // bytes for 'A', digits otherwise
    int decimals;
};

enum class StoreResult
{
    Ok,
    End,             // no record is left
    NoTable,         // the library or the file is not in the store
    NoMember,        // the file has no such member, or no member at all
    BadDescription,  // the description cannot be read or holds an invalid field
    CannotRead,      // the member's record file exists but cannot be opened
    BadRecord,       // a record line does not decode into a record of the file
};

class CHostStoreTable
{
public:
    // Finds the file in the store folder, reads its columns and opens the member's records (a member without a record
    // file has none). An empty member in `table` names the first member.
    StoreResult Open(const std::string& store, const PlainSelectTable& table);
    void Close();

    const std::vector<HostColumn>& Columns() const { return m_columns; }
    const std::string& Member() const { return m_member; }
    // Bytes of a stored record: the sum of the columns' stored sizes.
    size_t RecordLength() const { return m_recordLength; }
    // Reads the next record's stored bytes (RecordLength() of them) into `record`.
    StoreResult Next(unsigned char* record);
    // Number of the record line read last, counting from 1.
    int LineNumber() const { return m_lineNumber; }

private:
    StoreResult ReadDescription(const std::string& path);
    StoreResult FindMember(const std::string& iniPath, const std::string& wanted);

    std::vector<HostColumn> m_columns;
    std::string m_member;
    size_t m_recordLength = 0;
    std::ifstream m_records;
    bool m_hasRecordFile = false;
    int m_lineNumber = 0;
};
