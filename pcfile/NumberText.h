// Text helpers of the PC text formats: blanks and zeros of values, the decimal character, and numbers read from a
// file laid into a field of fixed width.
#pragma once

#include "ByteCopy.h"

#include <bit>
#include <cstddef>

// Length of the text without its trailing blanks.
inline size_t LengthWithoutTrailingBlanks(const char* text, size_t length)
{
    // Eight characters at a time from the end: the first group that is not all blanks holds the last other one.
    for (; length >= kWordSize; length -= kWordSize)
    {
        const uint64_t others = ~BytesEqualTo(LoadWord(text + length - kWordSize), ' ') & kEveryByteHighBit;
        if (others)
            return length - kWordSize + (63 - std::countl_zero(others)) / 8 + 1;
    }
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

// Number of leading blanks and zeros; the whole length when the text holds nothing else.
inline size_t LeadingBlanksAndZeros(const char* text, size_t length)
{
    size_t i = 0;
    for (; length - i >= kWordSize; i += kWordSize)
    {
        const uint64_t word = LoadWord(text + i);
        const uint64_t others = ~(BytesEqualTo(word, ' ') | BytesEqualTo(word, '0')) & kEveryByteHighBit;
        if (others)
            return i + std::countr_zero(others) / 8;
    }
    while (i < length && (text[i] == ' ' || text[i] == '0'))
        ++i;
    return i;
}
// Replaces the first `from` within the text by `to`.
void ReplaceFirst(char* text, size_t length, char from, char to);

// True when the text, blanks around it aside, is empty or a number: an optional sign, digits with at most one
// point (at least one digit), and an optional exponent ("E" or "e", an optional sign, digits).
bool IsNumberText(const char* text, size_t length);

// True when the text, blanks around it aside, is empty or a plain number that a field with `decimals` decimal
// places holds as it stands: an optional sign, digits, and a point only with decimals, followed by at most that
// many digits.
bool IsFieldNumber(const char* text, size_t length, unsigned decimals);

enum class NumberPad
{
    Blanks,  // right-aligned, blanks in front; an empty value stays blank
    Zeros,   // the sign first, then zeros up to the width; an empty value is zero
};

// Lays a number read from a PC file into `width` characters with `decimals` decimal places: an exponent form is
// turned into plain digits; with decimals the point is added and the decimals completed with zeros or cut,
// without decimals the value is cut at the point. When the result is wider than the field, leading zeros and a
// plus sign are dropped. False when the text is no number or the value does not fit; `out` is then undefined.
bool FitNumber(const char* text, size_t length, unsigned width, unsigned decimals, NumberPad pad, char* out);
