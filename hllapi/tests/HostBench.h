// One host data source under test (Zrtas400.dll or Zrts36.dll of the build), driven through its exported table the
// way the manager drives it, against the stand-in bridge KVHLL32.dll with a host store of the test's own (a copy
// of the sample store) and the bridge's trace.
#pragma once

#include "ErrorSinkCapture.h"
#include "HostStore.h"
#include "FakeCallerTables.h"
#include "OwnedHandles.h"
#include "TempProgramFolder.h"
#include "ZRContracts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What a transfer through the data source gave.
struct HostRun
{
    bool connected = false;
    bool opened = false;
    bool moved = false;  // every record read, or every record put and the data ended
    bool closed = false;
    int recordCount = 0;
    std::vector<std::string> records;  // host to PC: each record's field values laid end to end
    std::vector<std::string> fieldNames;

    bool Succeeded() const { return connected && opened && moved && closed; }
};

class HostBench
{
public:
    // hostType 1 AS/400 (session A, Zrtas400.dll) or 2 System/36 (session E, Zrts36.dll).
    HostBench(int hostType, int direction, int transferType = ZRTT_CONVERSION);
    ~HostBench();
    HostBench(const HostBench&) = delete;
    HostBench& operator=(const HostBench&) = delete;

    CFakeCallerTables& Tables() { return m_tables; }
    DataSourceFunctions& Source() { return *m_functions; }
    void Set(int id, int value) { m_tables.Set(id, value); }
    void Set(int id, const char* text) { m_tables.Set(id, text); }

    // A file of the test's host store, by a path relative to it ("AS400\QGPL\CUSTOMER.INI").
    std::string StorePath(const std::string& relative) const;
    // A file of a scratch folder beside the store, for PC files such as description files.
    std::string ScratchPath(const std::string& name) const;
    void WriteScratch(const std::string& name, const std::string& bytes) const;
    // Writes SCENARIO.INI: the trace switched on, then the given sections.
    void WriteScenario(const std::string& sections) const;

    // Adds a member to an AS/400 file of the store, with `records` records taken in turn from another member.
    void CopyAs400Member(const std::string& library, const std::string& file, const std::string& from,
                         const std::string& to, int records) const;
    // The lines of a text file of the store.
    std::vector<std::string> StoreLines(const std::string& relative) const;
    // The records of a member or file in the store as host bytes, each filled with EBCDIC blanks to the length.
    std::vector<std::string> StoredRecords(const std::string& relative, int recordLength) const;

    // Host to PC: Connect, Open, the record layout, every record (or the first `limit`), Close, Disconnect.
    HostRun Read(int limit = -1);
    // PC to host: Connect, Open, the record layout, then each record from PC text (one text per field, in the PC
    // code page) or, in binary mode, from the host bytes of the whole record; EndOfData, Close, Disconnect.
    // cutInRecord: the transfer stops (as a cancel would) after that many fields of the last record.
    HostRun Write(const std::vector<std::vector<std::string>>& texts, int cutInRecord = 0);
    HostRun WriteBinary(const std::vector<std::string>& records);
    // Host bytes of a record as PC text, field by field (by the layout of the last transfer), through the caller's
    // converter.
    std::vector<std::string> ToPcTexts(const std::string& record) const;

    std::vector<std::string> ErrorTexts() const { return m_errors.Texts(); }
    // The trace: every Send Key's keys, and the texts copied to the screen, in order.
    std::vector<std::string> Keys() const;
    // Keys() with the host's answers: after each call that made the bench's session show a screen, that screen's
    // reply line as "{...}" (15 characters from (1, 3), trailing blanks removed).
    std::vector<std::string> Dialog() const;
    std::vector<std::string> TraceLines() const;

private:
    HostRun Transfer(bool toHost, const std::vector<std::vector<std::string>>* texts,
                     const std::vector<std::string>* binary, int limit, int cutInRecord);
    bool PutRecord(DSRecordLayout* layout, const std::vector<std::string>* texts, const std::string* binary,
                   int fields);

    ErrorSinkCapture m_errors;
    CFakeCallerTables m_tables;
    TempProgramFolder m_folder;
    char m_session;
    std::string m_store;
    OwnedModule m_library;
    DataSourceFunctions* m_functions = nullptr;
    std::vector<int> m_fieldLengths;
};

// Equal record lists; on a difference, the number of records or the first record that differs.
testing::AssertionResult SameRecords(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
// A line of 66 characters and CR LF for a description file.
std::string DescriptionLine(const char* name, char letter, int length, int decimals, const char* text = "");
// The texts one a line, for a failure message.
std::string JoinLines(const std::vector<std::string>& texts);
// Whether one of the texts is `wanted`.
bool ContainsText(const std::vector<std::string>& texts, const std::string& wanted);
// The message codes of reported error texts ("ZRT014"...).
std::vector<std::string> MessageCodes(const std::vector<std::string>& texts);
