// The transfer manager's function table, its request and notification codes, and its factory export.
#pragma once

#include "ZRApi.h"
#include "ZRCallerTables.h"

// The 37 entries of Zrtmgr; every entry works on the process's one manager object. Slots 10, 13 and 16 are empty.
// Synchronous entries post step notifications as they finish; *Async entries post a ZRMRequest to the worker thread
// and return the result of posting.
struct ZRMFunctions
{
    BOOL(ZRTAPI* LoadHost)();                                             // step 1
    BOOL(ZRTAPI* LoadPc)();                                               // step 2
    BOOL(ZRTAPI* LoadBrowser)();                                          // step 3
    BOOL(ZRTAPI* ConnectHost)();                                          // step 4
    BOOL(ZRTAPI* QueryHostInfo)(char* text, int* number1, int* number2);  // step 5
    BOOL(ZRTAPI* ConnectPc)();                                            // step 6
    BOOL(ZRTAPI* ConnectBrowser)();                                       // step 7
    BOOL(ZRTAPI* OpenTransfer)(HANDLE cancelEvent);                       // step 8
    BOOL(ZRTAPI* OpenBrowse)();                                           // step 9
    BOOL(ZRTAPI* OpenBrowseAsync)();                                      // request 7
    void* Empty10;
    BOOL(ZRTAPI* TransferData)();  // step 10
    BOOL(ZRTAPI* BrowseData)();    // step 11
    void* Empty13;
    BOOL(ZRTAPI* CloseTransfer)();  // step 12
    BOOL(ZRTAPI* CloseBrowse)();    // step 13
    void* Empty16;
    BOOL(ZRTAPI* UnloadPc)();                       // step 14
    BOOL(ZRTAPI* UnloadHost)();                     // step 15
    BOOL(ZRTAPI* UnloadBrowser)();                  // step 16
    BOOL(ZRTAPI* DisconnectHost)();                 // step 17
    BOOL(ZRTAPI* DisconnectPc)();                   // step 18
    BOOL(ZRTAPI* DisconnectBrowser)();              // step 19
    BOOL(ZRTAPI* DisconnectAll)();                  // step 20
    BOOL(ZRTAPI* RunTransfer)(HANDLE cancelEvent);  // LoadHost, ConnectHost, OpenTransfer, TransferData; CloseTransfer
    BOOL(ZRTAPI* RunTransferAsync)(HANDLE cancelEvent);  // request 1
    BOOL(ZRTAPI* StartHost)();                           // LoadHost, ConnectHost
    BOOL(ZRTAPI* StartHostAsync)();                      // request 2
    BOOL(ZRTAPI* Transfer)(HANDLE cancelEvent);          // OpenTransfer, TransferData; CloseTransfer
    BOOL(ZRTAPI* TransferAsync)(HANDLE cancelEvent);     // request 3
    BOOL(ZRTAPI* StartBrowser)();                        // LoadBrowser, ConnectBrowser
    BOOL(ZRTAPI* StartBrowserAsync)();                   // request 4
    BOOL(ZRTAPI* Browse)();                              // OpenBrowse, BrowseData; CloseBrowse
    BOOL(ZRTAPI* BrowseAsync)();                         // request 5
    BOOL(ZRTAPI* BrowseToWindow)(LPARAM argument);       // browser B; no steps
    BOOL(ZRTAPI* BrowseToWindowAsync)(LPARAM argument);  // request 6
    BOOL(ZRTAPI* Release)();                             // requests 8 and 13, then deletes the manager
};

