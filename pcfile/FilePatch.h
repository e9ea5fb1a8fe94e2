// Changes to a written file after its records: counts and lengths that are known only at the end.
#pragma once

#include <cstddef>
#include <cstdio>

// Writes the bytes at the offset. False when seeking or writing fails.
bool WriteAt(FILE* stream, long long offset, const void* bytes, size_t count);
// Reads the bytes at the offset. False when fewer are there.
bool ReadAt(FILE* stream, long long offset, void* bytes, size_t count);
// Moves the bytes from `from` to the end of the file `delta` bytes further on, the last ones first, so that delta
// bytes at `from` may be replaced by longer ones. False when reading or writing fails.
bool MoveTail(FILE* stream, long long from, long long end, long long delta);

// Little-endian numbers as the binary formats store them.
inline void PutLittleEndian(unsigned char* at, unsigned long long value, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

inline unsigned long long GetLittleEndian(const unsigned char* at, size_t bytes)
{
    unsigned long long value = 0;
    for (size_t i = bytes; i > 0; --i)
        value = value << 8 | at[i - 1];
    return value;
}
