// Helpers of the SQL profile tests: profile files in a scratch folder, read strictly by the kind their connection
// names, with the program's error sink and options installed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ProfileFiles.h"
#include "ZROptions.h"
#include "ZRProfile.h"

// A folder of its own under the temporary folder, removed with its files at the end.
class CSqlScratchFolder
{
public:
    CSqlScratchFolder();
    ~CSqlScratchFolder();
    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Valid profile files: APPC host to PC (one table, "SELECT *"), and APPC PC to host (a data file replaced).
extern const char kAppcHostToPcProfile[];
extern const char kAppcPcToHostProfile[];

void SetHostValue(const std::string& path, const char* key, const char* value);

class SqlProfileTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `text` as <folder>\<name>, with "Connection" set to `connection` when it is given.
    std::string WriteProfile(const char* text, const char* connection = nullptr, const char* name = "sql.h2p");
    // Makes the kind the file's "Connection" names, makes it current and reads it strictly; `read` gets the result.
    std::unique_ptr<CZRProfile> ReadProfile(const std::string& path, BOOL* read);
    // Reads the file and expects it to fail with exactly the messages given.
    void ExpectReadFails(const std::string& path, const std::vector<std::string>& messages);
    // Reads the file and expects it to succeed without a message.
    std::unique_ptr<CZRProfile> ExpectReads(const std::string& path);
    // The texts of the records reported since the last call, in arrival order.
    std::vector<std::string> TakeErrors();

    CZROptions m_options;
    CSqlScratchFolder m_folder;
};

// "Error ZRG005: ..." naming the key.
std::string InvalidEntry(const char* key);
extern const char kMemoryError[];

// A text item of the profile's host part, read as a data source does: the size first, then the value.
std::string HostText(const CZRProfile& profile, int id);
int HostNumber(const CZRProfile& profile, int id);
