// The 37 entries of ZRMFunctions. Each works on the one manager object; without one it returns FALSE. A synchronous
// entry posts its step when its operation has finished, successfully or not; a compound entry chains its parts and
// always runs its closing part, whose result counts too.
#include "ZRManagerModule.h"

ZRMFunctions g_managerFunctions = {};

namespace
{
BOOL Finish(BOOL result, int step)
{
    g_manager->NotifyStep(step);
    return result ? TRUE : FALSE;
}

BOOL ZRTAPI ZRMLoadHost()
{
    return g_manager && Finish(g_manager->LoadHost(), ZRM_STEP_LOAD_HOST);
}

BOOL ZRTAPI ZRMLoadPc()
{
    return g_manager && Finish(g_manager->LoadPc(TRUE), ZRM_STEP_LOAD_PC);
}

BOOL ZRTAPI ZRMLoadBrowser()
{
    return g_manager && Finish(g_manager->LoadBrowser(), ZRM_STEP_LOAD_BROWSER);
}

BOOL ZRTAPI ZRMConnectHost()
{
    return g_manager && Finish(g_manager->ConnectHost(), ZRM_STEP_CONNECT_HOST);
}

BOOL ZRTAPI ZRMQueryHostInfo(char* text, int* number1, int* number2)
{
    return g_manager && Finish(g_manager->QueryHostInfo(text, number1, number2), ZRM_STEP_QUERY_HOST_INFO);
}

BOOL ZRTAPI ZRMConnectPc()
{
    return g_manager && Finish(g_manager->ConnectPc(), ZRM_STEP_CONNECT_PC);
}

BOOL ZRTAPI ZRMConnectBrowser()
{
    return g_manager && Finish(g_manager->ConnectBrowser(), ZRM_STEP_CONNECT_BROWSER);
}

BOOL ZRTAPI ZRMOpenTransfer(HANDLE cancelEvent)
{
    return g_manager && Finish(g_manager->OpenTransfer(cancelEvent), ZRM_STEP_OPEN_TRANSFER);
}

BOOL ZRTAPI ZRMOpenBrowse()
{
    return g_manager && Finish(g_manager->OpenBrowse(), ZRM_STEP_OPEN_BROWSE);
}

BOOL ZRTAPI ZRMOpenBrowseAsync()
{
    return PostManagerRequest(ZRM_REQ_OPEN_BROWSE, 0);
}

BOOL ZRTAPI ZRMTransferData()
{
    return g_manager && Finish(g_manager->TransferData(), ZRM_STEP_TRANSFER_DATA);
}

BOOL ZRTAPI ZRMBrowseData()
{
    return g_manager && Finish(g_manager->BrowseData(), ZRM_STEP_BROWSE_DATA);
}

BOOL ZRTAPI ZRMCloseTransfer()
{
    return g_manager && Finish(g_manager->CloseTransfer(), ZRM_STEP_CLOSE_TRANSFER);
}

BOOL ZRTAPI ZRMCloseBrowse()
{
    return g_manager && Finish(g_manager->CloseBrowse(), ZRM_STEP_CLOSE_BROWSE);
}

BOOL ZRTAPI ZRMUnloadPc()
{
    return g_manager && Finish(g_manager->UnloadPc(), ZRM_STEP_UNLOAD_PC);
}

BOOL ZRTAPI ZRMUnloadHost()
{
    return g_manager && Finish(g_manager->UnloadHost(), ZRM_STEP_UNLOAD_HOST);
}

BOOL ZRTAPI ZRMUnloadBrowser()
{
    return g_manager && Finish(g_manager->UnloadBrowser(), ZRM_STEP_UNLOAD_BROWSER);
}

BOOL ZRTAPI ZRMDisconnectHost()
{
    return g_manager && Finish(g_manager->DisconnectHost(), ZRM_STEP_DISCONNECT_HOST);
}

BOOL ZRTAPI ZRMDisconnectPc()
{
    return g_manager && Finish(g_manager->DisconnectPc(), ZRM_STEP_DISCONNECT_PC);
}

BOOL ZRTAPI ZRMDisconnectBrowser()
{
    return g_manager && Finish(g_manager->DisconnectBrowser(), ZRM_STEP_DISCONNECT_BROWSER);
}

BOOL ZRTAPI ZRMDisconnectAll()
{
    return g_manager && Finish(g_manager->DisconnectAll(), ZRM_STEP_DISCONNECT_ALL);
}

BOOL ZRTAPI ZRMRunTransfer(HANDLE cancelEvent)
{
    bool ok = ZRMLoadHost() && ZRMConnectHost() && ZRMOpenTransfer(cancelEvent) && ZRMTransferData();
    bool closed = ZRMCloseTransfer();
    return ok && closed;
}

BOOL ZRTAPI ZRMRunTransferAsync(HANDLE cancelEvent)
{
    return PostManagerRequest(ZRM_REQ_RUN_TRANSFER, reinterpret_cast<LPARAM>(cancelEvent));
}

BOOL ZRTAPI ZRMStartHost()
{
    return ZRMLoadHost() && ZRMConnectHost();
}

BOOL ZRTAPI ZRMStartHostAsync()
{
    return PostManagerRequest(ZRM_REQ_START_HOST, 0);
}

BOOL ZRTAPI ZRMTransfer(HANDLE cancelEvent)
{
    bool ok = ZRMOpenTransfer(cancelEvent) && ZRMTransferData();
    bool closed = ZRMCloseTransfer();
    return ok && closed;
}

BOOL ZRTAPI ZRMTransferAsync(HANDLE cancelEvent)
{
    return PostManagerRequest(ZRM_REQ_TRANSFER, reinterpret_cast<LPARAM>(cancelEvent));
}

BOOL ZRTAPI ZRMStartBrowser()
{
    return ZRMLoadBrowser() && ZRMConnectBrowser();
}

BOOL ZRTAPI ZRMStartBrowserAsync()
{
    return PostManagerRequest(ZRM_REQ_START_BROWSER, 0);
}

BOOL ZRTAPI ZRMBrowse()
{
    bool ok = ZRMOpenBrowse() && ZRMBrowseData();
    bool closed = ZRMCloseBrowse();
    return ok && closed;
}

BOOL ZRTAPI ZRMBrowseAsync()
{
    return PostManagerRequest(ZRM_REQ_BROWSE, 0);
}

// Browsing into the caller's window posts no steps.
BOOL ZRTAPI ZRMBrowseToWindow(LPARAM argument)
{
    if (!g_manager)
        return FALSE;
    bool ok = g_manager->OpenBrowseToWindow(argument) && g_manager->BrowseDataToWindow();
    bool closed = g_manager->CloseBrowseToWindow();
    return ok && closed;
}

BOOL ZRTAPI ZRMBrowseToWindowAsync(LPARAM argument)
{
    return PostManagerRequest(ZRM_REQ_BROWSE_TO_WINDOW, argument);
}

BOOL ZRTAPI ZRMRelease()
{
    ReleaseManager();
    return TRUE;
}
}

