#include "LockedFile.h"

#include <atomic>
#include <cstdio>

namespace
{
std::atomic<int> g_count{0};

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}
}

LockedFile::LockedFile(const std::string& path)
{
    char names[2][64];
    const int id = ++g_count;
    std::snprintf(names[0], sizeof names[0], "zrt-holder-ready-%lu-%d", GetCurrentProcessId(), id);
    std::snprintf(names[1], sizeof names[1], "zrt-holder-release-%lu-%d", GetCurrentProcessId(), id);
    m_ready.Reset(CreateEventA(nullptr, TRUE, FALSE, names[0]));
    m_release.Reset(CreateEventA(nullptr, TRUE, FALSE, names[1]));
    std::string command = "\"";
    command.append(ProgramFolder()).append("\\zrt_file_holder.exe\" \"").append(path).append("\" ");
    command.append(names[0]).append(" ").append(names[1]);
    // A file that the test itself has only just closed may still be busy for a moment on a loaded machine: a
    // holder that could not open it is started again.
    for (int attempt = 0; attempt < 10 && !m_held; ++attempt)
    {
        if (m_process)
        {
            m_process.Reset();
            m_thread.Reset();
            Sleep(200);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = command;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return;
        m_process.Reset(started.hProcess);
        m_thread.Reset(started.hThread);
        HANDLE waits[2] = {m_ready.Get(), m_process.Get()};
        m_held = WaitForMultipleObjects(2, waits, FALSE, 120000) == WAIT_OBJECT_0;
    }
}

LockedFile::~LockedFile()
{
    SetEvent(m_release.Get());
    if (m_process)
        WaitForSingleObject(m_process.Get(), 30000);
}
