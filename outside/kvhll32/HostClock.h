// Applies the hosts' timed changes when their time comes (a delayed answer, a screen the host changes by itself)
// and so signals the session's event then, as an emulator does when the host answers: a program waiting on the
// event wakes at once. One thread of the bridge's own, started when a change is due and ended when none is; while
// it runs it holds a reference to the bridge's DLL, which therefore cannot be unloaded under it.
#pragma once

#include <windows.h>

#include "HostTime.h"
#include "OwnedHandles.h"

namespace kvhll
{

class HostClock
{
public:
    // `tick` runs under `lock`: it applies what is due by now and returns the time until the next change (kNever:
    // none).
    using Tick = HostTime (*)();
    HostClock(CRITICAL_SECTION& lock, Tick tick) : lock_(lock), tick_(tick) {}
    HostClock(const HostClock&) = delete;
    HostClock& operator=(const HostClock&) = delete;

    // Called under the lock after a bridge call: `wait` from `now` until the next change.
    void Schedule(HostTime now, HostTime wait);

private:
    static DWORD WINAPI Run(LPVOID clock);
    bool Start();
    // Until `due`, or until a change due earlier wakes the thread.
    void WaitUntil(HostTime due) const;

    CRITICAL_SECTION& lock_;
    Tick tick_;
    OwnedEvent wake_;
    bool running_ = false;
    HostTime deadline_ = 0;  // when the running thread wakes by itself
};

}  // namespace kvhll
