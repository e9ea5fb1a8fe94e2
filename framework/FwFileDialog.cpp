#include "FwFileDialog.h"

#include <commdlg.h>
#include <vector>

CFwFileDialog::CFwFileDialog(BOOL open, const std::string& defaultExtension, const std::string& fileName, DWORD flags,
                             const std::string& filter, HWND owner)
    : m_open(open), m_defaultExtension(defaultExtension), m_path(fileName), m_flags(flags), m_filter(filter),
      m_owner(owner)
{
}

std::string FwMakeDialogFilter(const std::string& filter)
{
    std::string result = filter;
    for (char& c : result)
    {
        if (c == '|')
        {
            c = '\0';
        }
    }
    result.append(2, '\0');
    return result;
}

INT_PTR CFwFileDialog::DoModal()
{
    const std::string filter = FwMakeDialogFilter(m_filter);
    std::vector<char> path(MAX_PATH, '\0');
    m_path.copy(path.data(), path.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    dialog.Flags = m_flags | OFN_EXPLORER;
    bool chosen = m_open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen)
    {
        return IDCANCEL;
    }
    m_path = path.data();
    return IDOK;
}
