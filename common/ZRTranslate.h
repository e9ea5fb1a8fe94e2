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

// Translates sizeof(Word) bytes (an even count) from `in` to `out` a pair at a time: the whole word is read before
// any of it is written.
template <typename Word>
inline void TranslatePairs(const uint16_t* pairs, const unsigned char* in, unsigned char* out)
{
    Word word;
    std::memcpy(&word, in, sizeof word);
    Word translated = 0;
    for (size_t k = 0; k < sizeof word; k += 2)
        translated |= static_cast<Word>(Word{pairs[static_cast<uint16_t>(word >> (8 * k))]} << (8 * k));
    std::memcpy(out, &translated, sizeof translated);
}

// Translates `count` bytes in words of eight, then four and two bytes, and a last byte alone through the first half
// of a pair entry. Each word is read before it is written, which gives the byte-by-byte result wherever
// CanTranslateInPairs holds.
inline void TranslateInPairs(const uint16_t* pairs, const unsigned char* in, unsigned char* out, size_t count)
{
    const unsigned char* const end = in + count;
    for (; end - in >= 8; in += 8, out += 8)
        TranslatePairs<uint64_t>(pairs, in, out);
    if ((end - in) & 4)
    {
        TranslatePairs<uint32_t>(pairs, in, out);
        in += 4;
        out += 4;
    }
    if ((end - in) & 2)
    {
        TranslatePairs<uint16_t>(pairs, in, out);
        in += 2;
        out += 2;
    }
    if (end != in)
        std::memcpy(out, &pairs[*in], 1);
}

// Whether TranslateInPairs gives the byte-by-byte result for these buffers: a destination that starts inside the
// source after its first byte reads bytes that the byte loop itself has translated, while the same start, an
// earlier one or none within the source leave every source byte unwritten until it has been read.
inline bool CanTranslateInPairs(const void* source, const void* destination, size_t count)
{
    return reinterpret_cast<uintptr_t>(destination) - reinterpret_cast<uintptr_t>(source) - 1 >= count - 1;
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
