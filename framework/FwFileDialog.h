// The common Open and Save dialogs with a filter written as "text|pattern|text|pattern|".
#pragma once

#include <windows.h>
#include <string>

// The dialog's filter from a text with "|" between its parts: every "|" becomes a zero, and the whole ends with
// two zeros.
std::string FwMakeDialogFilter(const std::string& filter);

class CFwFileDialog
{
public:
    CFwFileDialog(BOOL open, const std::string& defaultExtension, const std::string& fileName, DWORD flags,
                  const std::string& filter, HWND owner);

    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal();
    const std::string& GetPathName() const { return m_path; }

private:
    bool m_open;
    std::string m_defaultExtension;
    std::string m_path;
    DWORD m_flags;
    std::string m_filter;
    HWND m_owner;
};
