#include "FwDialog.h"

#include "FwModule.h"

#include <algorithm>

namespace
{
// Messages whose result a dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message)
{
    switch (message)
    {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
}

void CFwDataExchange::Text(UINT id, std::string& value) const
{
    HWND control = GetDlgItem(m_dialog, static_cast<int>(id));
    if (!control)
    {
        return;
    }
    if (m_save)
    {
        int length = GetWindowTextLengthA(control);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        int copied = GetWindowTextA(control, text.data(), length + 1);
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        value = text;
    }
    else
    {
        SetWindowTextA(control, value.c_str());
    }
}

CFwDialog::CFwDialog(UINT templateId, HWND parent, HINSTANCE module)
    : m_templateId(templateId), m_parent(parent), m_module(module)
{
}

CFwDialog::~CFwDialog()
{
    if (m_hWnd)
    {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        DetachHandle();
    }
}

INT_PTR CFwDialog::DoModal()
{
    HINSTANCE module = m_module ? m_module : FwFindResourceModule(RT_DIALOG, m_templateId);
    HWND owner = m_parent ? m_parent : FwModalOwner();
    return DialogBoxParamA(module, MAKEINTRESOURCEA(m_templateId), owner, &CFwDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CFwDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CFwDialog::UpdateData(BOOL save)
{
    CFwDataExchange exchange(m_hWnd, save);
    DoDataExchange(exchange);
    return TRUE;
}

void FwCenterWindow(HWND window)
{
    RECT own;
    GetWindowRect(window, &own);
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
    {
        GetWindowRect(owner, &around);
    }
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CFwDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CFwDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CFwDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CFwDialog::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(FwGetHelpContext()));
}

void CFwDialog::DoDataExchange(CFwDataExchange&)
{
}

INT_PTR CALLBACK CFwDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFwDialog* dialog;
    if (message == WM_INITDIALOG)
    {
        dialog = reinterpret_cast<CFwDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->AttachHandle(window);
    }
    else
    {
        dialog = reinterpret_cast<CFwDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog)
    {
        return FALSE;
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->DetachHandle();
        return FALSE;
    }
    // No C++ exception may unwind through the window manager: a handler that runs out of memory leaves the
    // message unhandled.
    try
    {
        return dialog->HandleDialogMessage(message, wParam, lParam);
    }
    catch (...)
    {
        return FALSE;
    }
}

INT_PTR CFwDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        return OnInitDialog();
    }
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result) || DispatchMessageMap(message, wParam, lParam, &result))
    {
        if (ReturnsDirectly(message))
        {
            return static_cast<INT_PTR>(result);
        }
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message == WM_COMMAND && (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1))
    {
        if (LOWORD(wParam) == IDOK)
        {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL)
        {
            OnCancel();
            return TRUE;
        }
    }
    if (message == WM_HELP)
    {
        OnHelp();
        return TRUE;
    }
    return FALSE;
}
