#include "FilePatch.h"

#include <algorithm>

bool WriteAt(FILE* stream, long long offset, const void* bytes, size_t count)
{
    return _fseeki64(stream, offset, SEEK_SET) == 0 && fwrite(bytes, 1, count, stream) == count;
}

bool ReadAt(FILE* stream, long long offset, void* bytes, size_t count)
{
    return _fseeki64(stream, offset, SEEK_SET) == 0 && fread(bytes, 1, count, stream) == count;
}

bool MoveTail(FILE* stream, long long from, long long end, long long delta)
{
    constexpr long long kChunk = 32768;
    char chunk[kChunk];
    for (long long stop = end; stop > from;)
    {
        const long long start = std::max(from, stop - kChunk);
        const size_t count = static_cast<size_t>(stop - start);
        if (!ReadAt(stream, start, chunk, count) || !WriteAt(stream, start + delta, chunk, count))
            return false;
        stop = start;
    }
    return true;
}
