#include "AutomationServer.h"

#include "OwnedHandles.h"
#include "TempProgramFolder.h"

#include <windows.h>

#include <fstream>

namespace
{
bool CallServer(const char* entry)
{
    const std::string path = TempProgramFolder::BuildProgramFolder() + "\\XlServer.dll";
    OwnedModule server(LoadLibraryA(path.c_str()));
    if (!server)
        return false;
    typedef HRESULT(__stdcall * Entry)();
    auto call = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(server.Get(), entry)));
    return call && SUCCEEDED(call());
}
}

bool RegisterAutomationServer()
{
    return CallServer("DllRegisterServer");
}

bool UnregisterAutomationServer()
{
    return CallServer("DllUnregisterServer");
}

WithoutAutomationServer::WithoutAutomationServer()
{
    UnregisterAutomationServer();
}

WithoutAutomationServer::~WithoutAutomationServer()
{
    RegisterAutomationServer();
}

AutomationTrace::AutomationTrace()
{
    char folder[MAX_PATH] = {};
    char file[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "xlt", 0, file);
    m_path = file;
    Clear();
    SetEnvironmentVariableA("ZRT_XLSERVER_TRACE", m_path.c_str());
}

AutomationTrace::~AutomationTrace()
{
    SetEnvironmentVariableA("ZRT_XLSERVER_TRACE", nullptr);
    DeleteFileA(m_path.c_str());
}

std::vector<std::string> AutomationTrace::Lines() const
{
    std::vector<std::string> lines;
    std::ifstream in(m_path);
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> AutomationTrace::Calls() const
{
    // "invoke Range.Item 170 get (1, 1) -> 00000000"
    std::vector<std::string> calls;
    for (const std::string& line : Lines())
    {
        if (line.rfind("invoke ", 0) != 0)
            continue;
        const size_t id = line.find(' ', 7) + 1;
        const size_t kind = line.find(' ', id) + 1;
        calls.push_back(line.substr(id, line.find(' ', kind) - id));
    }
    return calls;
}

void AutomationTrace::Clear() const
{
    std::ofstream(m_path, std::ios::trunc);
}
