// CFolderDialog: the Open dialog turned into a folder chooser: only the folder list stays, and OK takes the folder
// the dialog shows.
#pragma once

#include "FwOldFileDialog.h"

class CFolderDialog : public CFwOldFileDialog
{
public:
    CFolderDialog(const std::string& initialFolder, const std::string& caption, HWND owner);

    // After OK: the chosen folder (at most 259 characters).
    const std::string& GetFolder() const { return m_path; }

protected:
    void OnInitDone(HWND dialog) override;
    BOOL OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) override;
};
