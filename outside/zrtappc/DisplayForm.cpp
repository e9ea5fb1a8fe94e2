#include "DisplayForm.h"

#include <cstring>
#include <string>

namespace
{
constexpr unsigned char kEbcdicBlank = 0x40;
constexpr unsigned char kEbcdicMinus = 0x60;
constexpr unsigned char kEbcdicPoint = 0x4B;
constexpr unsigned char kEbcdicZero = 0xF0;

// Sign of a packed sign nibble or a zoned zone: 1 positive, -1 negative, 0 invalid.
int SignOf(unsigned nibble)
{
    switch (nibble)
    {
    case 0xC:
    case 0xF:
    case 0xA:
    case 0xE:
        return 1;
    case 0xD:
    case 0xB:
        return -1;
    default:
        return 0;
    }
}

// The `digits` decimal digits of the value (with leading zeros) and its sign, or false.
bool PackedDigits(int digits, const unsigned char* stored, std::string& text, bool& negative)
{
    const int bytes = StoredBytes('P', digits);
    const int nibbles = bytes * 2 - 1;
    text.clear();
    for (int n = 0; n < nibbles; ++n)
    {
        unsigned nibble = n % 2 == 0 ? stored[n / 2] >> 4 : stored[n / 2] & 0x0F;
        if (nibble > 9)
            return false;
        // An even number of digits leaves one spare nibble in front, which must be zero.
        if (n < nibbles - digits)
        {
            if (nibble != 0)
                return false;
            continue;
        }
        text += static_cast<char>('0' + nibble);
    }
    int sign = SignOf(stored[bytes - 1] & 0x0F);
    negative = sign < 0;
    return sign != 0;
}

bool ZonedDigits(int digits, const unsigned char* stored, std::string& text, bool& negative)
{
    text.clear();
    for (int i = 0; i < digits; ++i)
    {
        unsigned digit = stored[i] & 0x0F;
        if (digit > 9)
            return false;
        text += static_cast<char>('0' + digit);
    }
    int sign = SignOf(stored[digits - 1] >> 4);
    negative = sign < 0;
    return sign != 0;
}

bool BinaryDigits(int digits, const unsigned char* stored, std::string& text, bool& negative)
{
    const int bytes = StoredBytes('B', digits);
    long long value = (stored[0] & 0x80) ? -1 : 0;
    for (int i = 0; i < bytes; ++i)
        value = value * 256 + stored[i];
    negative = value < 0;
    std::string magnitude = std::to_string(negative ? -value : value);
    if (static_cast<int>(magnitude.size()) > digits)
        return false;
    text = std::string(digits - magnitude.size(), '0') + magnitude;
    return true;
}
}

int StoredBytes(char type, int length)
{
    switch (type)
    {
    case 'P':
        return length / 2 + 1;
    case 'B':
        return length > 5 ? 4 : 2;
    default:
        return length;
    }
}

int DisplayLength(char type, int digits, int decimals)
{
    return type == 'A' ? digits : digits + 1 + (decimals > 0 ? 1 : 0);
}

bool FormatDisplayNumber(char type, int digits, int decimals, const unsigned char* stored, unsigned char* display)
{
    std::string all;
    bool negative = false;
    bool valid = type == 'P'   ? PackedDigits(digits, stored, all, negative)
                 : type == 'S' ? ZonedDigits(digits, stored, all, negative)
                 : type == 'B' ? BinaryDigits(digits, stored, all, negative)
                               : false;
    if (!valid)
        return false;
    const int integerDigits = digits - decimals;
    const std::string integer = all.substr(0, integerDigits);
    const size_t firstDigit = integer.find_first_not_of('0');
    std::string text = firstDigit != std::string::npos ? integer.substr(firstDigit) : integerDigits > 0 ? "0" : "";
    if (decimals > 0)
    {
        text += '.';
        text += all.substr(integerDigits);
    }
    if (negative && all.find_first_not_of('0') != std::string::npos)
        text.insert(text.begin(), '-');

    const int width = DisplayLength(type, digits, decimals);
    memset(display, kEbcdicBlank, width);
    unsigned char* out = display + width - text.size();
    for (char c : text)
        *out++ = c == '-'   ? kEbcdicMinus
                 : c == '.' ? kEbcdicPoint
                            : static_cast<unsigned char>(kEbcdicZero + (c - '0'));
    return true;
}
