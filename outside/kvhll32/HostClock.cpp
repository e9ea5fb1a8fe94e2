#include "HostClock.h"

namespace kvhll {

void HostClock::Schedule(DWORD now, DWORD wait)
{
    if (wait == INFINITE) {
        return;
    }
    if (!running_) {
        running_ = Start();
        return;
    }
    // The thread sleeps until its deadline: a change due earlier wakes it.
    if (static_cast<LONG>((now + wait) - deadline_) < 0) {
        SetEvent(wake_.Get());
    }
}

bool HostClock::Start()
{
    if (!wake_.IsValid()) {
        wake_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    }
    HMODULE module = nullptr;
    if (!wake_.IsValid() ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&Run), &module)) {
        return false;
    }
    // The thread gives the reference up as it ends (FreeLibraryAndExitThread).
    OwnedModule reference(module);
    ResetEvent(wake_.Get());
    OwnedThread thread(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    if (!thread.IsValid()) {
        return false;
    }
    reference.Release();
    return true;
}

DWORD WINAPI HostClock::Run(LPVOID parameter)
{
    HostClock& clock = *static_cast<HostClock*>(parameter);
    for (;;) {
        EnterCriticalSection(&clock.lock_);
        DWORD wait = clock.tick_();
        clock.running_ = wait != INFINITE;
        clock.deadline_ = GetTickCount() + wait;
        LeaveCriticalSection(&clock.lock_);
        if (wait == INFINITE) {
            break;
        }
        WaitForSingleObject(clock.wake_.Get(), wait);
    }
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&Run), &module);
    FreeLibraryAndExitThread(module, 0);
}

}  // namespace kvhll
