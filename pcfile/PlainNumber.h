// Numbers read from a file that already stand in their field's own form: an optional sign, digits and, exactly when
// the field has decimals, the point and that many decimals. Such a number goes into its field as it is written;
// every other text takes the longer road of FitNumber.
#pragma once

#include "ByteRuns.h"
#include "NumberText.h"

#include <cstddef>
#include <cstdint>

// The high bit of each of the eight bytes of `word` that is no digit '0'..'9', and no other bit.
inline uint64_t BytesNotDigits(uint64_t word)
{
    constexpr uint64_t kLowBits = ~kEveryByteHighBit;
    // Each byte less '0': a digit leaves 0..9, which 118 (0x76) does not carry into the high bit.
    const uint64_t x = word ^ (kEveryByteOne * '0');
    return (((x & kLowBits) + kEveryByteOne * 0x76) | x) & kEveryByteHighBit;
}

// Number of digits at the start of the text, eight bytes at a time.
inline size_t LeadingDigits(const char* text, size_t length)
{
    size_t at = 0;
    for (; length - at >= kWordSize; at += kWordSize)
    {
        const uint64_t others = BytesNotDigits(LoadWord(text + at));
        if (others)
            return at + FirstMarkedByte(others);
    }
    // The bytes after the text load as zeros, which are no digits.
    return at + FirstMarkedByte(BytesNotDigits(LoadShortWord(text + at, length - at)));
}

// True when the text, without the blanks around it, stands in the form of a field of `width` characters with
// `decimals` decimal places and fits it; it is then laid into `out` right-aligned after blanks (an empty text leaves
// the field blank). False leaves `out` untouched.
inline bool LayNumberAsWritten(const char* text, size_t length, unsigned width, unsigned decimals, char* out)
{
    length = LengthWithoutTrailingBlanks(text, length);
    while (length > 0 && *text == ' ')
    {
        ++text;
        --length;
    }
    if (length > width)
        return false;
    if (length == 0)
    {
        FillBytes(out, ' ', width);
        return true;
    }
    const size_t sign = text[0] == '-' || text[0] == '+' ? 1 : 0;
    const size_t integer = sign + LeadingDigits(text + sign, length - sign);
    bool written;
    if (decimals == 0)
        written = integer == length && integer > sign;
    else
        written = length - integer == decimals + 1 && text[integer] == '.' &&
                  LeadingDigits(text + integer + 1, decimals) == decimals;
    if (!written)
        return false;
    FillBytes(out, ' ', width - length);
    CopyBytes(out + width - length, text, length);
    return true;
}
