// A registry key of the test's own under HKEY_CURRENT_USER, named as the installation key through ZRT_INSTALL_KEY
// while the object lives; the key and everything below it are deleted afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestRegistryKey
{
public:
    TestRegistryKey();
    ~TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    HKEY Root() const { return HKEY_CURRENT_USER; }
    // The installation key path, e.g. "Software\ZRT tests\1234-1".
    const std::string& Path() const { return m_path; }
    // Path() + "\" + subkey.
    std::string SubkeyPath(const char* subkey) const;
    // Unattended: the data sources ask no question before they create or replace a PC file (the options "Confirm PC
    // file creating" and "Confirm PC file replacing" are 0). False when the options key cannot be written.
    bool SwitchOffFileConfirmations() const;
    // Leaves everyone only read access to the key at `path` (under HKEY_CURRENT_USER) until the object goes.
    void DenyWriting(const std::string& path);

private:
    std::string m_path;
    std::vector<std::string> m_lockedPaths;
    std::string m_previousSetting;
    bool m_hadSetting = false;
};
