#include "TestRegistryKey.h"

#include "OwnedHandles.h"

#include <aclapi.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>

namespace
{

const char kTestsKey[] = "Software\\ZRT tests";
const char kSettingName[] = "ZRT_INSTALL_KEY";

std::atomic<int> g_keyCount{0};

// Gives everyone `rights` on the key, and nothing else.
bool SetAccess(const std::string& path, DWORD rights)
{
    OwnedRegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL | WRITE_DAC, key.Receive()) != ERROR_SUCCESS)
        return false;
    EXPLICIT_ACCESSA access = {};
    access.grfAccessPermissions = rights;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = const_cast<char*>("EVERYONE");
    PACL acl = nullptr;
    bool done = SetEntriesInAclA(1, &access, nullptr, &acl) == ERROR_SUCCESS &&
                SetSecurityInfo(key.Get(), SE_REGISTRY_KEY,
                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr, acl,
                                nullptr) == ERROR_SUCCESS;
    LocalFree(acl);
    return done;
}

}

TestRegistryKey::TestRegistryKey()
{
    char name[64];
    std::snprintf(name, sizeof name, "\\%lu-%d", GetCurrentProcessId(), ++g_keyCount);
    m_path = std::string(kTestsKey) + name;
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    OwnedRegistryKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the test registry key " + m_path);

    char previous[1024];
    DWORD length = GetEnvironmentVariableA(kSettingName, previous, sizeof previous);
    m_hadSetting = length > 0 && length < sizeof previous;
    if (m_hadSetting)
        m_previousSetting = previous;
    SetEnvironmentVariableA(kSettingName, ("HKEY_CURRENT_USER\\" + m_path).c_str());
}

TestRegistryKey::~TestRegistryKey()
{
    for (const std::string& path : m_lockedPaths)
        SetAccess(path, KEY_ALL_ACCESS);
    SetEnvironmentVariableA(kSettingName, m_hadSetting ? m_previousSetting.c_str() : nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
}

std::string TestRegistryKey::SubkeyPath(const char* subkey) const
{
    return m_path + "\\" + subkey;
}

bool TestRegistryKey::SwitchOffFileConfirmations() const
{
    OwnedRegistryKey options;
    if (RegCreateKeyExA(Root(), SubkeyPath("ZRT").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, options.Receive(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD off = 0;
    bool ok = true;
    for (const char* name : {"Confirm PC file creating", "Confirm PC file replacing"})
        ok = RegSetValueExA(options.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof(off)) ==
                 ERROR_SUCCESS &&
             ok;
    return ok;
}

void TestRegistryKey::DenyWriting(const std::string& path)
{
    if (!SetAccess(path, KEY_READ))
        throw std::runtime_error("cannot restrict the access to " + path);
    m_lockedPaths.push_back(path);
}