ZR_ASSERT_SLOT(ZRMFunctions, LoadHost, 0);
ZR_ASSERT_SLOT(ZRMFunctions, LoadPc, 1);
ZR_ASSERT_SLOT(ZRMFunctions, LoadBrowser, 2);
ZR_ASSERT_SLOT(ZRMFunctions, ConnectHost, 3);
ZR_ASSERT_SLOT(ZRMFunctions, QueryHostInfo, 4);
ZR_ASSERT_SLOT(ZRMFunctions, ConnectPc, 5);
ZR_ASSERT_SLOT(ZRMFunctions, ConnectBrowser, 6);
ZR_ASSERT_SLOT(ZRMFunctions, OpenTransfer, 7);
ZR_ASSERT_SLOT(ZRMFunctions, OpenBrowse, 8);
ZR_ASSERT_SLOT(ZRMFunctions, OpenBrowseAsync, 9);
ZR_ASSERT_SLOT(ZRMFunctions, Empty10, 10);
ZR_ASSERT_SLOT(ZRMFunctions, TransferData, 11);
ZR_ASSERT_SLOT(ZRMFunctions, BrowseData, 12);
ZR_ASSERT_SLOT(ZRMFunctions, Empty13, 13);
ZR_ASSERT_SLOT(ZRMFunctions, CloseTransfer, 14);
ZR_ASSERT_SLOT(ZRMFunctions, CloseBrowse, 15);
ZR_ASSERT_SLOT(ZRMFunctions, Empty16, 16);
ZR_ASSERT_SLOT(ZRMFunctions, UnloadPc, 17);
ZR_ASSERT_SLOT(ZRMFunctions, UnloadHost, 18);
ZR_ASSERT_SLOT(ZRMFunctions, UnloadBrowser, 19);
ZR_ASSERT_SLOT(ZRMFunctions, DisconnectHost, 20);
ZR_ASSERT_SLOT(ZRMFunctions, DisconnectPc, 21);
ZR_ASSERT_SLOT(ZRMFunctions, DisconnectBrowser, 22);
ZR_ASSERT_SLOT(ZRMFunctions, DisconnectAll, 23);
ZR_ASSERT_SLOT(ZRMFunctions, RunTransfer, 24);
ZR_ASSERT_SLOT(ZRMFunctions, RunTransferAsync, 25);
ZR_ASSERT_SLOT(ZRMFunctions, StartHost, 26);
ZR_ASSERT_SLOT(ZRMFunctions, StartHostAsync, 27);
ZR_ASSERT_SLOT(ZRMFunctions, Transfer, 28);
ZR_ASSERT_SLOT(ZRMFunctions, TransferAsync, 29);
ZR_ASSERT_SLOT(ZRMFunctions, StartBrowser, 30);
ZR_ASSERT_SLOT(ZRMFunctions, StartBrowserAsync, 31);
ZR_ASSERT_SLOT(ZRMFunctions, Browse, 32);
ZR_ASSERT_SLOT(ZRMFunctions, BrowseAsync, 33);
ZR_ASSERT_SLOT(ZRMFunctions, BrowseToWindow, 34);
ZR_ASSERT_SLOT(ZRMFunctions, BrowseToWindowAsync, 35);
ZR_ASSERT_SLOT(ZRMFunctions, Release, 36);
ZR_ASSERT_SLOT_COUNT(ZRMFunctions, 37);

// wParam of a thread message to the manager's worker; the message number is profile parameter 104.
// No other code is ever posted.
enum ZRMRequest
{
    ZRM_REQ_RUN_TRANSFER = 1,  // lParam: cancel event
    ZRM_REQ_START_HOST = 2,
    ZRM_REQ_TRANSFER = 3,  // lParam: cancel event
    ZRM_REQ_START_BROWSER = 4,
    ZRM_REQ_BROWSE = 5,
    ZRM_REQ_BROWSE_TO_WINDOW = 6,  // lParam: the caller's argument
    ZRM_REQ_OPEN_BROWSE = 7,
    ZRM_REQ_SHUT_DOWN = 8,  // disconnect everything, unload every library
    ZRM_REQ_END_THREAD = 13,
};

// wParam of a window message posted to EnvironmentCallbacks::hwndNotify; the message number is parameter 104.
enum ZRMNotify
{
    ZRM_NOTIFY_STEP = 9,           // lParam: ZRMStep
    ZRM_NOTIFY_RECORD_COUNT = 10,  // lParam: records so far
    ZRM_NOTIFY_REQUEST_DONE = 12,  // lParam: 1 success, 0 failure
};

// Step numbers of ZRM_NOTIFY_STEP, one per synchronous entry.
enum ZRMStep
{
    ZRM_STEP_LOAD_HOST = 1,
    ZRM_STEP_LOAD_PC = 2,
    ZRM_STEP_LOAD_BROWSER = 3,
    ZRM_STEP_CONNECT_HOST = 4,
    ZRM_STEP_QUERY_HOST_INFO = 5,
    ZRM_STEP_CONNECT_PC = 6,
    ZRM_STEP_CONNECT_BROWSER = 7,
    ZRM_STEP_OPEN_TRANSFER = 8,
    ZRM_STEP_OPEN_BROWSE = 9,
    ZRM_STEP_TRANSFER_DATA = 10,
    ZRM_STEP_BROWSE_DATA = 11,
    ZRM_STEP_CLOSE_TRANSFER = 12,
    ZRM_STEP_CLOSE_BROWSE = 13,
    ZRM_STEP_UNLOAD_PC = 14,
    ZRM_STEP_UNLOAD_HOST = 15,
    ZRM_STEP_UNLOAD_BROWSER = 16,
    ZRM_STEP_DISCONNECT_HOST = 17,
    ZRM_STEP_DISCONNECT_PC = 18,
    ZRM_STEP_DISCONNECT_BROWSER = 19,
    ZRM_STEP_DISCONNECT_ALL = 20,
};

// ZRTCreateObject of Zrtmgr. Stores the address of ZRMFunctions in *functions on success.
// Zrtmgr defines it as: extern "C" BOOL ZRTAPI ZRTCreateObject(...), exported by that plain name.
typedef BOOL(ZRTAPI ZRTCreateManagerFn)(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                        const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                        ZRMFunctions** functions);
typedef ZRTCreateManagerFn* ZRTCreateManagerProc;
