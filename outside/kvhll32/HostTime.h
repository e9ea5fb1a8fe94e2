// The simulated hosts' clock, in microseconds: fine enough that an answer due 20 ms after its Enter comes then, not
// a tick of the system clock later.
#pragma once

#include <windows.h>

namespace kvhll
{

using HostTime = unsigned long long;
constexpr HostTime kNever = ~0ULL;

inline HostTime HostNow()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<HostTime>(now.QuadPart / frequency.QuadPart * 1000000 +
                                 now.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart);
}

inline HostTime FromMilliseconds(DWORD milliseconds)
{
    return static_cast<HostTime>(milliseconds) * 1000;
}

}  // namespace kvhll
