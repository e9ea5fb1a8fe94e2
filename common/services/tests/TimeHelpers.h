// Differences between SYSTEMTIME values, for checks of record time stamps.
#pragma once

#include <windows.h>

inline long long SecondsOf(const SYSTEMTIME& time)
{
    FILETIME file = {};
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER value;
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    return static_cast<long long>(value.QuadPart / 10000000ULL);
}

inline long long SecondsBetween(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    long long difference = SecondsOf(a) - SecondsOf(b);
    return difference < 0 ? -difference : difference;
}
