#include "ZRTranslate.h"

#include <cstring>

void TranslateWithTable(const unsigned char* table, unsigned char fill, const char* source, char* destination,
                        WORD sourceLength, WORD* destinationLength)
{
    WORD capacity = *destinationLength;
    WORD count = sourceLength < capacity ? sourceLength : capacity;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(source);
    unsigned char* out = reinterpret_cast<unsigned char*>(destination);
    for (WORD i = 0; i < count; ++i)
        out[i] = table[in[i]];
    if (count < capacity)
        memset(out + count, fill, capacity - count);
    *destinationLength = count;
}
