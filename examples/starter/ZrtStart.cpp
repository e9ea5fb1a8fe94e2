// ZrtStart: starts Zrtbatch as a scheduler does and tells how the run ended.
//
//   ZrtStart [/SaveLog:<log file>] [/Hold:<file>] <event name> <profile or profile list>
//
// Creates the events <name>Success and <name>Failure, starts Zrtbatch.exe from its own folder with
// "/Event:<name> <path>" and waits until Zrtbatch sets one of them (or ends without doing so). Exit code: 0 for
// Success, 1 for Failure, 2 when Zrtbatch could not be started or ended without setting either event.
// /SaveLog: once an event is set and the window is still open, shows the log, saves it through "Save to File..."
// into the file and closes Zrtbatch. /Hold: before closing, waits until that file exists (the demo script takes
// its picture of the screen meanwhile).
#include "OwnedHandles.h"
#include "StarterText.h"
#include "ZrtbatchWindow.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr size_t kMaxEventName = 19;
constexpr DWORD kFindTimeoutMs = 5000;
constexpr int kHoldSeconds = 60;
constexpr int kCloseSeconds = 15;

enum ExitCode
{
    kSuccess = 0,
    kFailure = 1,
    kNotRun = 2,
};

struct StartRequest
{
    std::string eventName;
    std::string path;
    std::string logFile;
    std::string holdFile;
};

bool IsSet(const OwnedEvent& event)
{
    return WaitForSingleObject(event.Get(), 0) == WAIT_OBJECT_0;
}

// An option with a value: "/SaveLog:<value>"; FALSE for anything else, an empty value included.
bool TakeOption(const char* argument, const char* prefix, std::string& value)
{
    const size_t length = strlen(prefix);
    if (strncmp(argument, prefix, length) != 0 || argument[length] == '\0')
        return false;
    value = argument + length;
    return true;
}

bool ReadArguments(int argc, char** argv, StartRequest& request)
{
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i)
    {
        if (!TakeOption(argv[i], "/SaveLog:", request.logFile) && !TakeOption(argv[i], "/Hold:", request.holdFile))
            names.emplace_back(argv[i]);
    }
    if (names.size() != 2 || (!request.holdFile.empty() && request.logFile.empty()))
    {
        Say(IDS_USAGE);
        return false;
    }
    request.eventName = names[0];
    request.path = names[1];
    if (request.eventName.empty() || request.eventName.size() > kMaxEventName ||
        request.eventName.find(' ') != std::string::npos)
    {
        Say(IDS_BAD_EVENT_NAME, request.eventName.c_str());
        return false;
    }
    return true;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (char* slash = strrchr(path, '\\'))
        *slash = '\0';
    return path;
}

// After the run: the log saved through Zrtbatch's own Save to File, then Zrtbatch closed as its user closes it.
void SaveLogAndClose(const PROCESS_INFORMATION& process, const StartRequest& request)
{
    CZrtbatchWindow window(process.dwProcessId);
    auto ended = [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; };
    WaitUntil([&] { return ended() || window.Find(); }, kFindTimeoutMs);
    if (ended() || !window.Find())
    {
        Say(IDS_WINDOW_GONE);
        return;
    }
    if (window.ShowLog() && window.SaveLog(request.logFile))
        Say(IDS_LOG_SAVED, request.logFile.c_str());
    else
        Say(IDS_LOG_NOT_SAVED, request.logFile.c_str());
    if (!request.holdFile.empty() &&
        !WaitUntil([&] { return GetFileAttributesA(request.holdFile.c_str()) != INVALID_FILE_ATTRIBUTES; },
                   kHoldSeconds * 1000))
        Say(IDS_HOLD_TIMED_OUT, request.holdFile.c_str(), kHoldSeconds);
    window.Close();
    if (WaitForSingleObject(process.hProcess, kCloseSeconds * 1000) == WAIT_OBJECT_0)
        Say(IDS_CLOSED);
    else
        Say(IDS_STILL_OPEN, kCloseSeconds);
}

int Run(const StartRequest& request)
{
    const char* name = request.eventName.c_str();
    OwnedEvent success(CreateEventA(nullptr, TRUE, FALSE, (request.eventName + "Success").c_str()));
    bool inUse = success && GetLastError() == ERROR_ALREADY_EXISTS;
    OwnedEvent failure(CreateEventA(nullptr, TRUE, FALSE, (request.eventName + "Failure").c_str()));
    inUse = inUse || (failure && GetLastError() == ERROR_ALREADY_EXISTS);
    if (!success || !failure)
    {
        Say(IDS_CANNOT_CREATE_EVENTS, name, name, GetLastError());
        return kNotRun;
    }
    // An event that another program holds may already be set: its answer would not be this run's.
    if (inUse)
    {
        Say(IDS_EVENTS_IN_USE, name, name);
        return kNotRun;
    }

    const std::string program = ProgramFolder() + "\\Zrtbatch.exe";
    std::string commandLine = "\"" + program + "\" /Event:" + request.eventName + " \"" + request.path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    {
        Say(IDS_CANNOT_START, program.c_str(), GetLastError());
        return kNotRun;
    }
    Say(IDS_STARTED, commandLine.c_str());
    OwnedKernelHandle processHandle(process.hProcess);
    OwnedThread threadHandle(process.hThread);

    // The events come first: when Zrtbatch sets one and closes at once, the event is what counts.
    HANDLE waits[] = {success.Get(), failure.Get(), process.hProcess};
    WaitForMultipleObjects(3, waits, FALSE, INFINITE);
    int result = kNotRun;
    if (IsSet(success))
    {
        result = kSuccess;
        Say(IDS_SUCCESS_SET, name);
    }
    else if (IsSet(failure))
    {
        result = kFailure;
        Say(IDS_FAILURE_SET, name);
    }
    else
    {
        Say(IDS_NO_EVENT, name, name);
    }
    if (result != kNotRun && !request.logFile.empty())
        SaveLogAndClose(process, request);
    return result;
}
}

void Say(UINT id, ...)
{
    char format[512];
    if (LoadStringA(GetModuleHandleA(nullptr), id, format, sizeof format) == 0)
        return;
    va_list arguments;
    va_start(arguments, id);
    vprintf(format, arguments);
    va_end(arguments);
    printf("\n");
    fflush(stdout);
}

int main(int argc, char** argv)
{
    StartRequest request;
    if (!ReadArguments(argc, argv, request))
        return kNotRun;
    return Run(request);
}
