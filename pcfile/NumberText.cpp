#include "NumberText.h"

#include "AsciiText.h"
#include "ByteCopy.h"
#include "ByteRuns.h"
#include "PlainNumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <string>

namespace
{
// The parts point into the parsed text.
struct NumberParts
{
    char sign = 0;  // '+', '-' or none
    const char* integer = "";
    size_t integerLength = 0;
    const char* fraction = "";
    size_t fractionLength = 0;
    bool point = false;
    bool exponent = false;
};

size_t DigitRun(const char* text, size_t from, size_t length)
{
    size_t i = from;
    while (i < length && IsAsciiDigit(text[i]))
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
    parts.integer = text + i;
    parts.integerLength = run;
    i += run;
    if (i < length && text[i] == '.')
    {
        parts.point = true;
        ++i;
        run = DigitRun(text, i, length);
        parts.fraction = text + i;
        parts.fractionLength = run;
        i += run;
    }
    if (parts.integerLength == 0 && parts.fractionLength == 0)
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

constexpr size_t kPlainSize = 96;

// Turns an exponent form into plain digits with the given decimals (an integer without decimals, cut toward 0),
// written into `plain`, which the parts then point into.
bool ExpandExponent(const char* text, size_t length, unsigned decimals, NumberParts& parts, char (&plain)[kPlainSize])
{
    constexpr unsigned kMostDecimals = 40;
    const double value = std::strtod(std::string(text, length).c_str(), nullptr);
    if (!std::isfinite(value) || decimals > kMostDecimals)
        return false;
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

// Characters of the number as Assemble writes it.
size_t AssembledLength(const NumberParts& parts, unsigned decimals)
{
    return (parts.sign ? 1 : 0) + parts.integerLength + (decimals > 0 ? decimals + 1 : 0);
}

// True when Assemble would write the parsed text as it stands: no exponent, a point exactly when decimals are
// wanted, and exactly that many decimals.
bool AssemblesAsWritten(const NumberParts& parts, unsigned decimals)
{
    return !parts.exponent && parts.point == (decimals > 0) && parts.fractionLength == decimals;
}

// Writes the sign, the integer digits and, with decimals, the point and the decimals cut or completed with zeros.
void Assemble(const NumberParts& parts, unsigned decimals, char* out)
{
    if (parts.sign)
        *out++ = parts.sign;
    CopyBytes(out, parts.integer, parts.integerLength);
    out += parts.integerLength;
    if (decimals > 0)
    {
        *out++ = '.';
        const size_t kept = std::min<size_t>(decimals, parts.fractionLength);
        CopyBytes(out, parts.fraction, kept);
        FillBytes(out + kept, '0', decimals - kept);
    }
}
}

void ReplaceFirst(char* text, size_t length, char from, char to)
{
    if (char* found = static_cast<char*>(std::memchr(text, from, length)))
        *found = to;
}

bool IsNumberText(const char* text, size_t length)
{
    TrimBlanksAround(text, length);
    NumberParts parts;
    return length == 0 || ParseNumber(text, length, parts);
}

bool IsFieldNumber(const char* text, size_t length, unsigned decimals)
{
    TrimBlanksAround(text, length);
    NumberParts parts;
    if (length == 0)
        return true;
    if (!ParseNumber(text, length, parts) || parts.exponent || parts.fractionLength > decimals)
        return false;
    return decimals > 0 || !parts.point;
}

bool LayAnyNumberAsWritten(const char* text, size_t length, unsigned width, unsigned decimals, char* out)
{
    TrimBlanksAround(text, length);
    if (length > width)
        return false;
    if (length > 0)
    {
        const PlainNumberForm form = ReadPlainNumberForm(text, length);
        if (!form.plain || form.point != (decimals > 0) || form.decimals != decimals)
            return false;
    }
    FillBytes(out, ' ', width - length);
    CopyBytes(out + width - length, text, length);
    return true;
}

bool FitNumber(const char* text, size_t length, unsigned width, unsigned decimals, NumberPad pad, char* out)
{
    TrimBlanksAround(text, length);
    NumberParts parts;
    if (length == 0)
    {
        if (pad == NumberPad::Blanks)
        {
            FillBytes(out, ' ', width);
            return true;
        }
        parts.integer = "0";
        parts.integerLength = 1;
    }
    else if (!ParseNumber(text, length, parts))
        return false;
    if (pad == NumberPad::Blanks && length <= width && AssemblesAsWritten(parts, decimals))
    {
        FillBytes(out, ' ', width - length);
        CopyBytes(out + width - length, text, length);
        return true;
    }
    char plain[kPlainSize];
    if (parts.exponent && !ExpandExponent(text, length, decimals, parts, plain))
        return false;
    // Without decimals a number of decimals only (".25") keeps its integer zero, so that a digit stands.
    if (decimals == 0 && parts.integerLength == 0)
    {
        parts.integer = "0";
        parts.integerLength = 1;
    }
    if (pad == NumberPad::Zeros && parts.sign == '+')
        parts.sign = 0;
    size_t size = AssembledLength(parts, decimals);
    if (size > width)
    {
        if (parts.sign == '+')
            parts.sign = 0;
        size_t zeros = 0;
        while (zeros < parts.integerLength && parts.integer[zeros] == '0')
            ++zeros;
        // An integer of zeros only keeps its last zero.
        if (zeros == parts.integerLength && zeros > 0)
            --zeros;
        parts.integer += zeros;
        parts.integerLength -= zeros;
        size = AssembledLength(parts, decimals);
        if (size > width)
            return false;
    }
    const size_t fill = width - size;
    if (pad == NumberPad::Blanks)
    {
        FillBytes(out, ' ', fill);
        Assemble(parts, decimals, out + fill);
        return true;
    }
    size_t at = 0;
    if (parts.sign == '-')
    {
        out[at++] = '-';
        parts.sign = 0;
    }
    FillBytes(out + at, '0', fill);
    Assemble(parts, decimals, out + at + fill);
    return true;
}
