#include "ProgmanIcon.h"

#include "FwControls.h"

#include <ddeml.h>

namespace
{
const DWORD kExecuteTimeoutMs = 10000;

std::string& ServiceName()
{
    static std::string name = "PROGMAN";
    return name;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

HDDEDATA CALLBACK IgnoreDdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// Sends `command` over an open conversation.
bool Execute(DWORD instance, HCONV conversation, const std::string& command)
{
    HDDEDATA data = DdeCreateDataHandle(instance, reinterpret_cast<LPBYTE>(const_cast<char*>(command.c_str())),
                                        static_cast<DWORD>(command.size() + 1), 0, nullptr, CF_TEXT, HDATA_APPOWNED);
    if (!data)
    {
        return false;
    }
    HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(data), static_cast<DWORD>(-1), conversation,
                                           nullptr, 0, XTYP_EXECUTE, kExecuteTimeoutMs, nullptr);
    DdeFreeDataHandle(data);
    return result != nullptr;
}

bool ConnectAndExecute(DWORD instance, const std::string& command)
{
    HSZ service = DdeCreateStringHandleA(instance, ServiceName().c_str(), CP_WINANSI);
    if (!service)
    {
        return false;
    }
    bool executed = false;
    if (HCONV conversation = DdeConnect(instance, service, service, nullptr))
    {
        executed = Execute(instance, conversation, command);
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, service);
    return executed;
}
}

std::string FormatCreateGroupCommand(const std::string& group)
{
    return "[CreateGroup(" + Quoted(group) + ")]";
}

std::string FormatAddItemCommand(const std::string& programFolder, const std::string& documentPath,
                                 const std::string& title, const std::string& iconFile, int iconIndex)
{
    std::string commandLine = Quoted(programFolder + "\\Zrtbatch.exe") + " " + Quoted(documentPath);
    return "[AddItem(" + commandLine + ", " + Quoted(title) + ", " + Quoted(iconFile) + ", " +
           std::to_string(iconIndex) + ")]";
}

std::string FormatReloadCommand(const std::string& group)
{
    return "[Reload(" + Quoted(group) + ")]";
}

void SetProgmanService(const std::string& service)
{
    ServiceName() = service;
}

BOOL ExecuteProgmanDde(const std::string& command)
{
    CFwWaitCursor wait;
    DWORD instance = 0;
    if (DdeInitializeA(&instance, &IgnoreDdeCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
    {
        return FALSE;
    }
    bool executed = ConnectAndExecute(instance, command);
    DdeUninitialize(instance);
    return executed;
}
