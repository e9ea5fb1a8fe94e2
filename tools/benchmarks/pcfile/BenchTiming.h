// Timing of the PC-file benchmarks, in seconds.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

template <typename Run>
double Seconds(Run run)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    run();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// The best of a few rounds.
template <typename Run>
double BestSeconds(int rounds, Run run)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round)
        best = std::min(best, Seconds(run));
    return best;
}

// The middle of the times of several rounds (of the two middle ones for an even count).
inline double Median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

inline double MegabytesPerSecond(double bytes, double seconds)
{
    return bytes / seconds / 1e6;
}
