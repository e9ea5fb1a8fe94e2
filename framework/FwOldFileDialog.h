// The Open dialog in its old style (a file list and a directory list side by side), with a hook that lets a derived
// class rearrange its controls and take over its commands.
#pragma once

#include <windows.h>

#include <string>

class CFwOldFileDialog
{
public:
    // `fileName` is the initial name (a pattern shows only the files that match it), `initialFolder` the folder the
    // dialog starts in (the current one when empty).
    CFwOldFileDialog(const std::string& fileName, DWORD flags, const std::string& initialFolder,
                     const std::string& caption, HWND owner);
    virtual ~CFwOldFileDialog() = default;
    CFwOldFileDialog(const CFwOldFileDialog&) = delete;
    CFwOldFileDialog& operator=(const CFwOldFileDialog&) = delete;

    // The dialog's result: IDOK after a choice, the result a derived class ended it with, or IDCANCEL. The
    // process's current directory, which the dialog changes as the user moves between folders, is given back.
    INT_PTR DoModal();
    const std::string& GetPathName() const { return m_path; }

protected:
    // The dialog's controls exist and it is not yet shown.
    virtual void OnInitDone(HWND dialog) { (void)dialog; }
    // A WM_COMMAND before the dialog handles it; TRUE when handled here.
    virtual BOOL OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam);

    // Ends the dialog with `result`, which DoModal then returns whatever the dialog itself would have reported.
    void EndWith(HWND dialog, INT_PTR result);

    std::string m_path;

private:
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    DWORD m_flags;
    std::string m_initialFolder;
    std::string m_caption;
    HWND m_owner;
    WNDPROC m_previousProc = nullptr;
    bool m_ended = false;
    INT_PTR m_result = IDCANCEL;
};
