#include "HostClock.h"

namespace kvhll
{
namespace
{

// A wait of the system ends up to a millisecond late: the last two before a change are spent yielding instead.
constexpr HostTime kYieldTime = 2000;

}  // namespace

void HostClock::Schedule(HostTime now, HostTime wait)
{
    if (wait == kNever)
    {
        return;
    }
    if (!running_)
    {
        running_ = Start();
        return;
    }
    // The thread sleeps until its deadline: a change due earlier wakes it.
    if (now + wait < deadline_)
    {
        SetEvent(wake_.Get());
    }
}

bool HostClock::Start()
{
    if (!wake_.IsValid())
    {
        wake_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    }
    HMODULE module = nullptr;
    if (!wake_.IsValid() ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&Run), &module))
    {
        return false;
    }
    // The thread gives the reference up as it ends (FreeLibraryAndExitThread).
    OwnedModule reference(module);
    ResetEvent(wake_.Get());
    OwnedThread thread(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    if (!thread.IsValid())
    {
        return false;
    }
    reference.Release();
    return true;
}

void HostClock::WaitUntil(HostTime due) const
{
    HostTime now = HostNow();
    if (due > now + kYieldTime &&
        WaitForSingleObject(wake_.Get(), static_cast<DWORD>((due - now - kYieldTime) / 1000)) == WAIT_OBJECT_0)
    {
        return;
    }
    while (HostNow() < due)
    {
        SwitchToThread();
    }
}

DWORD WINAPI HostClock::Run(LPVOID parameter)
{
    HostClock& clock = *static_cast<HostClock*>(parameter);
    for (;;)
    {
        EnterCriticalSection(&clock.lock_);
        HostTime wait = clock.tick_();
        bool pending = wait != kNever;
        clock.running_ = pending;
        if (pending)
        {
            clock.deadline_ = HostNow() + wait;
        }
        HostTime due = clock.deadline_;
        LeaveCriticalSection(&clock.lock_);
        if (!pending)
        {
            break;
        }
        clock.WaitUntil(due);
    }
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&Run), &module);
    FreeLibraryAndExitThread(module, 0);
}

}  // namespace kvhll
