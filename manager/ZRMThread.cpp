// The manager's worker thread: its start, the requests posted to it, and the shutdown that ends it.
#include "ZRManagerModule.h"
#include "ZRManagerStrings.h"

#include <ReportError.h>

namespace
{
OwnedThread g_threadHandle;
DWORD g_threadId = 0;

bool RunRequest(WPARAM request, LPARAM argument)
{
    const ZRMFunctions& f = g_managerFunctions;
    switch (request)
    {
    case ZRM_REQ_RUN_TRANSFER:
        return f.RunTransfer(reinterpret_cast<HANDLE>(argument));
    case ZRM_REQ_START_HOST:
        return f.StartHost();
    case ZRM_REQ_TRANSFER:
        return f.Transfer(reinterpret_cast<HANDLE>(argument));
    case ZRM_REQ_START_BROWSER:
        return f.StartBrowser();
    case ZRM_REQ_BROWSE:
        return f.Browse();
    case ZRM_REQ_BROWSE_TO_WINDOW:
        return f.BrowseToWindow(argument);
    default:
        return f.OpenBrowse();
    }
}

// Disconnects every side and frees the browser, PC and host libraries, each entry posting its step.
void ShutDownManager()
{
    const ZRMFunctions& f = g_managerFunctions;
    f.DisconnectAll();
    f.UnloadBrowser();
    f.UnloadPc();
    f.UnloadHost();
}

DWORD WINAPI ManagerThreadProc(void* parameter)
{
    MSG message;
    // The first peek makes the thread's message queue, so that requests can be posted once the start is signalled.
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(static_cast<HANDLE>(parameter));

    while (GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        if (!g_manager || message.message != g_manager->MessageNumber())
            continue;
        switch (message.wParam)
        {
        case ZRM_REQ_END_THREAD:
            return 1;
        case ZRM_REQ_SHUT_DOWN:
            ShutDownManager();
            break;
        case ZRM_REQ_RUN_TRANSFER:
        case ZRM_REQ_START_HOST:
        case ZRM_REQ_TRANSFER:
        case ZRM_REQ_START_BROWSER:
        case ZRM_REQ_BROWSE:
        case ZRM_REQ_BROWSE_TO_WINDOW:
        case ZRM_REQ_OPEN_BROWSE:
            g_manager->NotifyRequestDone(RunRequest(message.wParam, message.lParam));
            break;
        default:
            break;
        }
    }
    return 1;
}
}

BOOL StartManagerThread(const ErrorSinkFunctions* errorSink)
{
    bool ok = false;
    OwnedEvent started(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (started)
    {
        g_threadHandle.Reset(CreateThread(nullptr, 0, ManagerThreadProc, started.Get(), 0, &g_threadId));
        ok = g_threadHandle && WaitForSingleObject(started.Get(), INFINITE) == WAIT_OBJECT_0;
    }
    if (!ok)
    {
        ReportError(ZRM_SOURCE_INTERNAL, __LINE__, errorSink, g_managerModule, IDS_ZRM003);
        g_threadHandle.Reset();
        g_threadId = 0;
    }
    return ok;
}

BOOL PostManagerRequest(int request, LPARAM argument)
{
    if (!g_manager)
        return TRUE;
    // The program may have changed the message number since the last request.
    g_manager->ReadMessageNumber();
    if (g_threadId == 0)
    {
        ReportError(ZRM_SOURCE_INTERNAL, __LINE__, g_manager->ErrorSink(), g_managerModule, IDS_ZRM005);
        return FALSE;
    }
    if (!PostThreadMessageA(g_threadId, g_manager->MessageNumber(), request, argument))
    {
        ReportError(ZRM_SOURCE_INTERNAL, __LINE__, g_manager->ErrorSink(), g_managerModule, IDS_ZRM004);
        return FALSE;
    }
    return TRUE;
}

void ReleaseManager()
{
    if (!g_manager)
        return;
    bool shutDown = false;
    if (g_threadId != 0)
    {
        // Requests already queued run first; the worker leaves its loop once the shutdown is done.
        shutDown = PostManagerRequest(ZRM_REQ_SHUT_DOWN, 0);
        if (PostManagerRequest(ZRM_REQ_END_THREAD, 0))
            WaitForSingleObject(g_threadHandle.Get(), INFINITE);
        g_threadHandle.Reset();
        g_threadId = 0;
    }
    // Without a worker (its start failed) the shutdown runs here, so that no library stays loaded.
    if (!shutDown)
        ShutDownManager();
    delete g_manager;
    g_manager = nullptr;
}
