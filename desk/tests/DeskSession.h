// Zrtdesk run inside the test process: a program folder and an installation key of the test's own, the program's
// start-up, loop and exit on the test's thread, and a script that drives its windows from another thread, as a
// user would, through messages.
#pragma once

#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// Which Zrtmgr.dll the program folder holds; the real one with the data sources, the bridge and the host browser
// stand-ins beside it.
using DeskManager = ManagerLibrary;

// What a box (message box or error list) said, and the button that answered it.
struct DeskBox
{
    std::string caption;
    std::string text;                // a message box's text
    std::vector<std::string> lines;  // the error list's lines
};

class DeskSession
{
public:
    explicit DeskSession(DeskManager manager = DeskManager::Fake, bool versionLibrary = true);

    TempProgramFolder& Folder() { return m_folder; }
    const TestRegistryKey& Key() const { return m_key; }
    std::string PathOf(const std::string& name) const { return m_folder.PathOf(name.c_str()); }
    // Writes `name` into the program folder and gives its full path.
    std::string WriteFile(const std::string& name, const std::string& content);
    // A host-to-PC AS/400 profile whose PC file is "<folder>\<pcName>" (the fake manager's script section).
    std::string WriteProfile(const std::string& name, const std::string& pcName,
                             const std::string& member = "CUSTOMER");
    // The script of the fake manager.
    void WriteScript(const std::string& script) { WriteFile("FakeZrtmgr.ini", script); }
    std::vector<std::string> ManagerCalls() const;
    // The same without the session lists (entry 4) that the property tree asks for whenever it shows a profile.
    std::vector<std::string> ManagerCallsWithoutSessions() const;
    // Recent files as an earlier run left them.
    void SetRecentFiles(const std::vector<std::string>& paths);

    // Runs Zrtdesk on this thread while `script` drives it from another; whatever the script leaves open is closed
    // afterwards (boxes cancelled, the main window closed, the save question answered No). The result is whether
    // the start-up succeeded (the program ran its loop).
    bool Run(const std::function<void(DeskSession&)>& script);

    // For scripts: windows of this process.
    HWND WaitDialog(const std::string& caption, DWORD timeoutMs = 15000) const;
    HWND WaitMainFrame(DWORD timeoutMs = 15000) const;
    // Waits for a box captioned "ZRT", reads it and answers it with `button`.
    DeskBox AnswerBox(int button = IDCANCEL, DWORD timeoutMs = 15000) const;
    bool HasBox() const;

private:
    void CloseWhatIsLeft(const std::atomic<bool>& finished) const;

    TempProgramFolder m_folder;
    TestRegistryKey m_key;
};

// The tree of the main view and its items.
HWND MainTree(HWND frame);

// Opens `path` from the start-up sheet's Existing page and gives the main frame once it shows.
// With `openBox` the box that the open shows is answered and kept there first.
HWND OpenFromSheet(DeskSession& session, const std::string& path, DeskBox* openBox = nullptr);
// Posts a command to the main frame and waits until the frame has handled what was queued before.
void FrameCommand(HWND frame, int id);
