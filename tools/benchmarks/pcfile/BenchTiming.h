// Timing of the PC-file benchmarks: the best of a few rounds, in seconds.
#pragma once

#include <windows.h>

#include <algorithm>

template <typename Run>
double BestSeconds(int rounds, Run run)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double best = 1e30;
    for (int round = 0; round < rounds; ++round)
    {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        run();
        QueryPerformanceCounter(&end);
        best = std::min(best, double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    return best;
}

inline double MegabytesPerSecond(double bytes, double seconds)
{
    return bytes / seconds / 1e6;
}
