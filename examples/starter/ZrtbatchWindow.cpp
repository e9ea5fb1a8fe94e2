#include "ZrtbatchWindow.h"

namespace
{
// Controls of Zrtbatch's main dialog and of the Save dialog.
constexpr int kStop = 1008;
constexpr int kShowLog = 1004;
constexpr int kSaveLog = 1006;
constexpr int kLogList = 1118;
constexpr int kFileName = 1148;

constexpr DWORD kDialogTimeoutMs = 15000;

// The first visible dialog of the process, other than `except`, that has the control `id`.
struct DialogSearch
{
    DWORD processId;
    HWND except;
    int id;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || window == search->except || !IsWindowVisible(window) ||
        lstrcmpA(className, "#32770") != 0 || GetDlgItem(window, search->id) == nullptr)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindDialog(DWORD processId, HWND except, int id)
{
    DialogSearch search{processId, except, id, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
}

BOOL CZrtbatchWindow::Find()
{
    m_dialog = FindDialog(m_processId, nullptr, kLogList);
    return m_dialog != nullptr;
}

BOOL CZrtbatchWindow::ShowLog()
{
    HWND list = GetDlgItem(m_dialog, kLogList);
    if (IsWindowVisible(list))
        return TRUE;
    Click(kShowLog);
    return WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, kDialogTimeoutMs);
}

BOOL CZrtbatchWindow::SaveLog(const std::string& path)
{
    DeleteFileA(path.c_str());
    Click(kSaveLog);
    HWND save = nullptr;
    if (!WaitUntil([&] { return (save = FindSaveDialog()) != nullptr; }, kDialogTimeoutMs))
        return FALSE;
    SendMessageA(GetDlgItem(save, kFileName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(save, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    if (!WaitUntil([&] { return !IsWindow(save); }, kDialogTimeoutMs))
        return FALSE;
    // Zrtbatch writes the file once the Save dialog has ended, in the same command: when this message comes back
    // the command has finished.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(m_dialog, WM_NULL, 0, 0, SMTO_NORMAL, kDialogTimeoutMs, &result);
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CZrtbatchWindow::Close()
{
    Click(kStop);
}

HWND CZrtbatchWindow::FindSaveDialog() const
{
    return FindDialog(m_processId, m_dialog, kFileName);
}

void CZrtbatchWindow::Click(int id) const
{
    PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(m_dialog, id)));
}
