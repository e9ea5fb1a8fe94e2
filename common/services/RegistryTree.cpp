#include "RegistryTree.h"

#include "OwnedHandles.h"

#include <vector>

namespace
{

struct KeyInfo
{
    DWORD subkeys = 0;
    DWORD maxSubkeyLength = 0;
    DWORD maxValueNameLength = 0;
    DWORD maxValueLength = 0;
};

LONG QueryKeyInfo(HKEY key, KeyInfo& info)
{
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &info.subkeys, &info.maxSubkeyLength, nullptr, nullptr,
                            &info.maxValueNameLength, &info.maxValueLength, nullptr, nullptr);
}

// Name of the subkey at `index` into `name`, sized from the key's own figures.
LONG EnumSubkeyName(HKEY key, DWORD index, std::vector<char>& name)
{
    KeyInfo info;
    LONG error = QueryKeyInfo(key, info);
    if (error != ERROR_SUCCESS)
        return error;
    name.assign(info.maxSubkeyLength + 1, '\0');
    DWORD length = static_cast<DWORD>(name.size());
    return RegEnumKeyExA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
}

LONG CopyValues(HKEY source, HKEY destination)
{
    KeyInfo info;
    LONG error = QueryKeyInfo(source, info);
    if (error != ERROR_SUCCESS)
        return error;
    std::vector<char> name(info.maxValueNameLength + 1);
    std::vector<BYTE> data(info.maxValueLength + 1);
    for (DWORD index = 0;; ++index)
    {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        error = RegEnumValueA(source, index, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength);
        if (error == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (error != ERROR_SUCCESS)
            return error;
        error = RegSetValueExA(destination, name.data(), 0, type, data.data(), dataLength);
        if (error != ERROR_SUCCESS)
            return error;
    }
}

LONG CopySubkeys(HKEY source, HKEY destination)
{
    std::vector<char> name;
    for (DWORD index = 0;; ++index)
    {
        LONG error = EnumSubkeyName(source, index, name);
        if (error == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (error != ERROR_SUCCESS)
            return error;

        OwnedRegistryKey sourceChild;
        error = RegOpenKeyExA(source, name.data(), 0, KEY_READ, sourceChild.Receive());
        if (error != ERROR_SUCCESS)
            return error;
        OwnedRegistryKey destinationChild;
        error = RegCreateKeyExA(destination, name.data(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                nullptr, destinationChild.Receive(), nullptr);
        if (error == ERROR_SUCCESS)
            error = CopyRegistryTree(sourceChild.Get(), destinationChild.Get());
        if (error != ERROR_SUCCESS)
            return error;
    }
}

}

LONG DeleteRegistrySubkeys(HKEY key)
{
    std::vector<char> name;
    for (;;)
    {
        LONG error = EnumSubkeyName(key, 0, name);
        if (error == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (error != ERROR_SUCCESS)
            return error;

        OwnedRegistryKey child;
        error = RegOpenKeyExA(key, name.data(), 0, KEY_READ, child.Receive());
        if (error != ERROR_SUCCESS)
            return error;
        error = DeleteRegistrySubkeys(child.Get());
        child.Reset();
        if (error == ERROR_SUCCESS)
            error = RegDeleteKeyA(key, name.data());
        if (error != ERROR_SUCCESS)
            return error;
    }
}

LONG CopyRegistryTree(HKEY source, HKEY destination)
{
    LONG error = CopyValues(source, destination);
    if (error == ERROR_SUCCESS)
        error = CopySubkeys(source, destination);
    return error;
}
