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

// Translates the 2 * Pairs bytes at `in` into `out` a pair at a time; each pair is read before it is written.
template <size_t Pairs>
inline void TranslatePairs(const uint16_t* pairs, const unsigned char* in, unsigned char* out)
{
    for (size_t k = 0; k < 2 * Pairs; k += 2)
    {
        uint16_t pair;
        std::memcpy(&pair, in + k, sizeof pair);
        std::memcpy(out + k, &pairs[pair], sizeof pair);
    }
}

// Translates `count` bytes a pair at a time: sixteen bytes to a step, then the eight, four and two bytes that the
// bits of the count below sixteen call for, and a last byte alone through the first half of a pair entry. Each pair
// is read before it is written, which gives the byte-by-byte result wherever CanTranslateInPairs holds.
inline void TranslateInPairs(const uint16_t* pairs, const unsigned char* in, unsigned char* out, size_t count)
{
    for (const unsigned char* const steps = in + (count & ~size_t{15}); in != steps; in += 16, out += 16)
        TranslatePairs<8>(pairs, in, out);
    if (count & 8)
        TranslatePairs<4>(pairs, in, out);
    if (count & 4)
        TranslatePairs<2>(pairs, in + (count & 8), out + (count & 8));
    if (count & 2)
        TranslatePairs<1>(pairs, in + (count & 12), out + (count & 12));
    if (count & 1)
        std::memcpy(out + (count & 14), &pairs[in[count & 14]], 1);
}

// Whether TranslateInPairs gives the byte-by-byte result for these buffers: a destination that starts inside the
// source after its first byte reads bytes that the byte loop itself has translated, while the same start, an
// earlier one or none within the source leave every source byte unwritten until it has been read.
inline bool CanTranslateInPairs(const void* source, const void* destination, size_t count)
{
    const uintptr_t start = reinterpret_cast<uintptr_t>(destination) - reinterpret_cast<uintptr_t>(source);
    return start == 0 || start >= count;
}

// Whether the length word lies outside the `count` bytes at `destination`, so that translating into them leaves it
// as it was.
inline bool LiesOutside(const WORD* length, const void* destination, size_t count)
{
    return reinterpret_cast<uintptr_t>(length) - reinterpret_cast<uintptr_t>(destination) + 1 > count;
}

// Translates n = min(sourceLength, *destinationLength) bytes (each source byte, unsigned, indexes the table), fills
// the rest of the destination up to *destinationLength with `fill`, and stores n in *destinationLength. `pairs` is
// the table's pair table, or null to go byte by byte.
inline void TranslateWithTable(const unsigned char* table, const uint16_t* pairs, unsigned char fill,
                               const char* source, char* destination, WORD sourceLength, WORD* destinationLength)
{
    const size_t capacity = *destinationLength;
    const size_t count = sourceLength < capacity ? sourceLength : capacity;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(source);
    unsigned char* out = reinterpret_cast<unsigned char*>(destination);
    if (pairs != nullptr && CanTranslateInPairs(in, out, count))
        TranslateInPairs(pairs, in, out, count);
    else
        for (size_t i = 0; i < count; ++i)
            out[i] = table[in[i]];
    std::memset(out + count, fill, capacity - count);
    *destinationLength = static_cast<WORD>(count);
}
