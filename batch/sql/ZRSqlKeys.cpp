#include "ZRSqlKeys.h"

#include "AsciiText.h"
#include "ZRSqlConnection.h"

#include <cstdio>
#include <cstring>

namespace
{
// Longest piece of a text written in "@" pieces.
constexpr size_t kPieceLength = 65;

std::string NumberedKey(const char* key, int number)
{
    char name[128];
    snprintf(name, sizeof name, "%s %d", key, number);
    return name;
}

// Reads "<key> n"; FALSE when the key is missing.
bool ReadNumbered(const CZRIniFile& ini, const char* key, int number, char value[kSqlValueBufferSize])
{
    return ini.ReadText(kSqlHostSection, NumberedKey(key, number).c_str(), value, kSqlValueBufferSize);
}

bool IsNameLetter(char c)
{
    return IsAsciiLetter(c) || c == '@' || c == '#' || c == '$';
}

bool IsNameCharacter(char c)
{
    return IsNameLetter(c) || IsAsciiDigit(c) || c == '.';
}

std::string Trimmed(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsWhiteSpace(text[first]))
        ++first;
    while (last > first && IsWhiteSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
}

bool ReadNumberedKey(const CZRIniFile& ini, const char* key, int maxKeys, const char* separator, bool stopAtComma,
                     std::string& list)
{
    list.clear();
    char value[kSqlValueBufferSize];
    for (int number = 1; number <= maxKeys; ++number)
    {
        if (!ReadNumbered(ini, key, number, value))
            return number > 1;
        if (value[0] == '\0' || (stopAtComma && strchr(value, ',') != nullptr))
            break;
        if (number > 1)
            list += separator;
        list += value;
    }
    return true;
}

bool ReadAtDelimitedText(const CZRIniFile& ini, const char* key, std::string& text)
{
    text.clear();
    char value[kSqlValueBufferSize];
    for (int number = 1;; ++number)
    {
        if (!ReadNumbered(ini, key, number, value))
            return number > 1;
        size_t length = strlen(value);
        if (length == 0)
            return true;
        if (value[0] != '@' || value[length - 1] != '@')
            return false;
        if (length > 1)
            text.append(value + 1, length - 2);
    }
}

bool ReadSystemName(const CZRIniFile& ini, const char* key, char name[kSqlSystemNameLength + 1])
{
    char value[kSqlValueBufferSize];
    if (!ini.ReadText(kSqlHostSection, key, value, sizeof value) || strlen(value) > kSqlSystemNameLength)
        return false;
    for (size_t i = 0; value[i] != '\0'; ++i)
    {
        if (i == 0 ? !IsNameLetter(value[i]) : !IsNameCharacter(value[i]))
            return false;
    }
    strcpy(name, value);
    return true;
}

std::vector<std::string> SplitSqlList(const char* list, const char* separator)
{
    std::vector<std::string> pieces;
    const size_t separatorLength = strlen(separator);
    const char* start = list;
    for (const char* found; (found = strstr(start, separator)) != nullptr; start = found + separatorLength)
        pieces.push_back(Trimmed(std::string(start, found)));
    pieces.push_back(Trimmed(start));
    return pieces;
}

BOOL WriteNumberedValues(const CZRIniFile& ini, const char* key, const std::vector<std::string>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
    {
        if (!ini.WriteText(kSqlHostSection, NumberedKey(key, static_cast<int>(i) + 1).c_str(), values[i].c_str()))
            return FALSE;
    }
    return TRUE;
}

BOOL WriteAtDelimitedText(const CZRIniFile& ini, const char* key, const char* text)
{
    const std::string whole = text;
    std::vector<std::string> pieces;
    size_t start = 0;
    do
    {
        std::string piece(1, '@');
        piece.append(whole, start, kPieceLength);
        piece += '@';
        pieces.push_back(piece);
        start += kPieceLength;
    } while (start < whole.size());
    return WriteNumberedValues(ini, key, pieces);
}
