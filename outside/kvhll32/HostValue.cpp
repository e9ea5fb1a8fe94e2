#include "HostValue.h"

#include <cstdint>

#include "CodePage037.h"

namespace kvhll
{
namespace
{

bool IsNegativeSign(unsigned nibble)
{
    return nibble == 0xD || nibble == 0xB;
}

bool IsSign(unsigned nibble)
{
    return nibble >= 0xA;
}

bool DecodePacked(const HostField& field, const unsigned char* bytes, HostNumber& number)
{
    int size = InternalSize(field);
    std::string nibbles;
    for (int i = 0; i < size; ++i)
    {
        nibbles += static_cast<char>(bytes[i] >> 4);
        nibbles += static_cast<char>(bytes[i] & 0x0F);
    }
    unsigned sign = static_cast<unsigned char>(nibbles.back());
    nibbles.pop_back();
    if (!IsSign(sign))
    {
        return false;
    }
    size_t pad = nibbles.size() - static_cast<size_t>(field.length);
    for (size_t i = 0; i < nibbles.size(); ++i)
    {
        if (nibbles[i] > 9 || (i < pad && nibbles[i] != 0))
        {
            return false;
        }
    }
    number.negative = IsNegativeSign(sign);
    number.digits.clear();
    for (size_t i = pad; i < nibbles.size(); ++i)
    {
        number.digits += static_cast<char>('0' + nibbles[i]);
    }
    return true;
}

bool DecodeZoned(const HostField& field, const unsigned char* bytes, HostNumber& number)
{
    number.digits.clear();
    for (int i = 0; i < field.length; ++i)
    {
        unsigned zone = bytes[i] >> 4;
        unsigned digit = bytes[i] & 0x0F;
        bool last = i == field.length - 1;
        if (digit > 9 || (last ? !IsSign(zone) : zone != 0xF))
        {
            return false;
        }
        number.digits += static_cast<char>('0' + digit);
        if (last)
        {
            number.negative = IsNegativeSign(zone);
        }
    }
    return true;
}

bool DecodeBinary(const HostField& field, const unsigned char* bytes, HostNumber& number)
{
    int64_t value = 0;
    int size = InternalSize(field);
    if (size == 2)
    {
        value = static_cast<int16_t>((bytes[0] << 8) | bytes[1]);
    }
    else
    {
        value = static_cast<int32_t>((static_cast<uint32_t>(bytes[0]) << 24) | (bytes[1] << 16) | (bytes[2] << 8) |
                                     bytes[3]);
    }
    number.negative = value < 0;
    uint64_t magnitude = value < 0 ? static_cast<uint64_t>(-value) : static_cast<uint64_t>(value);
    std::string digits(static_cast<size_t>(field.length), '0');
    for (int i = field.length - 1; i >= 0 && magnitude > 0; --i)
    {
        digits[i] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    number.digits = digits;
    return magnitude == 0;
}

bool IsZero(const HostNumber& number)
{
    return number.digits.find_first_not_of('0') == std::string::npos;
}

}  // namespace

bool DecodeNumber(const HostField& field, const unsigned char* bytes, HostNumber& number)
{
    switch (field.type)
    {
    case 'P':
        return DecodePacked(field, bytes, number);
    case 'S':
        return DecodeZoned(field, bytes, number);
    case 'B':
        return DecodeBinary(field, bytes, number);
    default:
        return false;
    }
}

bool EncodeNumber(const HostField& field, const HostNumber& number, unsigned char* bytes)
{
    bool negative = number.negative && !IsZero(number);
    int size = InternalSize(field);
    if (field.type == 'P')
    {
        std::string nibbles(static_cast<size_t>(size * 2 - 1 - field.length), '\0');
        for (char digit : number.digits)
        {
            nibbles += static_cast<char>(digit - '0');
        }
        nibbles += static_cast<char>(negative ? 0xD : 0xF);
        for (int i = 0; i < size; ++i)
        {
            bytes[i] = static_cast<unsigned char>((nibbles[2 * i] << 4) | nibbles[2 * i + 1]);
        }
        return true;
    }
    if (field.type == 'S')
    {
        for (int i = 0; i < field.length; ++i)
        {
            unsigned zone = (i == field.length - 1 && negative) ? 0xD0 : 0xF0;
            bytes[i] = static_cast<unsigned char>(zone | (number.digits[i] - '0'));
        }
        return true;
    }
    if (field.type != 'B')
    {
        return false;
    }
    int64_t value = 0;
    for (char digit : number.digits)
    {
        value = value * 10 + (digit - '0');
    }
    if (negative)
    {
        value = -value;
    }
    int64_t low = size == 2 ? INT16_MIN : INT32_MIN;
    int64_t high = size == 2 ? INT16_MAX : INT32_MAX;
    if (value < low || value > high)
    {
        return false;
    }
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < size; ++i)
    {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * (size - 1 - i)));
    }
    return true;
}