void FillManagerFunctions()
{
    ZRMFunctions& f = g_managerFunctions;
    f.LoadHost = ZRMLoadHost;
    f.LoadPc = ZRMLoadPc;
    f.LoadBrowser = ZRMLoadBrowser;
    f.ConnectHost = ZRMConnectHost;
    f.QueryHostInfo = ZRMQueryHostInfo;
    f.ConnectPc = ZRMConnectPc;
    f.ConnectBrowser = ZRMConnectBrowser;
    f.OpenTransfer = ZRMOpenTransfer;
    f.OpenBrowse = ZRMOpenBrowse;
    f.OpenBrowseAsync = ZRMOpenBrowseAsync;
    f.Empty10 = nullptr;
    f.TransferData = ZRMTransferData;
    f.BrowseData = ZRMBrowseData;
    f.Empty13 = nullptr;
    f.CloseTransfer = ZRMCloseTransfer;
    f.CloseBrowse = ZRMCloseBrowse;
    f.Empty16 = nullptr;
    f.UnloadPc = ZRMUnloadPc;
    f.UnloadHost = ZRMUnloadHost;
    f.UnloadBrowser = ZRMUnloadBrowser;
    f.DisconnectHost = ZRMDisconnectHost;
    f.DisconnectPc = ZRMDisconnectPc;
    f.DisconnectBrowser = ZRMDisconnectBrowser;
    f.DisconnectAll = ZRMDisconnectAll;
    f.RunTransfer = ZRMRunTransfer;
    f.RunTransferAsync = ZRMRunTransferAsync;
    f.StartHost = ZRMStartHost;
    f.StartHostAsync = ZRMStartHostAsync;
    f.Transfer = ZRMTransfer;
    f.TransferAsync = ZRMTransferAsync;
    f.StartBrowser = ZRMStartBrowser;
    f.StartBrowserAsync = ZRMStartBrowserAsync;
    f.Browse = ZRMBrowse;
    f.BrowseAsync = ZRMBrowseAsync;
    f.BrowseToWindow = ZRMBrowseToWindow;
    f.BrowseToWindowAsync = ZRMBrowseToWindowAsync;
    f.Release = ZRMRelease;
}
