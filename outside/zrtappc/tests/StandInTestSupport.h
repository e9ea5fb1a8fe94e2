// Helpers of the SQL stand-ins' tests: a small host store written for each test, a profile whose host part offers a
// statement (item 324) as an SQL profile does, and a driver of a stand-in's exported table on the host side.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ErrorSinkCapture.h"
#include "FakeCallerTables.h"
#include "TempProgramFolder.h"
#include "ZRContracts.h"

// Text as EBCDIC bytes (printable ASCII only), and back.
std::string ToEbcdic(const std::string& text);
std::string FromEbcdic(const std::string& bytes);

// A host store in a folder of its own: library TLIB with the data file ITEMS (members CURRENT with two records, OLD
// with one, EMPTY without a record file) and the source file QSRC (member PGM).
class TestHostStore
{
public:
    explicit TestHostStore(const std::string& folder);
    const std::string& Path() const { return m_path; }
    // Writes a file of the store (a path relative to it), making its folders.
    void Write(const std::string& relativePath, const std::string& text) const;

private:
    std::string m_path;
};

struct StandInField
{
    std::string name;
    int type;
    int length;
    int decimals;
    bool operator==(const StandInField&) const = default;
};
void PrintTo(const StandInField& field, std::ostream* out);

// What one transfer through a stand-in's table gave.
struct StandInRun
{
    bool created = false;
    bool connected = false;
    bool opened = false;
    bool loopDone = false;
    std::vector<StandInField> fields;
    std::vector<std::vector<std::string>> records;  // field values as ASCII
    int recordCount = 0;
    bool closed = false;
    bool disconnected = false;
    std::vector<std::string> errors;
};

class StandInTest : public ::testing::Test
{
protected:
    StandInTest();
    ~StandInTest() override;

    // Loads a fresh copy of the library and runs the statement (none: the profile offers no item 324), host to PC
    // unless `direction` says otherwise: ZRTCreateObject, Connect, Open, GetRecordLayout, the field loop, Close,
    // Disconnect; each step only when the one before it succeeded, Close and Disconnect whenever Connect ran.
    StandInRun Run(const char* library, const char* statement, int direction = ZRDIR_HOST_TO_PC);
    // The lines of the library's statement log.
    std::vector<std::string> LogLines(const char* library) const;

    ErrorSinkCapture m_errors;
    CFakeCallerTables m_tables;
    TempProgramFolder m_folder;
    TestHostStore m_store;
};
