// Zrtbatch's main dialog, driven from another process as its user would drive it: show the log, save it through
// "Save to File...", press Close.
#pragma once

#include <windows.h>

#include <string>

class CZrtbatchWindow
{
public:
    explicit CZrtbatchWindow(DWORD processId) : m_processId(processId) {}

    // Looks for the main dialog: the window of the process that holds the log list.
    BOOL Find();
    // Shows the log area when it is hidden.
    BOOL ShowLog();
    // Saves the log under `path` through the Save dialog; an old file of that name is deleted first, so that no
    // question about replacing it comes up. TRUE once Zrtbatch has written the file.
    BOOL SaveLog(const std::string& path);
    // Presses Close (the Stop button once the run has ended).
    void Close();

private:
    HWND FindSaveDialog() const;
    void Click(int id) const;

    DWORD m_processId;
    HWND m_dialog = nullptr;
};

// Polls `done` every 50 ms; FALSE when it did not hold within `timeoutMs`.
template <typename Condition>
BOOL WaitUntil(Condition done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > timeoutMs)
            return FALSE;
        Sleep(50);
    }
    return TRUE;
}
