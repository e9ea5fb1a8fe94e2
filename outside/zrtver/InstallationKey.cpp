#include "InstallationKey.h"

#include <cstring>
#include <string>

namespace
{

const char kDefaultRoot[] = "HKEY_CURRENT_USER";
const char kDefaultPath[] = "Software\\Zerathon";

struct RootName
{
    const char* name;
    HKEY root;
};

const RootName kRoots[] = {
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCU", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKLM", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
    {"HKU", HKEY_USERS},
};

HKEY RootByName(const std::string& name)
{
    for (const RootName& root : kRoots)
    {
        if (lstrcmpiA(root.name, name.c_str()) == 0)
            return root.root;
    }
    return nullptr;
}

}

HKEY FindInstallationKey(char* path, int size)
{
    if (size <= 0)
        return nullptr;
    path[0] = '\0';

    std::string root = kDefaultRoot;
    std::string subkey = kDefaultPath;
    char setting[1024];
    DWORD length = GetEnvironmentVariableA("ZRT_INSTALL_KEY", setting, sizeof setting);
    if (length >= sizeof setting)
        return nullptr;
    if (length > 0)
    {
        const char* separator = std::strchr(setting, '\\');
        if (separator == nullptr)
            return nullptr;
        root.assign(setting, static_cast<size_t>(separator - setting));
        subkey = separator + 1;
    }

    HKEY rootKey = RootByName(root);
    if (rootKey == nullptr || subkey.empty() || subkey.size() >= static_cast<size_t>(size))
        return nullptr;
    std::memcpy(path, subkey.c_str(), subkey.size() + 1);
    return rootKey;
}
