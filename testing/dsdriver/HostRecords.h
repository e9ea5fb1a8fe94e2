// The host side of a transfer, in memory: a host record layout and its records (host bytes), handed to a data
// source the way a host data source hands them to the manager, or filled from one.
#pragma once

#include <string>
#include <vector>

#include "ZRContracts.h"

struct HostFieldDefinition
{
    const char* name;
    int type;  // HostFieldType; 1, 3, 5 and 7 carry the display length
    int length;
    int decimals;
};

class HostRecords
{
public:
    explicit HostRecords(const std::vector<HostFieldDefinition>& fields);
    ~HostRecords();
    HostRecords(const HostRecords&) = delete;
    HostRecords& operator=(const HostRecords&) = delete;

    // The layout that the host side hands to the PC side.
    const DSRecordLayout* Layout() const { return &m_layout; }
    int RecordLength() const { return static_cast<int>(m_layout.length); }

    void AddRecord(const std::string& hostBytes);
    // A record from one text per field, each translated to host bytes (ASCII or ANSI by the character set) and
    // cut or blank-filled to its field.
    void AddRecordText(const std::vector<std::string>& values, const EnvironmentCallbacks* environment,
                       int characterSet);
    const std::vector<std::string>& Records() const { return m_records; }
    // The records' fields translated back to PC text.
    std::vector<std::vector<std::string>> RecordTexts(const EnvironmentCallbacks* environment, int characterSet) const;
    void ClearRecords() { m_records.clear(); }

    // The reading side breaks off, as a failing host does: GetField fails once `records` records were handed out.
    void FailAfter(size_t records) { m_failAt = records; }
    // Host data source, reading side: the fields of the records in order.
    void StartReading();
    bool EndOfData() const;
    bool GetField(DSField* field);
    bool NextField();
    // Host data source, writing side: each field converted from the PC field; a record is kept after its last.
    void StartWriting();
    bool PutField(DSField& pcField, const EnvironmentCallbacks* environment);
    bool NextFieldWritten();

private:
    void LoadRecord();

    DSRecordLayout m_layout{};
    std::vector<std::string> m_records;
    size_t m_next = 0;
    size_t m_failAt = static_cast<size_t>(-1);
};

// Converter mode towards the host (or towards the PC) for a character set of profile parameter 4.
int ModeToHost(int characterSet);
int ModeToPc(int characterSet);
