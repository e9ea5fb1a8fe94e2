#include "ZRIniFile.h"

#include "AsciiText.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace
{
// The text a missing key reads as.
const char kMissing[] = "Default value (value not found)";
}

CZRIniFile::CZRIniFile(const char* path)
{
    m_path[0] = '\0';
    if (path == nullptr || path[0] == '\0')
        return;
    DWORD length = GetFullPathNameA(path, MAX_PATH, m_path, nullptr);
    if (length == 0 || length >= MAX_PATH)
        m_path[0] = '\0';
}

BOOL CZRIniFile::ReadText(const char* section, const char* key, char* buffer, DWORD size) const
{
    if (size == 0)
        return FALSE;
    buffer[0] = '\0';
    if (!IsValid())
        return FALSE;
    // A small buffer would cut the missing-key text and make it look like a value: read into one that holds it.
    char whole[sizeof kMissing];
    bool direct = size >= sizeof whole;
    char* target = direct ? buffer : whole;
    GetPrivateProfileStringA(section, key, kMissing, target, direct ? size : sizeof whole, m_path);
    if (strcmp(target, kMissing) == 0)
    {
        buffer[0] = '\0';
        return FALSE;
    }
    if (!direct)
        lstrcpynA(buffer, whole, static_cast<int>(size));
    return TRUE;
}

BOOL CZRIniFile::ReadNumber(const char* section, const char* key, int* value) const
{
    // Longer than any number of int's range, so that an over-long value shows.
    char text[64];
    if (!ReadText(section, key, text, sizeof text))
        return FALSE;
    const char* at = text;
    while (*at == ' ' || *at == '\t')
        ++at;
    long long number = 0;
    const size_t digits = ReadDecimalDigits(at, std::strlen(at), INT_MAX + 1LL, number);
    if (digits == 0 || number > INT_MAX)
        return FALSE;
    at += digits;
    while (*at == ' ' || *at == '\t')
        ++at;
    if (*at != '\0')
        return FALSE;
    *value = static_cast<int>(number);
    return TRUE;
}

BOOL CZRIniFile::WriteText(const char* section, const char* key, const char* value) const
{
    return IsValid() && WritePrivateProfileStringA(section, key, value, m_path);
}

BOOL CZRIniFile::WriteInt(const char* section, const char* key, int value) const
{
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return WriteText(section, key, text);
}

void CZRIniFile::Flush() const
{
    if (IsValid())
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path);
}
