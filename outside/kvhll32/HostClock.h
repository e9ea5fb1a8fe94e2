// Applies the hosts' timed changes when their time comes (a delayed answer, a screen the host changes by itself)
// and so signals the session's event then, as an emulator does when the host answers: a program waiting on the
// event wakes at once. One thread of the bridge's own, started when a change is due and ended when none is; while
// it runs it holds a reference to the bridge's DLL, which therefore cannot be unloaded under it.
#pragma once

#include <windows.h>

#include "OwnedHandles.h"

namespace kvhll {

class HostClock {
public:
    // `tick` runs under `lock`: it applies what is due by now and returns the milliseconds until the next change
    // (INFINITE: none).
    using Tick = DWORD (*)();
    HostClock(CRITICAL_SECTION& lock, Tick tick) : lock_(lock), tick_(tick) {}
    HostClock(const HostClock&) = delete;
    HostClock& operator=(const HostClock&) = delete;

    // Called under the lock after a bridge call: `wait` milliseconds from `now` until the next change.
    void Schedule(DWORD now, DWORD wait);

private:
    static DWORD WINAPI Run(LPVOID clock);
    bool Start();

    CRITICAL_SECTION& lock_;
    Tick tick_;
    OwnedEvent wake_;
    bool running_ = false;
    DWORD deadline_ = 0;   // when the running thread wakes by itself
};

}  // namespace kvhll
