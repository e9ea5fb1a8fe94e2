// Runs Zrtbatch.exe from a program folder of a test's own and reads and drives its windows from outside, as a
// user or a scheduler would.
#pragma once

#include "OwnedHandles.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Which Zrtmgr.dll the program folder holds; the real one with the data-source libraries beside it.
using ManagerFile = ManagerLibrary;

class BatchFolder
{
public:
    explicit BatchFolder(ManagerFile manager = ManagerFile::Fake, bool versionLibrary = true);

    const std::string& Path() const { return m_folder.Path(); }
    std::string PathOf(const std::string& name) const { return m_folder.PathOf(name.c_str()); }
    void WriteFile(const std::string& name, const std::string& content) { m_folder.WriteFile(name.c_str(), content); }
    // A file of the build's program folder (a path relative to it), under `name`.
    void CopyFromBuild(const std::string& relativePath, const std::string& name)
    {
        m_folder.CopyFromBuild(relativePath.c_str(), name.c_str());
    }

    // A host-to-PC HLLAPI profile whose PC file name is `key` (the fake manager's script section).
    std::string WriteProfile(const std::string& name, const std::string& key, bool autoClose,
                             const std::string& connection = "HLLAPI");
    // The script of the fake manager.
    void WriteScript(const std::string& script) { WriteFile("FakeZrtmgr.ini", script); }
    // The calls the fake manager received, one per line.
    std::vector<std::string> ManagerCalls() const;

private:
    TempProgramFolder m_folder;
};

// The starter's two events, created before the program starts.
class StarterEvents
{
public:
    explicit StarterEvents(const std::string& name);
    bool Success() const { return WaitForSingleObject(m_success.Get(), 0) == WAIT_OBJECT_0; }
    bool Failure() const { return WaitForSingleObject(m_failure.Get(), 0) == WAIT_OBJECT_0; }
    // Waits for either event; true when one was set in time.
    bool WaitEither(DWORD timeoutMs) const;

private:
    OwnedEvent m_success;
    OwnedEvent m_failure;
};

class BatchProcess : public ProgramProcess
{
public:
    // Starts "<folder>\Zrtbatch.exe" with exactly `tail` after the program name, in `workingFolder`.
    BatchProcess(const std::string& folder, const std::string& tail, const std::string& workingFolder = "");

    // The first visible dialog of the process whose caption satisfies `caption` (empty: any), or null.
    HWND FindDialog(const std::function<bool(const std::string&)>& caption) const;
    HWND WaitDialog(const std::function<bool(const std::string&)>& caption, DWORD timeoutMs = 15000) const;
    // The main dialog, titled "<file> - ZRT (Zerathon)".
    HWND WaitMainDialog(DWORD timeoutMs = 15000) const;
    // A message box or the error list: a dialog captioned "ZRT".
    HWND WaitBox(DWORD timeoutMs = 15000) const;
};

// A message as the log list shows it: whole up to 260 characters, else its first 240 and "... (Click Details)".
std::string ShownInLog(const std::string& message);
