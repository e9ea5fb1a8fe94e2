// A program started as a user would start it: its own process, command line and working folder. The process is
// ended when the object goes while it still runs.
#pragma once

#include <OwnedHandles.h>

#include <windows.h>

#include <string>

class ProgramProcess
{
public:
    // Starts `program` (a full path) with exactly `arguments` after its quoted name, in `workingFolder` (empty: the
    // program's folder). Throws std::runtime_error when the process cannot be started.
    ProgramProcess(const std::string& program, const std::string& arguments, const std::string& workingFolder = "");
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD Id() const { return m_id; }
    bool WaitExit(DWORD timeoutMs) const;
    bool IsRunning() const { return !WaitExit(0); }
    // The exit code, or STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Waits until the program waits for input with nothing pending (its windows are up); false after the time-out.
    bool WaitForIdle(DWORD timeoutMs = 15000) const;

private:
    OwnedKernelHandle m_process;
    DWORD m_id = 0;
};
