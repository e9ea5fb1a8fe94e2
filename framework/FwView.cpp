#include "FwView.h"

#include "FwDocument.h"
#include "FwFrameWnd.h"
#include "FwModule.h"

BOOL CFwView::OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui)
{
    return CFwWnd::OnCmdMsg(id, code, ui) || (m_document && m_document->OnCmdMsg(id, code, ui));
}

CFwFormView::~CFwFormView()
{
    if (m_hWnd)
    {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        DetachHandle();
    }
}

BOOL CFwFormView::Create(CFwFrameWnd* frame)
{
    m_frame = frame;
    HINSTANCE module = FwFindResourceModule(RT_DIALOG, m_templateId);
    HWND window = CreateDialogParamA(module, MAKEINTRESOURCEA(m_templateId), frame->GetSafeHwnd(),
                                     &CFwFormView::FormProc, reinterpret_cast<LPARAM>(this));
    if (!window)
    {
        return FALSE;
    }
    RECT form;
    GetWindowRect(window, &form);
    m_formSize = SIZE{form.right - form.left, form.bottom - form.top};
    return TRUE;
}

void CFwFormView::ResizeParentToFit() const
{
    if (m_frame)
    {
        m_frame->ResizeClientFor(m_formSize);
    }
}

BOOL CFwFormView::PreTranslateMessage(MSG* message)
{
    if (!m_hWnd || (message->hwnd != m_hWnd && !IsChild(m_hWnd, message->hwnd)))
    {
        return FALSE;
    }
    if (message->message == WM_KEYDOWN && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE))
    {
        return FALSE;
    }
    return IsDialogMessageA(m_hWnd, message);
}

INT_PTR CALLBACK CFwFormView::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFwFormView* view;
    if (message == WM_INITDIALOG)
    {
        view = reinterpret_cast<CFwFormView*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        view->AttachHandle(window);
    }
    else
    {
        view = reinterpret_cast<CFwFormView*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!view)
    {
        return FALSE;
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        view->DetachHandle();
        delete view;
        return FALSE;
    }
    try
    {
        return view->HandleFormMessage(message, wParam, lParam);
    }
    catch (...)
    {
        return FALSE;
    }
}

INT_PTR CFwFormView::HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        OnInitForm();
        return FALSE;
    }
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result) || DispatchMessageMap(message, wParam, lParam, &result))
    {
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    // Enter and Escape in a form end nothing.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && lParam == 0)
    {
        return TRUE;
    }
    return FALSE;
}
