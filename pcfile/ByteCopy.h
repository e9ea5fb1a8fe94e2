// Short byte runs moved and scanned without a library call: values and records are a few dozen bytes, for which the
// call to the runtime's memcpy or memchr costs more than the bytes. Scans take eight bytes at a time as one word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Copies up to 16 bytes between buffers that do not overlap: two moves of eight, four or one byte, the second
// ending at the last byte (and for three bytes, a middle one).
inline void CopyFewBytes(char* out, const char* in, size_t count)
{
    if (count >= 8)
    {
        std::memcpy(out, in, 8);
        std::memcpy(out + count - 8, in + count - 8, 8);
    }
    else if (count >= 4)
    {
        std::memcpy(out, in, 4);
        std::memcpy(out + count - 4, in + count - 4, 4);
    }
    else if (count > 0)
    {
        out[0] = in[0];
        out[count / 2] = in[count / 2];
        out[count - 1] = in[count - 1];
    }
}

// Copies count bytes between buffers that do not overlap. Up to 64 bytes take two moves of the widest size that
// fits (the second ending at the last byte, overlapping the first); longer runs go to memcpy.
inline void CopyBytes(char* out, const char* in, size_t count)
{
    constexpr size_t kInlineLimit = 64;
    if (count > kInlineLimit)
        std::memcpy(out, in, count);
    else if (count > 32)
    {
        std::memcpy(out, in, 32);
        std::memcpy(out + count - 32, in + count - 32, 32);
    }
    else if (count > 16)
    {
        std::memcpy(out, in, 16);
        std::memcpy(out + count - 16, in + count - 16, 16);
    }
    else
        CopyFewBytes(out, in, count);
}

// Eight bytes as one word, read from or written to any address.
constexpr size_t kWordSize = sizeof(uint64_t);

inline uint64_t LoadWord(const char* at)
{
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline void StoreWord(char* at, uint64_t word)
{
    std::memcpy(at, &word, sizeof word);
}

constexpr uint64_t kEveryByteOne = 0x0101010101010101;
constexpr uint64_t kEveryByteHighBit = 0x8080808080808080;

// The high bit of each of the eight bytes of `word` that equals `byte`, and no other bit.
inline uint64_t BytesEqualTo(uint64_t word, char byte)
{
    constexpr uint64_t kLowBits = ~kEveryByteHighBit;
    const uint64_t x = word ^ (kEveryByteOne * static_cast<unsigned char>(byte));
    return ~(((x & kLowBits) + kLowBits) | x | kLowBits);
}

// The high bit of each of the eight bytes of `word` below `byte` (at most 0x80), and no other bit.
inline uint64_t BytesBelow(uint64_t word, unsigned char byte)
{
    constexpr uint64_t kLowBits = ~kEveryByteHighBit;
    // Each byte's low seven bits plus 0x80 - `byte` reach the high bit exactly when the byte is not below `byte`,
    // and never carry into the next byte; a byte whose own high bit is set is not below it either.
    return ~(((word & kLowBits) + kEveryByteOne * (0x80 - byte)) | word) & kEveryByteHighBit;
}

// Fewer than eight bytes as the low bytes of a word whose other bytes are zero; reads only those bytes.
inline uint64_t LoadShortWord(const char* at, size_t count)
{
    if (count >= 4)
    {
        uint32_t low;
        uint32_t high;
        std::memcpy(&low, at, 4);
        std::memcpy(&high, at + count - 4, 4);
        return low | (static_cast<uint64_t>(high) << (8 * (count - 4)));
    }
    if (count == 0)
        return 0;
    const auto byte = [at](size_t i) { return static_cast<uint64_t>(static_cast<unsigned char>(at[i])) << (8 * i); };
    return byte(0) | byte(count / 2) | byte(count - 1);
}
