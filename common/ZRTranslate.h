// Translation of a buffer through a 256-byte code table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>

// Translates sizeof(Group) bytes from `in` into one group and stores it at `out`: the whole group is read before
// any of it is written.
template <typename Group>
inline void TranslateGroup(const unsigned char* table, const unsigned char* in, unsigned char* out)
{
    Group group = 0;
    for (size_t k = 0; k < sizeof group; ++k)
        group |= Group{table[in[k]]} << (8 * k);
    std::memcpy(out, &group, sizeof group);
}

// Translates n = min(sourceLength, *destinationLength) bytes (each source byte, unsigned, indexes the table), fills
// the rest of the destination up to *destinationLength with `fill`, and stores n in *destinationLength. Inline, as
// values are mostly short and a call would cost as much as their bytes.
inline void TranslateWithTable(const unsigned char* table, unsigned char fill, const char* source, char* destination,
                               WORD sourceLength, WORD* destinationLength)
{
    const size_t capacity = *destinationLength;
    const size_t count = sourceLength < capacity ? sourceLength : capacity;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(source);
    unsigned char* out = reinterpret_cast<unsigned char*>(destination);
    // Groups of eight or four bytes need source and destination apart: the last group overlaps the one before it and
    // translates some source bytes a second time. Overlapping buffers go byte by byte, as the definition reads.
    const bool apart = reinterpret_cast<uintptr_t>(out) - reinterpret_cast<uintptr_t>(in) >= count &&
                       reinterpret_cast<uintptr_t>(in) - reinterpret_cast<uintptr_t>(out) >= count;
    if (apart && count >= 8)
    {
        for (size_t i = 0; i + 8 < count; i += 8)
            TranslateGroup<uint64_t>(table, in + i, out + i);
        TranslateGroup<uint64_t>(table, in + count - 8, out + count - 8);
    }
    else if (apart && count >= 4)
    {
        TranslateGroup<uint32_t>(table, in, out);
        TranslateGroup<uint32_t>(table, in + count - 4, out + count - 4);
    }
    else
        for (size_t i = 0; i < count; ++i)
            out[i] = table[in[i]];
    if (count < capacity)
        std::memset(out + count, fill, capacity - count);
    *destinationLength = static_cast<WORD>(count);
}