std::string FormatDisplay(const HostField& field, const HostNumber& number)
{
    size_t integers = static_cast<size_t>(field.length - field.decimals);
    std::string whole = number.digits.substr(0, integers);
    size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? (integers > 0 ? "0" : "") : whole.substr(first);
    std::string text;
    if (number.negative && !IsZero(number))
    {
        text += '-';
    }
    text += whole;
    if (field.decimals > 0)
    {
        text += '.';
        text += number.digits.substr(integers);
    }
    std::string padded(static_cast<size_t>(DisplaySize(field)) - text.size(), ' ');
    return AnsiToEbcdic(padded + text);
}

bool ParseDisplay(const HostField& field, std::string_view ebcdic, HostNumber& number)
{
    std::string text = EbcdicToAnsi(ebcdic);
    for (char& c : text)
    {
        if (c == '\0')
        {
            c = ' ';
        }
    }
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
    {
        text.clear();
    }
    else
    {
        text = text.substr(begin, text.find_last_not_of(' ') - begin + 1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
    {
        negative = text.front() == '-';
        text.erase(0, 1);
        if (text.empty())
        {
            return false;
        }
    }
    else if (!text.empty() && (text.back() == '-' || text.back() == '+'))
    {
        negative = text.back() == '-';
        text.pop_back();
        if (text.empty())
        {
            return false;
        }
    }
    std::string whole;
    std::string fraction;
    bool point = false;
    for (char c : text)
    {
        if (c == '.' || c == ',')
        {
            if (point)
            {
                return false;
            }
            point = true;
        }
        else if (c >= '0' && c <= '9')
        {
            (point ? fraction : whole) += c;
        }
        else
        {
            return false;
        }
    }
    if (point && whole.empty() && fraction.empty())
    {
        return false;
    }
    size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? std::string() : whole.substr(first);
    size_t integers = static_cast<size_t>(field.length - field.decimals);
    size_t decimals = static_cast<size_t>(field.decimals);
    if (whole.size() > integers)
    {
        return false;
    }
    if (fraction.size() > decimals)
    {
        if (fraction.find_first_not_of('0', decimals) != std::string::npos)
        {
            return false;
        }
        fraction.resize(decimals);
    }
    number.negative = negative;
    number.digits = std::string(integers - whole.size(), '0') + whole + fraction +
                    std::string(decimals - fraction.size(), '0');
    return true;
}

bool RecordToDisplay(const std::vector<HostField>& fields, std::string_view record, std::string& display, int& badField)
{
    display.clear();
    size_t offset = 0;
    for (size_t i = 0; i < fields.size(); ++i)
    {
        const HostField& field = fields[i];
        size_t size = static_cast<size_t>(InternalSize(field));
        badField = static_cast<int>(i);
        if (offset + size > record.size())
        {
            return false;
        }
        std::string_view bytes = record.substr(offset, size);
        if (field.type == 'A')
        {
            display.append(bytes);
        }
        else
        {
            HostNumber number;
            if (!DecodeNumber(field, reinterpret_cast<const unsigned char*>(bytes.data()), number))
            {
                return false;
            }
            display += FormatDisplay(field, number);
        }
        offset += size;
    }
    return true;
}

bool DisplayToRecord(const std::vector<HostField>& fields, std::string_view display, std::string& record, int& badField)
{
    record.clear();
    size_t offset = 0;
    for (size_t i = 0; i < fields.size(); ++i)
    {
        const HostField& field = fields[i];
        size_t size = static_cast<size_t>(DisplaySize(field));
        badField = static_cast<int>(i);
        if (offset + size > display.size())
        {
            return false;
        }
        std::string_view text = display.substr(offset, size);
        if (field.type == 'A')
        {
            record.append(text);
        }
        else
        {
            HostNumber number;
            std::string bytes(static_cast<size_t>(InternalSize(field)), '\0');
            if (!ParseDisplay(field, text, number) ||
                !EncodeNumber(field, number, reinterpret_cast<unsigned char*>(bytes.data())))
            {
                return false;
            }
            record += bytes;
        }
        offset += size;
    }
    return true;
}

std::string HexEncode(std::string_view bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes)
    {
        unsigned char b = static_cast<unsigned char>(c);
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
    {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F')
    {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f')
    {
        return c - 'a' + 10;
    }
    return -1;
}

bool HexDecode(std::string_view text, std::string& bytes)
{
    if (text.size() % 2 != 0)
    {
        return false;
    }
    bytes.assign(text.size() / 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        int high = HexDigitValue(text[2 * i]);
        int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
        {
            return false;
        }
        bytes[i] = static_cast<char>((high << 4) | low);
    }
    return true;
}

}  // namespace kvhll
