#include "ProcessClock.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace
{
double Seconds(const FILETIME& time)
{
    return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
}

CpuSeconds ProcessTimes()
{
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return {Seconds(user), Seconds(kernel)};
}

#if defined(__x86_64__)
// Wine's ntdll names the system it runs on; nothing answers on Windows.
bool RunsOnWineForLinux()
{
    using HostVersionEntry = void(CDECL*)(const char** system, const char** release);
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto hostVersion = reinterpret_cast<HostVersionEntry>(
        reinterpret_cast<void*>(ntdll ? GetProcAddress(ntdll, "wine_get_host_version") : nullptr));
    if (!hostVersion)
        return false;
    const char* system = nullptr;
    const char* release = nullptr;
    hostVersion(&system, &release);
    return system && std::strcmp(system, "Linux") == 0;
}

// Linux's getrusage(RUSAGE_SELF), made as the system call itself: Wine passes Linux system call numbers on to
// Linux, and the process's Linux usage is the source of its Windows process times. Layout of x86-64 Linux.
struct LinuxTime
{
    std::int64_t seconds;
    std::int64_t microseconds;
};

struct LinuxUsage
{
    LinuxTime user;
    LinuxTime system;
    std::int64_t counters[14];
};

constexpr long long kLinuxGetrusage = 98;
constexpr long long kLinuxUsageSelf = 0;

bool LinuxProcessUsage(LinuxUsage& usage)
{
    long long result;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(kLinuxGetrusage), "D"(kLinuxUsageSelf), "S"(&usage)
                 : "rcx", "r11", "memory");
    return result == 0;
}

double Seconds(const LinuxTime& time)
{
    return double(time.seconds) + double(time.microseconds) / 1e6;
}

bool AsksLinux()
{
    static const bool asks = [] {
        LinuxUsage usage = {};
        return RunsOnWineForLinux() && LinuxProcessUsage(usage);
    }();
    return asks;
}
#else
bool AsksLinux()
{
    return false;
}
#endif
}

CpuSeconds ProcessCpuSeconds()
{
#if defined(__x86_64__)
    // Once Linux has answered, every figure comes from it, so that no difference mixes the two clocks.
    LinuxUsage usage = {};
    if (AsksLinux())
    {
        LinuxProcessUsage(usage);
        return {Seconds(usage.user), Seconds(usage.system)};
    }
#endif
    return ProcessTimes();
}

const char* ProcessClockName()
{
    return AsksLinux() ? "Linux process usage, in microseconds" : "the process times";
}
