#include "FwOldFileDialog.h"

#include <commdlg.h>

#include <vector>

namespace
{
const char kDialogProperty[] = "FwOldFileDialog";
}

CFwOldFileDialog::CFwOldFileDialog(const std::string& fileName, DWORD flags, const std::string& initialFolder,
                                   const std::string& caption, HWND owner)
    : m_path(fileName), m_flags(flags), m_initialFolder(initialFolder), m_caption(caption), m_owner(owner)
{
}

BOOL CFwOldFileDialog::OnCommand(HWND, WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CFwOldFileDialog::DoModal()
{
    DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> current(length + 1, '\0');
    GetCurrentDirectoryA(static_cast<DWORD>(current.size()), current.data());

    std::vector<char> path(MAX_PATH, '\0');
    m_path.copy(path.data(), path.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_owner;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = m_initialFolder.empty() ? nullptr : m_initialFolder.c_str();
    dialog.lpstrTitle = m_caption.empty() ? nullptr : m_caption.c_str();
    dialog.Flags = (m_flags | OFN_ENABLEHOOK) & ~OFN_EXPLORER;
    dialog.lpfnHook = &CFwOldFileDialog::HookProc;
    dialog.lCustData = reinterpret_cast<LPARAM>(this);
    m_ended = false;
    BOOL chosen = GetOpenFileNameA(&dialog);
    SetCurrentDirectoryA(current.data());
    if (m_ended)
    {
        return m_result;
    }
    if (chosen)
    {
        m_path = path.data();
        return IDOK;
    }
    return IDCANCEL;
}

void CFwOldFileDialog::EndWith(HWND dialog, INT_PTR result)
{
    m_ended = true;
    m_result = result;
    EndDialog(dialog, result);
}

UINT_PTR CALLBACK CFwOldFileDialog::HookProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
    {
        return FALSE;
    }
    auto* self = reinterpret_cast<CFwOldFileDialog*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
    SetPropA(dialog, kDialogProperty, self);
    self->m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CFwOldFileDialog::SubclassProc)));
    self->OnInitDone(dialog);
    return TRUE;
}

LRESULT CALLBACK CFwOldFileDialog::SubclassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CFwOldFileDialog*>(GetPropA(dialog, kDialogProperty));
    if (!self)
    {
        return DefDlgProcA(dialog, message, wParam, lParam);
    }
    WNDPROC previous = self->m_previousProc;
    if (message == WM_COMMAND)
    {
        // No C++ exception may unwind through the window manager.
        try
        {
            if (self->OnCommand(dialog, wParam, lParam))
            {
                return 0;
            }
        }
        catch (...)
        {
            return 0;
        }
    }
    else if (message == WM_NCDESTROY)
    {
        RemovePropA(dialog, kDialogProperty);
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    return CallWindowProcA(previous, dialog, message, wParam, lParam);
}
