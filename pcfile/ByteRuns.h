// Runs of bytes read from a file: bytes found eight at a time (each word of eight tested for the bytes sought all
// at once), and runs filled with one byte without a call into the C runtime.
#pragma once

#include "ByteCopy.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// Index within the word of the byte that the lowest set bit of a non-zero mask marks (the bytes of a word stand
// in memory order from its lowest byte on).
inline size_t FirstMarkedByte(uint64_t mask)
{
    return static_cast<size_t>(__builtin_ctzll(mask)) / 8;
}

// The first of the bytes `a`, `b` and `c` in [from, end), or `end` when none stands there.
inline const char* FindFirstOf(const char* from, const char* end, char a, char b, char c)
{
    for (; end - from >= static_cast<ptrdiff_t>(kWordSize); from += kWordSize)
    {
        const uint64_t word = LoadWord(from);
        const uint64_t mask = BytesEqualTo(word, a) | BytesEqualTo(word, b) | BytesEqualTo(word, c);
        if (mask != 0)
            return from + FirstMarkedByte(mask);
    }
    while (from < end && *from != a && *from != b && *from != c)
        ++from;
    return from;
}

// The first byte `a` in [from, end), or `end` when none stands there.
inline const char* FindByte(const char* from, const char* end, char a)
{
    for (; end - from >= static_cast<ptrdiff_t>(kWordSize); from += kWordSize)
    {
        const uint64_t mask = BytesEqualTo(LoadWord(from), a);
        if (mask != 0)
            return from + FirstMarkedByte(mask);
    }
    while (from < end && *from != a)
        ++from;
    return from;
}

// The first byte in [from, end) that is not `a`, or `end` when all of them are.
inline const char* SkipByte(const char* from, const char* end, char a)
{
    for (; end - from >= static_cast<ptrdiff_t>(kWordSize); from += kWordSize)
    {
        const uint64_t others = ~BytesEqualTo(LoadWord(from), a) & kEveryByteHighBit;
        if (others != 0)
            return from + FirstMarkedByte(others);
    }
    while (from < end && *from == a)
        ++from;
    return from;
}

// Sets count bytes to `byte`: eight at a time and a last eight that may overlap them, or for fewer than eight, two
// moves of four or three single bytes.
inline void FillBytes(char* out, char byte, size_t count)
{
    const uint64_t word = kEveryByteOne * static_cast<unsigned char>(byte);
    if (count >= kWordSize)
    {
        for (size_t at = 0; at + kWordSize < count; at += kWordSize)
            StoreWord(out + at, word);
        StoreWord(out + count - kWordSize, word);
    }
    else if (count >= 4)
    {
        const uint32_t half = static_cast<uint32_t>(word);
        std::memcpy(out, &half, sizeof half);
        std::memcpy(out + count - sizeof half, &half, sizeof half);
    }
    else if (count > 0)
    {
        out[0] = byte;
        out[count / 2] = byte;
        out[count - 1] = byte;
    }
}
