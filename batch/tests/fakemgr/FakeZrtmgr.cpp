// A stand-in for Zrtmgr.dll in Zrtbatch's tests. It plays one transfer per manager object by posting the
// notifications a real transfer posts, as the script file "FakeZrtmgr.ini" beside it says, and writes every call
// it receives to "FakeZrtmgr.log" beside it.
//
// The script section is the file name of the profile's PC file (parameter 200), else [default]. Keys:
//   Result=1            lParam of the final notification 12
//   Records=25          final record count; counts are posted at every multiple of 10 below it (none for 0)
//   Errors=0            error records reported when the manager is made ("R0001", "R0002"...)
//   ErrorLength=0       one more error record of that many characters ("E" repeated, ending in "#")
//   HoldUntilStop=0     after step 8, wait until the cancel event is set, then end with 12, 0
//   StopBeforeOpen=0    wait for the cancel event before step 8 is posted, then end with 12, 0
//   AfterStopMs=0       pause after the cancel event was seen (after step 8 with StopBeforeOpen)
//   PostFails=0         the request cannot be posted: entry 25 or 29 reports an error and returns FALSE
//   FactoryFails=0      ZRTCreateObject fails
//   Fail=3,30           these entries (of 0, 2, 3, 6, 19, 22, 26, 30) report an error and return FALSE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "OwnedHandles.h"
#include "ZRManagerTable.h"
#include "ZRProfileParams.h"

