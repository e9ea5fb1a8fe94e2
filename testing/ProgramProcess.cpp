#include "ProgramProcess.h"

#include <stdexcept>

ProgramProcess::ProgramProcess(const std::string& program, const std::string& arguments,
                               const std::string& workingFolder)
{
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    const std::string folder = workingFolder.empty() ? program.substr(0, program.find_last_of("\\/")) : workingFolder;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        throw std::runtime_error("cannot start " + program);
    OwnedThread mainThread(process.hThread);
    m_process.Reset(process.hProcess);
    m_id = process.dwProcessId;
}

ProgramProcess::~ProgramProcess()
{
    if (IsRunning())
    {
        TerminateProcess(m_process.Get(), 99);
        WaitExit(5000);
    }
}

bool ProgramProcess::WaitExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

bool ProgramProcess::WaitForIdle(DWORD timeoutMs) const
{
    return WaitForInputIdle(m_process.Get(), timeoutMs) == 0;
}
