#include "HllapiCounter.h"

#include "CallRecording.h"

#include <cstring>
#include <string>

namespace
{
typedef int(WINAPI* HllapiEntry)(int* function, char* data, int* length, int* returnCode);
typedef int(WINAPI* GetStatusEntry)(char session, int* status);

enum
{
    FN_COPY_PS_TO_STRING = 8,
    FN_COPY_STRING_TO_PS = 15,
    RC_SYSTEM_ERROR = 9,
};

HMODULE g_self = nullptr;
// Freed only by HllapiCounterRelease, never when this library is detached: that runs under the loader lock, where
// no library may be freed.
HMODULE g_target = nullptr;
HllapiEntry g_hllapi = nullptr;
GetStatusEntry g_getStatus = nullptr;
HllapiCounts g_counts = {};
bool g_recording = false;
bool g_playingBack = false;

// The simulated host's bridge, loaded on the first call (never from DllMain).
bool LoadTarget()
{
    if (g_target)
        return g_hllapi && g_getStatus;
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(g_self, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    g_target = LoadLibraryA((folder + HLLAPI_COUNTER_TARGET_FILE).c_str());
    if (!g_target)
        return false;
    g_hllapi = reinterpret_cast<HllapiEntry>(reinterpret_cast<void*>(GetProcAddress(g_target, "hllapi")));
    g_getStatus = reinterpret_cast<GetStatusEntry>(reinterpret_cast<void*>(GetProcAddress(g_target, "KVRGetStatus")));
    return g_hllapi && g_getStatus;
}

CallRecording& Recording()
{
    static CallRecording recording;
    return recording;
}

long long Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int AskHost(int* function, char* data, int* length, int* returnCode)
{
    return g_hllapi(function, data, length, returnCode);
}

// One call, answered by the simulated host or from the recording, and counted.
int Dispatch(int* function, char* data, int* length, int* returnCode)
{
    const int number = function ? *function : 0;
    // Functions 8 and 15 find their position in the return-code word.
    const bool area = (number == FN_COPY_PS_TO_STRING || number == FN_COPY_STRING_TO_PS) && returnCode &&
                      *returnCode == HLLAPI_COUNTER_AREA_POSITION;
    const long long start = Now();
    int result;
    if (g_playingBack)
        result = Recording().Answer(function, data, length, returnCode);
    else if (g_recording && function)
        result = Recording().RecordCall(AskHost, function, data, length, returnCode);
    else
        result = AskHost(function, data, length, returnCode);
    g_counts.answerTicks += Now() - start;

    ++g_counts.all.calls[number > 0 && number < HLLAPI_COUNTER_FUNCTIONS ? number : 0];
    ++g_counts.all.total;
    if (area)
    {
        if (++g_counts.areaCopies == 2)
            g_counts.atSecondArea = g_counts.all;
        g_counts.atLastArea = g_counts.all;
    }
    return result;
}
}

extern "C" int WINAPI hllapi(int* function, char* data, int* length, int* returnCode)
{
    if (!g_playingBack && !LoadTarget())
    {
        if (returnCode)
            *returnCode = RC_SYSTEM_ERROR;
        return RC_SYSTEM_ERROR;
    }
    return Dispatch(function, data, length, returnCode);
}

extern "C" int WINAPI KVRGetStatus(char session, int* status)
{
    if (!LoadTarget())
        return 1;
    return g_getStatus(session, status);
}

extern "C" void WINAPI HllapiCounterRead(HllapiCounts* counts)
{
    if (!counts)
        return;
    *counts = g_counts;
    counts->unexpected = Recording().Unexpected();
    counts->unanswered = g_playingBack ? Recording().Unanswered() : 0;
}

extern "C" void WINAPI HllapiCounterReset()
{
    std::memset(&g_counts, 0, sizeof g_counts);
}

extern "C" void WINAPI HllapiCounterRecord(BOOL on)
{
    if (on)
        Recording().Clear();
    g_recording = on != FALSE;
}

extern "C" void WINAPI HllapiCounterPlayback(BOOL on)
{
    Recording().Rewind();
    g_playingBack = on != FALSE;
}

extern "C" long long WINAPI HllapiCounterReplay()
{
    g_recording = false;
    if (!g_playingBack && !LoadTarget())
        return -1;
    return Recording().Replay(Dispatch);
}

extern "C" void WINAPI HllapiCounterRelease()
{
    if (g_target)
        FreeLibrary(g_target);
    g_target = nullptr;
    g_hllapi = nullptr;
    g_getStatus = nullptr;
    Recording().Clear();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        g_self = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