namespace
{
HMODULE g_module = nullptr;
const ProfileCallbacks* g_profile = nullptr;
const ErrorSinkFunctions* g_sink = nullptr;
const EnvironmentCallbacks* g_environment = nullptr;
ZRMFunctions g_table = {};
UINT g_message = 0;
std::string g_section;
OwnedThread g_worker;
OwnedEvent g_cancel;

std::string Beside(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

void Log(const std::string& line)
{
    FILE* file = fopen(Beside("FakeZrtmgr.log").c_str(), "ab");
    if (file)
    {
        fprintf(file, "%s\n", line.c_str());
        fclose(file);
    }
}

int Setting(const char* key, int fallback)
{
    std::string script = Beside("FakeZrtmgr.ini");
    int value = GetPrivateProfileIntA("default", key, fallback, script.c_str());
    return GetPrivateProfileIntA(g_section.c_str(), key, value, script.c_str());
}

void Notify(WPARAM code, LPARAM value)
{
    if (g_environment->hwndNotify && IsWindow(g_environment->hwndNotify))
    {
        PostMessageA(g_environment->hwndNotify, g_message, code, value);
    }
}

void ReportScriptedErrors()
{
    int errors = Setting("Errors", 0);
    for (int i = 1; i <= errors; ++i)
    {
        char text[16];
        snprintf(text, sizeof(text), "R%04d", i);
        g_sink->ReportText(text);
    }
    int length = Setting("ErrorLength", 0);
    if (length > 0)
    {
        g_sink->ReportText((std::string(static_cast<size_t>(length) - 1, 'E') + "#").c_str());
    }
}

void AwaitStop()
{
    WaitForSingleObject(g_cancel.Get(), 60000);
    Sleep(static_cast<DWORD>(Setting("AfterStopMs", 0)));
}

DWORD WINAPI RunTransfer(LPVOID)
{
    bool stopBeforeOpen = Setting("StopBeforeOpen", 0) != 0;
    if (stopBeforeOpen)
    {
        WaitForSingleObject(g_cancel.Get(), 60000);
        Notify(ZRM_NOTIFY_STEP, ZRM_STEP_OPEN_TRANSFER);
        Sleep(static_cast<DWORD>(Setting("AfterStopMs", 0)));
    }
    else
    {
        Notify(ZRM_NOTIFY_STEP, ZRM_STEP_OPEN_TRANSFER);
    }
    if (stopBeforeOpen || Setting("HoldUntilStop", 0))
    {
        if (!stopBeforeOpen)
        {
            AwaitStop();
        }
        Notify(ZRM_NOTIFY_STEP, ZRM_STEP_TRANSFER_DATA);
        Notify(ZRM_NOTIFY_STEP, ZRM_STEP_CLOSE_TRANSFER);
        Notify(ZRM_NOTIFY_REQUEST_DONE, 0);
        return 0;
    }
    int records = Setting("Records", 25);
    for (int count = 10; count < records; count += 10)
    {
        Notify(ZRM_NOTIFY_RECORD_COUNT, count);
    }
    Notify(ZRM_NOTIFY_STEP, ZRM_STEP_TRANSFER_DATA);
    if (records > 0)
    {
        Notify(ZRM_NOTIFY_RECORD_COUNT, records);
    }
    Notify(ZRM_NOTIFY_STEP, ZRM_STEP_CLOSE_TRANSFER);
    Notify(ZRM_NOTIFY_REQUEST_DONE, Setting("Result", 1));
    return 0;
}

BOOL ZRTAPI Called(int entry)
{
    Log("entry " + std::to_string(entry));
    std::string script = Beside("FakeZrtmgr.ini");
    char failing[64] = "";
    GetPrivateProfileStringA("default", "Fail", "", failing, sizeof(failing), script.c_str());
    GetPrivateProfileStringA(g_section.c_str(), "Fail", std::string(failing).c_str(), failing, sizeof(failing),
                             script.c_str());
    std::string list = "," + std::string(failing) + ",";
    if (list.find("," + std::to_string(entry) + ",") != std::string::npos)
    {
        g_sink->ReportText(("Fake entry " + std::to_string(entry) + " failed.").c_str());
        return FALSE;
    }
    return TRUE;
}

BOOL StartTransfer(int entry, HANDLE cancelEvent)
{
    Log("entry " + std::to_string(entry));
    if (Setting("PostFails", 0))
    {
        g_sink->ReportText(
            "Error ZRM004: The Data Transfer Manager failed to send message because of a Windows problem.");
        return FALSE;
    }
    g_cancel = DuplicateOwnHandle(cancelEvent);
    g_worker.Reset(CreateThread(nullptr, 0, RunTransfer, nullptr, 0, nullptr));
    return g_worker.IsValid();
}

BOOL ZRTAPI RunTransferAsync(HANDLE cancelEvent)
{
    return StartTransfer(25, cancelEvent);
}

BOOL ZRTAPI TransferAsync(HANDLE cancelEvent)
{
    return StartTransfer(29, cancelEvent);
}

BOOL ZRTAPI Release()
{
    Log("entry 36");
    if (g_worker)
    {
        WaitForSingleObject(g_worker.Get(), INFINITE);
        g_worker.Reset();
    }
    g_cancel.Reset();
    return TRUE;
}

BOOL ZRTAPI DisconnectHost()
{
    return Called(20);
}

BOOL ZRTAPI UnloadHost()
{
    return Called(18);
}

// Sessions A (free) and B (busy), as three-byte records.
BOOL ZRTAPI QueryHostInfo(char* text, int* count, int*)
{
    Log("entry 4");
    const char records[] = {1, 'A', 0, 0, 'B', 0};
    std::memcpy(text, records, sizeof(records));
    *count = 2;
    return TRUE;
}

template <int entry>
BOOL ZRTAPI Entry()
{
    return Called(entry);
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks*, const EnvironmentCallbacks* environment,
                                       ZRMFunctions** functions)
{
    *functions = nullptr;
    g_profile = profile;
    g_sink = errorSink;
    g_environment = environment;
    char pcFile[MAX_PATH] = "";
    g_profile->GetPc(ZRP_PC_FILE_NAME, pcFile);
    std::string name = pcFile;
    g_section = name.substr(name.find_last_of("\\/:") + 1);
    int message = 0;
    g_profile->GetNotify(ZRP_NOTIFY_MESSAGE, &message);
    g_message = static_cast<UINT>(message);
    Log("create " + g_section + " " + std::to_string(message));
    ReportScriptedErrors();
    if (Setting("FactoryFails", 0))
    {
        return FALSE;
    }
    g_table = ZRMFunctions{};
    g_table.LoadHost = Entry<0>;
    g_table.LoadBrowser = Entry<2>;
    g_table.ConnectHost = Entry<3>;
    g_table.QueryHostInfo = QueryHostInfo;
    g_table.ConnectBrowser = Entry<6>;
    g_table.UnloadBrowser = Entry<19>;
    g_table.DisconnectBrowser = Entry<22>;
    g_table.StartHost = Entry<26>;
    g_table.TransferAsync = TransferAsync;
    g_table.StartBrowser = Entry<30>;
    g_table.RunTransferAsync = RunTransferAsync;
    g_table.DisconnectHost = DisconnectHost;
    g_table.UnloadHost = UnloadHost;
    g_table.Release = Release;
    *functions = &g_table;
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        g_module = module;
    }
    return TRUE;
}
