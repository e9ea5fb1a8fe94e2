// Translation of a buffer through a 256-byte code table and the table of byte pairs made from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>

// Entries of a pair table: one for each of the 65,536 byte pairs.
constexpr size_t kPairTableSize = 65536;

// Fills a pair table from a code table. A pair is indexed by the 16-bit word that its two bytes make in memory, and
// its entry holds the two translated bytes in the same order, so that a word load indexes the table and a word store
// writes both results.
inline void BuildPairTable(const unsigned char* table, uint16_t* pairs)
{
    for (size_t second = 0; second < 256; ++second)
        for (size_t first = 0; first < 256; ++first)
        {
            const unsigned char bytes[2] = {table[first], table[second]};
            std::memcpy(&pairs[first | second << 8], bytes, sizeof bytes);
        }
}

// Translates the two bytes at `in` into the two at `out`, reading both before writing.
inline void TranslatePair(const uint16_t* pairs, const unsigned char* in, unsigned char* out)
{
    uint16_t pair;
    std::memcpy(&pair, in, sizeof pair);
    std::memcpy(out, &pairs[pair], sizeof pair);
}

// Translates `count` bytes a pair at a time, eight bytes a round and the last byte alone. Reading each pair before
// writing it gives the byte-by-byte result as long as no source byte is overwritten before it is read: the
// destination must not start inside the source after its first byte.
inline void TranslateInPairs(const unsigned char* table, const uint16_t* pairs, const unsigned char* in,
                             unsigned char* out, size_t count)
{
    size_t i = 0;
    for (; i + 8 <= count; i += 8)
    {
        TranslatePair(pairs, in + i, out + i);
        TranslatePair(pairs, in + i + 2, out + i + 2);
        TranslatePair(pairs, in + i + 4, out + i + 4);
        TranslatePair(pairs, in + i + 6, out + i + 6);
    }
    for (; i + 2 <= count; i += 2)
        TranslatePair(pairs, in + i, out + i);
    if (count & 1)
        out[i] = table[in[i]];
}

// Fills `length` bytes with `fill` and stores `count` in *destinationLength: the end of a translation into a longer
// destination, kept out of line so that the translation itself calls nothing. TRUE, for the caller to return.
[[gnu::noinline]] inline BOOL FillAndStoreCount(unsigned char* rest, unsigned char fill, size_t length,
                                                WORD* destinationLength, size_t count)
{
    std::memset(rest, fill, length);
    *destinationLength = static_cast<WORD>(count);
    return TRUE;
}

// Translates n = min(sourceLength, *destinationLength) bytes (each source byte, unsigned, indexes the table), fills
// the rest of the destination up to *destinationLength with `fill`, and stores n in *destinationLength; TRUE.
// `pairs` is the table's pair table, or null to go byte by byte. Inline, as values are mostly short and a call would
// cost as much as their bytes.
inline BOOL TranslateWithTable(const unsigned char* table, const uint16_t* pairs, unsigned char fill,
                               const char* source, char* destination, WORD sourceLength, WORD* destinationLength)
{
    const size_t capacity = *destinationLength;
    const size_t count = sourceLength < capacity ? sourceLength : capacity;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(source);
    unsigned char* out = reinterpret_cast<unsigned char*>(destination);
    // A destination that starts inside the source after its first byte reads bytes that the loop itself has
    // translated: that goes byte by byte, as the definition reads. The same start, an earlier one or none within
    // the source go by pairs.
    const bool byPairs = reinterpret_cast<uintptr_t>(out) - reinterpret_cast<uintptr_t>(in) - 1 >= count - 1;
    if (pairs != nullptr && byPairs)
        TranslateInPairs(table, pairs, in, out, count);
    else
        for (size_t i = 0; i < count; ++i)
            out[i] = table[in[i]];
    if (count < capacity)
        return FillAndStoreCount(out + count, fill, capacity - count, destinationLength, count);
    *destinationLength = static_cast<WORD>(count);
    return TRUE;
}
