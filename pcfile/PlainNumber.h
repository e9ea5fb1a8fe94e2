// Numbers read from a file in their plain form: an optional sign, digits and perhaps a point with more digits.
// Such texts are recognised eight bytes at a time; they are by far the most common, and every other text takes the
// longer road of NumberText.
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

// Narrows the text to what stands between its leading and its trailing blanks.
inline void TrimBlanksAround(const char*& text, size_t& length)
{
    const char* end = text + LengthWithoutTrailingBlanks(text, length);
    text = SkipByte(text, end, ' ');
    length = static_cast<size_t>(end - text);
}

struct PlainNumberForm
{
    bool plain;  // an optional sign, digits, and optionally a point followed by digits; a digit at least
    bool point;
    size_t decimals;  // digits after the point
};

// The form of a text without blanks around it.
inline PlainNumberForm ReadPlainNumberForm(const char* text, size_t length)
{
    const size_t sign = length > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const size_t integer = sign + LeadingDigits(text + sign, length - sign);
    if (integer == length)
        return {integer > sign, false, 0};
    if (text[integer] != '.')
        return {false, false, 0};
    const size_t decimals = LeadingDigits(text + integer + 1, length - integer - 1);
    return {integer + 1 + decimals == length && integer + decimals > sign, true, decimals};
}

// The high bit of each of the first `count` bytes of a word, for a count of 0 to 8.
inline uint64_t FirstBytesHighBits(size_t count)
{
    return count >= kWordSize ? kEveryByteHighBit : kEveryByteHighBit & ((uint64_t{1} << (8 * count)) - 1);
}

// For a text of 1 to 16 characters, true when it is the most common number text: no blanks, an optional sign, and
// digits with the point exactly where a field of `decimals` decimal places puts it (none without decimals). The
// characters are tested as one or two words: once the marks of the sign and the point are taken away, no byte may
// be other than a digit.
inline bool IsNumberAsWritten(const char* text, size_t length, unsigned decimals)
{
    const bool sign = text[0] == '-' || text[0] == '+';
    const size_t point = length - 1 - decimals;
    if (decimals > 0 ? decimals >= length || text[point] != '.' : length == (sign ? 1u : 0u))
        return false;
    // The mark of the point within the word of the characters from `from` on, if it falls there.
    const auto pointMark = [point, decimals](size_t from) {
        return decimals > 0 && point - from < kWordSize ? uint64_t{0x80} << (8 * (point - from)) : 0;
    };
    const uint64_t signMark = sign ? 0x80 : 0;
    if (length <= kWordSize)
    {
        const uint64_t word = length == kWordSize ? LoadWord(text) : LoadShortWord(text, length);
        return ((BytesNotDigits(word) & FirstBytesHighBits(length)) ^ signMark ^ pointMark(0)) == 0;
    }
    // Two words, the second ending at the last character and overlapping the first.
    const size_t last = length - kWordSize;
    const uint64_t first = BytesNotDigits(LoadWord(text)) ^ signMark ^ pointMark(0);
    const uint64_t second = BytesNotDigits(LoadWord(text + last)) ^ pointMark(last);
    return (first | second) == 0;
}

// LayNumberAsWritten for a text in the most common form (see IsNumberAsWritten) that fits the field; false, with
// `out` untouched, for every other text.
inline bool LayCommonNumber(const char* text, size_t length, unsigned width, unsigned decimals, char* out)
{
    constexpr size_t kWordPair = 2 * kWordSize;
    if (length == 0 || length > kWordPair || length > width || !IsNumberAsWritten(text, length, decimals))
        return false;
    FillBytes(out, ' ', width - length);
    CopyFewBytes(out + width - length, text, length);
    return true;
}

// LayNumberAsWritten for any text, blanks around it and all.
bool LayAnyNumberAsWritten(const char* text, size_t length, unsigned width, unsigned decimals, char* out);

// True when the text, without the blanks around it, stands in the form of a field of `width` characters with
// `decimals` decimal places (the point exactly when the field has decimals, and that many decimals) and fits it;
// it is then laid into `out` right-aligned after blanks, as FitNumber lays it (an empty text leaves the field
// blank). False leaves `out` untouched.
inline bool LayNumberAsWritten(const char* text, size_t length, unsigned width, unsigned decimals, char* out)
{
    return LayCommonNumber(text, length, width, decimals, out) ||
           LayAnyNumberAsWritten(text, length, width, decimals, out);
}

// The answer of IsFieldNumber: true when the text, without the blanks around it, is empty or a plain number with a
// point only when `decimals` > 0 and at most that many digits after it.
inline bool IsPlainFieldNumber(const char* text, size_t length, unsigned decimals)
{
    TrimBlanksAround(text, length);
    if (length == 0)
        return true;
    const PlainNumberForm form = ReadPlainNumberForm(text, length);
    return form.plain && form.decimals <= decimals && (decimals > 0 || !form.point);
}
