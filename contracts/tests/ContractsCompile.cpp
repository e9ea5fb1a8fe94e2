// Compile-time checks of the contract headers; this file has no code.
#include "ZRContracts.h"

namespace
{
constexpr bool EqualNoCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
    {
        char x = (*a >= 'a' && *a <= 'z') ? char(*a - 32) : *a;
        char y = (*b >= 'a' && *b <= 'z') ? char(*b - 32) : *b;
        if (x != y)
            return false;
    }
    return *a == *b;
}

// Every named PC file type has a name, and no two match each other when read without regard to case.
constexpr bool PcFileTypeNamesAreDistinct()
{
    for (int i = PCFT_FIRST_NAMED; i <= PCFT_LAST; ++i)
    {
        if (PcFileTypeNames[i] == nullptr || PcFileTypeNames[i][0] == '\0')
            return false;
        for (int j = i + 1; j <= PCFT_LAST; ++j)
            if (EqualNoCase(PcFileTypeNames[i], PcFileTypeNames[j]))
                return false;
    }
    return PcFileTypeNames[0][0] == '\0' && PcFileTypeNames[PCFT_VOID][0] == '\0';
}
static_assert(PcFileTypeNamesAreDistinct());
}
