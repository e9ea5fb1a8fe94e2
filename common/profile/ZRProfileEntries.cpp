#include "ZRProfileEntries.h"

#include "ZRProfileContext.h"

#include <cstring>

namespace
{
// Keyword values are short: a longer value matches none of them anyway.
constexpr DWORD kKeywordBufferSize = 260;
}

BOOL ReadKeyword(const CZRIniFile& ini, const char* section, const char* key, std::span<const ZRKeyword> keywords,
                 int* code)
{
    char text[kKeywordBufferSize];
    return ini.ReadText(section, key, text, sizeof text) && FindKeywordCode(keywords, text, code);
}

BOOL ReadKeywordEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key,
                      std::span<const ZRKeyword> keywords, int replacement, int* value)
{
    if (ReadKeyword(ini, section, key, keywords, value))
        return TRUE;
    if (!DefaultEntry(source, key))
        return FALSE;
    *value = replacement;
    return TRUE;
}

BOOL ReadRangeEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key, int minimum,
                    int maximum, int replacement, int* value)
{
    int number = 0;
    if (ini.ReadNumber(section, key, &number) && number >= minimum && number <= maximum)
    {
        *value = number;
        return TRUE;
    }
    if (!DefaultEntry(source, key))
        return FALSE;
    *value = replacement;
    return TRUE;
}

BOOL ReadPathEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key, char* path)
{
    // One byte more than a valid path needs, so that an over-long value shows.
    char text[MAX_PATH + 1];
    if (ini.ReadText(section, key, text, sizeof text) && strlen(text) <= kMaxProfilePath &&
        strpbrk(text, "*?<>|") == nullptr)
    {
        strcpy(path, text);
        return TRUE;
    }
    if (!DefaultEntry(source, key))
        return FALSE;
    path[0] = '\0';
    return TRUE;
}
