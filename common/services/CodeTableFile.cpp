#include "CodeTableFile.h"

#include "AsciiText.h"

#include <cstdio>
#include <cstring>

namespace
{

const int kValuesPerLine = 16;
const int kLinesPerTable = 16;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// One line "XX XX ... XX" into 16 table entries; trailing blanks and the line end are allowed.
bool ParseLine(const char* line, unsigned char* entries)
{
    for (int j = 0; j < kValuesPerLine; ++j)
    {
        const char* value = line + 3 * j;
        int high = HexDigitValue(value[0]);
        int low = high < 0 ? -1 : HexDigitValue(value[1]);
        if (low < 0)
            return false;
        entries[j] = static_cast<unsigned char>(high * 16 + low);
        if (j + 1 < kValuesPerLine && !IsBlank(value[2]))
            return false;
    }
    for (const char* rest = line + 3 * kValuesPerLine - 1; *rest != '\0'; ++rest)
    {
        if (!IsBlank(*rest) && *rest != '\r' && *rest != '\n')
            return false;
    }
    return true;
}

// The next whole line into `line`; false at the end of the file or for a line longer than the buffer.
bool ReadLine(FILE* file, char* line, int size)
{
    if (std::fgets(line, size, file) == nullptr)
        return false;
    return std::strchr(line, '\n') != nullptr || std::feof(file);
}

bool ReadTable(FILE* file, unsigned char* table)
{
    char line[128];
    for (int i = 0; i < kLinesPerTable; ++i)
    {
        if (!ReadLine(file, line, sizeof line) || !ParseLine(line, table + kValuesPerLine * i))
            return false;
    }
    return true;
}

}

BOOL ReadCodeTableFile(const char* path, unsigned char asciiToEbcdic[256], unsigned char ebcdicToAscii[256])
{
    FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return FALSE;
    bool read = ReadTable(file, asciiToEbcdic) && ReadTable(file, ebcdicToAscii);
    std::fclose(file);
    return read;
}
