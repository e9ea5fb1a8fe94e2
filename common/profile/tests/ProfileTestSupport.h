// Helpers of the profile tests: a scratch folder, raw file access, the keys of an INI text in file order, and a
// fixture with the program's error sink and options installed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ProfileFiles.h"
#include "ZROptions.h"

// A folder of its own under the temporary folder, removed with its files at the end.
class CScratchFolder
{
public:
    CScratchFolder();
    ~CScratchFolder();
    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    // Names of the files in the folder.
    std::vector<std::string> List() const;

private:
    std::string m_path;
};

struct IniLine
{
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const IniLine&) const = default;
};
// Every key of an INI text, in file order.
std::vector<IniLine> ParseIni(const std::string& text);
void PrintTo(const IniLine& line, std::ostream* out);

class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The texts of the records reported since the last call, in arrival order.
    std::vector<std::string> TakeErrors();

    CZROptions m_options;
    CScratchFolder m_folder;
};

// The Zrtdesk texts of the profile messages, formatted with the key.
std::string InvalidText(const char* key);
std::string DefaultedText(const char* key);
std::string NameWarningText(const char* key);

class CZRProfile;
class CZRProfileHllAPI;

// A new HLLAPI profile with both request parts.
std::unique_ptr<CZRProfileHllAPI> NewProfile(int hostType, int direction, int transferType);
// Reads `path` into a new HLLAPI profile, made current first, in the given mode; `read` receives the result.
std::unique_ptr<CZRProfileHllAPI> ReadProfile(const std::string& path, bool strict, BOOL* read);
// Every general, PC and host value the profile holds, as text by id (303 as its one character).
std::vector<std::pair<int, std::string>> Snapshot(const CZRProfile& profile);

// A valid AS/400 host-to-PC profile file.
extern const char kAs400HostToPcFile[];
