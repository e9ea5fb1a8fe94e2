#include "DosRandomField.h"

#include "AsciiText.h"
#include "DisplayNumber.h"
#include "FieldConvert.h"

#include <cstring>
#include <string>

const DosRandomFormat kDr1Format{"InternalDR1", 0x3, 0xB, 0x3, 0xB};
const DosRandomFormat kDr2Format{"InternalDR2", 0xF, 0xD, 0x3, 0x7};

namespace
{
constexpr size_t kMostBinaryDigits = 18;

bool IsDigitByte(unsigned value)
{
    return value <= 9;
}

// Integer digits of a number field's display text: the length less the sign position and, with decimals, the point
// and the decimals.
size_t IntegerDigits(const DSField& field)
{
    const size_t length = FieldLength(field);
    const size_t decimals = FieldDecimals(field);
    return decimals > 0 ? length - decimals - 2 : length - 1;
}

// The display text for a sign and the digits of a number with the field's decimals, its integer part cut to
// integerDigits (the digits before must be zeros). False when they are not.
bool DisplayFromDigits(const DSField& field, bool negative, const std::string& digits, char* display)
{
    const size_t integerDigits = IntegerDigits(field);
    const size_t decimals = FieldDecimals(field);
    const size_t needed = integerDigits + decimals;
    if (digits.size() < needed || digits.find_first_not_of('0') < digits.size() - needed)
        return false;
    const char* from = digits.data() + digits.size() - needed;
    *display++ = negative ? '-' : ' ';
    std::memcpy(display, from, integerDigits);
    if (decimals > 0)
    {
        display[integerDigits] = '.';
        std::memcpy(display + integerDigits + 1, from + integerDigits, decimals);
    }
    return true;
}

// A binary value printed right-aligned in the field's length, with its decimals when it has any.
bool DisplayFromBinary(const DSField& field, long long value, char* display)
{
    const size_t length = FieldLength(field);
    const size_t decimals = FieldDecimals(field);
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (decimals > 0)
    {
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, 1, '.');
    }
    digits.insert(0, 1, value < 0 ? '-' : ' ');
    if (digits.size() > length)
        return false;
    std::memset(display, ' ', length - digits.size());
    std::memcpy(display + length - digits.size(), digits.data(), digits.size());
    return true;
}

bool EncodePacked(const DosRandomFormat& format, const DSField& field, const DisplayNumber& number,
                  unsigned char* stored)
{
    const size_t width = StoredWidth(field);
    const size_t nibbles = 2 * width - 1;
    std::string digits;
    if (!NumberDigits(number, IntegerDigits(field), FieldDecimals(field), digits) || digits.size() > nibbles)
        return false;
    digits.insert(0, nibbles - digits.size(), '0');
    for (size_t i = 0; i < width; ++i)
    {
        const unsigned high = digits[2 * i] - '0';
        const unsigned low = i + 1 < width ? digits[2 * i + 1] - '0'
                                           : (number.negative ? format.packedMinus : format.packedPlus);
        stored[i] = static_cast<unsigned char>(high << 4 | low);
    }
    return true;
}

bool EncodeZoned(const DosRandomFormat& format, const DSField& field, const DisplayNumber& number,
                 unsigned char* stored)
{
    const size_t width = StoredWidth(field);
    std::string digits;
    if (width == 0 || !NumberDigits(number, IntegerDigits(field), FieldDecimals(field), digits) ||
        digits.size() != width)
        return false;
    std::memcpy(stored, digits.data(), width);
    const unsigned zone = number.negative ? format.zonedMinus : format.zonedPlus;
    stored[width - 1] = static_cast<unsigned char>(zone << 4 | (digits[width - 1] - '0'));
    return true;
}

bool EncodeBinary(const DSField& field, const DisplayNumber& number, unsigned char* stored)
{
    const size_t width = StoredWidth(field);
    std::string digits;
    if (!NumberDigits(number, number.integer.size(), FieldDecimals(field), digits))
        return false;
    const size_t significant = digits.find_first_not_of('0');
    if (significant != std::string::npos && digits.size() - significant > kMostBinaryDigits)
        return false;
    long long value = 0;
    ReadDecimalDigits(digits.data(), digits.size(), 1LL << 40, value);
    if (number.negative)
        value = -value;
    const long long limit = width == 2 ? 0x8000LL : 0x80000000LL;
    if (value < -limit || value >= limit)
        return false;
    const unsigned long long bits = static_cast<unsigned long long>(value);
    for (size_t i = 0; i < width; ++i)
        stored[i] = static_cast<unsigned char>(bits >> (8 * i));
    return true;
}
}

