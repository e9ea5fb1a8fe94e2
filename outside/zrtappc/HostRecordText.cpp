#include "HostRecordText.h"

#include "AsciiText.h"

#include <cstring>

namespace
{
constexpr unsigned char kEbcdicBlank = 0x40;

// Code page 037 of the printable ASCII characters 0x20 to 0x7E, in that order.
constexpr unsigned char kPrintableToEbcdic[95] = {
    0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61,  // space to /
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9,                                      // 0 to 9
    0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F, 0x7C,                                                        // : to @
    0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4,                    // A to M
    0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9,                    // N to Z
    0xBA, 0xE0, 0xBB, 0xB0, 0x6D, 0x79,                                                              // [ to `
    0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92, 0x93, 0x94,                    // a to m
    0x95, 0x96, 0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9,                    // n to z
    0xC0, 0x4F, 0xD0, 0xA1,                                                                          // { to ~
};

bool IsPrintable(char c)
{
    return c >= 0x20 && c <= 0x7E;
}
}

unsigned char EbcdicOfPrintable(char c)
{
    return kPrintableToEbcdic[c - 0x20];
}

bool DecodeRecordLine(const std::string& line, unsigned char* record, size_t length)
{
    memset(record, kEbcdicBlank, length);
    size_t used = 0;
    for (size_t i = 0; i < line.size(); ++i)
    {
        if (used == length)
            return false;
        char c = line[i];
        if (c == '\\')
        {
            int high = i + 1 < line.size() ? HexDigitValue(line[i + 1]) : -1;
            int low = i + 2 < line.size() ? HexDigitValue(line[i + 2]) : -1;
            if (high < 0 || low < 0)
                return false;
            record[used++] = static_cast<unsigned char>(high * 16 + low);
            i += 2;
        }
        else if (IsPrintable(c))
            record[used++] = EbcdicOfPrintable(c);
        else
            return false;
    }
    return true;
}
