#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
struct NumberParts
{
    char sign = 0; // '+', '-' or none
    std::string integer;
    std::string fraction;
    bool exponent = false;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void TrimBlanks(const char*& text, size_t& length)
{
    while (length > 0 && *text == ' ')
    {
        ++text;
        --length;
    }
    while (length > 0 && text[length - 1] == ' ')
        --length;
}

size_t DigitRun(const char* text, size_t from, size_t length)
{
    size_t i = from;
    while (i < length && IsDigit(text[i]))
        ++i;
    return i - from;
}

// Parses a trimmed, non-empty number text.
bool ParseNumber(const char* text, size_t length, NumberParts& parts)
{
    size_t i = 0;
    if (i < length && (text[i] == '+' || text[i] == '-'))
        parts.sign = text[i++];
    size_t run = DigitRun(text, i, length);
    parts.integer.assign(text + i, run);
    i += run;
    if (i < length && text[i] == '.')
    {
        ++i;
        run = DigitRun(text, i, length);
        parts.fraction.assign(text + i, run);
        i += run;
    }
    if (parts.integer.empty() && parts.fraction.empty())
        return false;
    if (i < length && (text[i] == 'E' || text[i] == 'e'))
    {
        ++i;
        if (i < length && (text[i] == '+' || text[i] == '-'))
            ++i;
        run = DigitRun(text, i, length);
        if (run == 0)
            return false;
        i += run;
        parts.exponent = true;
    }
    return i == length;
}

// Turns an exponent form into plain digits with the given decimals (an integer without decimals, cut toward 0).
bool ExpandExponent(const char* text, size_t length, unsigned decimals, NumberParts& parts)
{
    constexpr unsigned kMostDecimals = 40;
    const double value = std::strtod(std::string(text, length).c_str(), nullptr);
    if (!std::isfinite(value) || decimals > kMostDecimals)
        return false;
    char plain[96];
    if (decimals > 0)
    {
        if (std::fabs(value) >= 1e38)
            return false;
        std::snprintf(plain, sizeof plain, "%.*f", static_cast<int>(decimals), value);
    }
    else
    {
        if (std::fabs(value) >= 9.2e18)
            return false;
        std::snprintf(plain, sizeof plain, "%lld", static_cast<long long>(value));
    }
    parts = NumberParts{};
    return ParseNumber(plain, std::strlen(plain), parts);
}

std::string Assemble(const NumberParts& parts, unsigned decimals)
{
    std::string result;
    if (parts.sign)
        result += parts.sign;
    result += parts.integer;
    if (decimals > 0)
    {
        result += '.';
        result += parts.fraction.substr(0, decimals);
        result.append(decimals - std::min<size_t>(decimals, parts.fraction.size()), '0');
    }
    return result;
}
}

size_t LengthWithoutTrailingBlanks(const char* text, size_t length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

size_t LeadingBlanksAndZeros(const char* text, size_t length)
{
    size_t i = 0;
    while (i < length && (text[i] == ' ' || text[i] == '0'))
        ++i;
    return i;
}

void ReplaceFirst(char* text, size_t length, char from, char to)
{
    if (char* found = static_cast<char*>(std::memchr(text, from, length)))
        *found = to;
}

bool IsNumberText(const char* text, size_t length)
{
    TrimBlanks(text, length);
    NumberParts parts;
    return length == 0 || ParseNumber(text, length, parts);
}

bool IsFieldNumber(const char* text, size_t length, unsigned decimals)
{
    TrimBlanks(text, length);
    NumberParts parts;
    if (length == 0)
        return true;
    if (!ParseNumber(text, length, parts) || parts.exponent || parts.fraction.size() > decimals)
        return false;
    return decimals > 0 || std::memchr(text, '.', length) == nullptr;
}

bool FitNumber(const char* text, size_t length, unsigned width, unsigned decimals, NumberPad pad, char* out)
{
    TrimBlanks(text, length);
    NumberParts parts;
    if (length == 0)
    {
        if (pad == NumberPad::Blanks)
        {
            std::memset(out, ' ', width);
            return true;
        }
        parts.integer = "0";
    }
    else if (!ParseNumber(text, length, parts))
        return false;
    if (parts.exponent && !ExpandExponent(text, length, decimals, parts))
        return false;
    if (pad == NumberPad::Zeros && parts.sign == '+')
        parts.sign = 0;
    std::string number = Assemble(parts, decimals);
    if (number.size() > width)
    {
        if (parts.sign == '+')
            parts.sign = 0;
        const size_t zeros = parts.integer.find_first_not_of('0');
        parts.integer.erase(0, zeros == std::string::npos ? parts.integer.size() - (parts.integer.empty() ? 0 : 1)
                                                          : zeros);
        number = Assemble(parts, decimals);
        if (number.size() > width)
            return false;
    }
    const size_t fill = width - number.size();
    if (pad == NumberPad::Blanks)
    {
        std::memset(out, ' ', fill);
        std::memcpy(out + fill, number.data(), number.size());
        return true;
    }
    size_t at = 0;
    size_t from = 0;
    if (parts.sign == '-')
    {
        out[at++] = '-';
        from = 1;
    }
    std::memset(out + at, '0', fill);
    std::memcpy(out + at + fill, number.data() + from, number.size() - from);
    return true;
}
