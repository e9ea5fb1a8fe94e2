// Texts of code-table files for the tests.
#pragma once

#include <cstdio>
#include <string>

// One table line: the 16 entries 16 * line + j, each mapped by `map`.
template <typename Map>
std::string CodeTableLine(int line, Map map)
{
    std::string text;
    for (int j = 0; j < 16; ++j)
    {
        char value[4];
        std::snprintf(value, sizeof value, j < 15 ? "%02X " : "%02X", map(16 * line + j) & 0xFF);
        text += value;
    }
    return text;
}

// A file whose first block maps byte b to 255 - b and whose second block is the identity, with `lines` lines.
inline std::string CodeTableText(int lines = 32, const char* lineEnd = "\r\n")
{
    std::string text;
    for (int i = 0; i < lines; ++i)
    {
        if (i < 16)
            text += CodeTableLine(i, [](int b) { return 255 - b; });
        else
            text += CodeTableLine(i - 16, [](int b) { return b; });
        text += lineEnd;
    }
    return text;
}
