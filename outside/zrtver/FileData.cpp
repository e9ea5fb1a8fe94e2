#include "FileData.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace
{

void CopyValue(const std::vector<char>& info, const char* block, const char* name, char* out, int size)
{
    char query[128];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%s\\%s", block, name);
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(info.data(), query, &value, &length) && value != nullptr && length > 0)
        lstrcpynA(out, static_cast<const char*>(value), size);
}

}

void ReadFileData(const char* modulePath, char* version, char* description)
{
    version[0] = '\0';
    description[0] = '\0';
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(modulePath, &handle);
    if (size == 0)
        return;
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(modulePath, 0, size, info.data()))
        return;

    struct Translation
    {
        WORD language;
        WORD codePage;
    };
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length) || length < sizeof(Translation))
        return;
    const Translation* translation = static_cast<const Translation*>(value);
    char block[16];
    std::snprintf(block, sizeof block, "%04x%04x", translation->language, translation->codePage);
    CopyValue(info, block, "FileVersion", version, 16);
    CopyValue(info, block, "FileDescription", description, 64);
}
