#include "FolderDialog.h"

#include <commdlg.h>
#include <dlgs.h>

namespace
{
// Space left between OK and Cancel, in dialog units.
const int kButtonGapUnits = 10;

RECT ClientRectOf(HWND dialog, int id)
{
    RECT rect{};
    HWND control = GetDlgItem(dialog, id);
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
}

CFolderDialog::CFolderDialog(const std::string& initialFolder, const std::string& caption, HWND owner)
    : CFwOldFileDialog("*..*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, initialFolder, caption, owner)
{
}

void CFolderDialog::OnInitDone(HWND dialog)
{
    for (int id : {edt1, stc3, cmb1, stc2})
    {
        ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    }
    RECT gap{0, 0, kButtonGapUnits, 0};
    MapDialogRect(dialog, &gap);
    RECT cancel = ClientRectOf(dialog, IDCANCEL);
    RECT ok = ClientRectOf(dialog, IDOK);
    int okWidth = ok.right - ok.left;
    SetWindowPos(GetDlgItem(dialog, IDOK), nullptr, cancel.left - gap.right - okWidth, cancel.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The folder list grows down into the place of the file-type list.
    RECT folders = ClientRectOf(dialog, lst2);
    RECT types = ClientRectOf(dialog, cmb1);
    SetWindowPos(GetDlgItem(dialog, lst2), nullptr, 0, 0, folders.right - folders.left, types.bottom - folders.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetDlgItemTextA(dialog, IDOK, "OK");
}

BOOL CFolderDialog::OnCommand(HWND dialog, WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != IDOK)
    {
        return FALSE;
    }
    char folder[MAX_PATH] = "";
    DWORD length = GetCurrentDirectoryA(sizeof(folder), folder);
    m_path = length > 0 && length < sizeof(folder) ? std::string(folder, length) : std::string();
    EndWith(dialog, 1);
    return TRUE;
}
