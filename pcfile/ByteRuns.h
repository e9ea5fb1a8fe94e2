// Runs of bytes read from a file: bytes found eight at a time (each group of eight is one word, tested for the bytes
// sought all at once), and runs filled with one byte without a call into the C runtime.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bytescan
{
constexpr size_t kGroup = sizeof(uint64_t);

inline uint64_t LoadGroup(const char* at)
{
    uint64_t group;
    std::memcpy(&group, at, sizeof group);
    return group;
}

// The high bit of each byte of `group` that equals `byte` is set. Bits above the lowest set one may be set for
// bytes that differ (a borrow runs on), so only the lowest set bit tells a position.
inline uint64_t Matches(uint64_t group, char byte)
{
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    const uint64_t x = group ^ (kOnes * static_cast<unsigned char>(byte));
    return (x - kOnes) & ~x & kHighBits;
}

// Index within the group of the byte that the lowest set bit of a non-zero mask marks (the bytes of a group stand
// in memory order from its lowest byte on).
inline size_t FirstMatch(uint64_t mask)
{
    return static_cast<size_t>(__builtin_ctzll(mask)) / 8;
}
}

// The first of the bytes `a`, `b` and `c` in [from, end), or `end` when none stands there.
inline const char* FindFirstOf(const char* from, const char* end, char a, char b, char c)
{
    using namespace bytescan;
    for (; end - from >= static_cast<ptrdiff_t>(kGroup); from += kGroup)
    {
        const uint64_t group = LoadGroup(from);
        const uint64_t mask = Matches(group, a) | Matches(group, b) | Matches(group, c);
        if (mask != 0)
            return from + FirstMatch(mask);
    }
    while (from < end && *from != a && *from != b && *from != c)
        ++from;
    return from;
}

// The first byte `a` in [from, end), or `end` when none stands there.
inline const char* FindByte(const char* from, const char* end, char a)
{
    using namespace bytescan;
    for (; end - from >= static_cast<ptrdiff_t>(kGroup); from += kGroup)
    {
        const uint64_t mask = Matches(LoadGroup(from), a);
        if (mask != 0)
            return from + FirstMatch(mask);
    }
    while (from < end && *from != a)
        ++from;
    return from;
}

// Sets count bytes to `byte`, eight at a time while eight remain.
inline void FillBytes(char* out, char byte, size_t count)
{
    using namespace bytescan;
    const uint64_t group = 0x0101010101010101 * static_cast<unsigned char>(byte);
    for (; count >= kGroup; count -= kGroup, out += kGroup)
        std::memcpy(out, &group, kGroup);
    for (; count > 0; --count)
        *out++ = byte;
}
