// The error-list dialog: every collected record, one line each, shown modally over the main window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ErrorListDialog.h"
#include "OwnedHandles.h"
#include "VersionLibrary.h"
#include "WindowText.h"
#include "ZRErrorHandling.h"
#include "FwDialog.h"
#include "FwModule.h"
#include "ZRResourceIds.h"

namespace
{

std::string FormatLine(const ErrorRecord& record, BOOL showTimes)
{
    char line[64 + 1040];
    if (showTimes)
        std::snprintf(line, sizeof line, "%02d/%02d/%02d %02d:%02d:%02d %s ", record.time.wDay, record.time.wMonth,
                      record.time.wYear, record.time.wHour, record.time.wMinute, record.time.wSecond, record.text);
    else
        std::snprintf(line, sizeof line, "%s ", record.text);
    return line;
}

void SetCaption(HWND dialog)
{
    const CVersionLibrary* library = GetVersionLibrary();
    if (library != nullptr)
    {
        SetWindowTextA(dialog, library->GetShortProductName().c_str());
        return;
    }
    char name[MAX_PATH];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_ZR_PRODUCT_SHORT_NAME, name, sizeof name) > 0)
        SetWindowTextA(dialog, name);
}

// Moves every record into the list box and sizes its horizontal extent to the widest line.
void FillList(HWND dialog)
{
    HWND listBox = GetDlgItem(dialog, IDC_ZR_ERROR_LIST_BOX);
    WindowDC dc(listBox);
    SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(listBox, WM_GETFONT, 0, 0)));
    ErrorList& list = GetErrorList();
    const bool showTimes = list.GetShowTimes();
    int widest = 0;
    list.Drain([&](const ErrorRecord& record) {
        const std::string line = FormatLine(record, showTimes);
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        widest = std::max(widest, TextWidth(dc.Get(), line));
    });
    SendMessageA(listBox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

INT_PTR CALLBACK ErrorListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG:
        FwCenterWindow(dialog);
        SetForegroundWindow(dialog);
        SetCaption(dialog);
        FillList(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
        {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}

void ShowErrorList(BOOL showTimes)
{
    ErrorList& list = GetErrorList();
    if (!list.HasRecords())
        return;
    HWND mainWindow = FwGetMainWindow();
    HWND owner = mainWindow != nullptr && IsWindow(mainWindow) ? FwModalOwner() : nullptr;
    list.SetShowTimes(showTimes);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ZR_ERROR_LIST), owner, ErrorListDialogProc, 0);
}

void ForwardErrorsToWindow()
{
    HWND mainWindow = FwGetMainWindow();
    if (mainWindow == nullptr || !IsWindow(mainWindow))
        return;
    GetErrorList().Drain([mainWindow](const ErrorRecord& record) {
        SendMessageA(mainWindow, WM_ZR_ERROR_RECORD, 0, reinterpret_cast<LPARAM>(&record));
    });
}