bool MapDosRandomField(const DSField& host, DSField& pc, int characterSet)
{
    std::memcpy(pc.name, host.name, sizeof pc.name);
    std::memcpy(pc.text, host.text, sizeof pc.text);
    pc.length = host.length;
    pc.decimals = host.decimals;
    pc.value = nullptr;
    const size_t length = FieldLength(host);
    const size_t decimals = FieldDecimals(host);
    switch (host.type)
    {
    case HFT_CHARACTER:
        pc.type = characterSet == ZRCS_EBCDIC_TO_ASCII ? PFT_TEXT_ASCII : PFT_TEXT_ANSI;
        return true;
    case HFT_PACKED:
        pc.type = PFT_PACKED;
        break;
    case HFT_ZONED:
        pc.type = PFT_ZONED;
        break;
    case HFT_BINARY:
        pc.type = PFT_BINARY;
        break;
    default:
        return false;
    }
    return decimals > 0 ? length >= decimals + 2 : length >= 2;
}

size_t StoredWidth(const DSField& field)
{
    const size_t length = FieldLength(field);
    const bool decimals = FieldDecimals(field) > 0;
    switch (field.type)
    {
    case PFT_PACKED:
        return (length + (decimals ? 0 : 1) - 2) / 2 + 1;
    case PFT_ZONED:
        return decimals ? length - 2 : length - 1;
    case PFT_BINARY:
        return length < (decimals ? 8u : 7u) ? 2 : 4;
    default:
        return length;
    }
}

bool EncodeStoredField(const DosRandomFormat& format, const DSField& field, unsigned char* stored)
{
    if (IsPcTextType(field.type))
    {
        std::memcpy(stored, field.value, FieldLength(field));
        return true;
    }
    DisplayNumber number;
    if (!ParseDisplayNumber(field.value, FieldLength(field), number))
        return false;
    switch (field.type)
    {
    case PFT_PACKED:
        return EncodePacked(format, field, number, stored);
    case PFT_ZONED:
        return EncodeZoned(format, field, number, stored);
    case PFT_BINARY:
        return EncodeBinary(field, number, stored);
    default:
        return false;
    }
}

bool IsValidStoredField(const DosRandomFormat& format, const DSField& field, const unsigned char* stored)
{
    const size_t width = StoredWidth(field);
    if (field.type == PFT_PACKED)
    {
        for (size_t i = 0; i + 1 < width; ++i)
            if (!IsDigitByte(stored[i] >> 4) || !IsDigitByte(stored[i] & 0xF))
                return false;
        const unsigned sign = stored[width - 1] & 0xF;
        return IsDigitByte(stored[width - 1] >> 4) && (sign == format.packedPlus || sign == format.packedMinus);
    }
    if (field.type == PFT_ZONED)
    {
        if (width == 0)
            return false;
        for (size_t i = 0; i + 1 < width; ++i)
            if (stored[i] < '0' || stored[i] > '9')
                return false;
        const unsigned zone = stored[width - 1] >> 4;
        return IsDigitByte(stored[width - 1] & 0xF) && (zone == format.zonedPlus || zone == format.zonedMinus);
    }
    return true;
}

bool DecodeStoredField(const DosRandomFormat& format, const DSField& field, const unsigned char* stored, char* display)
{
    if (!IsValidStoredField(format, field, stored))
        return false;
    const size_t width = StoredWidth(field);
    std::string digits;
    switch (field.type)
    {
    case PFT_PACKED:
        for (size_t i = 0; i < width; ++i)
        {
            digits += static_cast<char>('0' + (stored[i] >> 4));
            if (i + 1 < width)
                digits += static_cast<char>('0' + (stored[i] & 0xF));
        }
        return DisplayFromDigits(field, (stored[width - 1] & 0xF) == format.packedMinus, digits, display);
    case PFT_ZONED:
        digits.assign(reinterpret_cast<const char*>(stored), width - 1);
        digits += static_cast<char>('0' + (stored[width - 1] & 0xF));
        return DisplayFromDigits(field, (stored[width - 1] >> 4) == format.zonedMinus, digits, display);
    case PFT_BINARY:
    {
        const long long value = width == 2 ? static_cast<short>(stored[0] | stored[1] << 8)
                                           : static_cast<int>(stored[0] | stored[1] << 8 | stored[2] << 16 |
                                                              static_cast<unsigned>(stored[3]) << 24);
        return DisplayFromBinary(field, value, display);
    }
    default:
        if (!IsPcTextType(field.type))
            return false;
        std::memcpy(display, stored, FieldLength(field));
        return true;
    }
}
