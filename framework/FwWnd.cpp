#include "FwWnd.h"

#include "FwDialog.h"

namespace
{
// Window property that holds the address of a window's object.
const char kObjectProperty[] = "ZrtFwObject";

// The child window that a message received by its parent concerns.
HWND ChildOfMessage(HWND parent, UINT message, LPARAM lParam)
{
    switch (message)
    {
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return draw->CtlType == ODT_MENU ? nullptr : draw->hwndItem;
    }
    case WM_MEASUREITEM:
    {
        const MEASUREITEMSTRUCT* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return measure->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(measure->CtlID));
    }
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}
}

CFwWnd::~CFwWnd()
{
    if (m_originalProc)
    {
        UnsubclassWindow();
    }
    else if (m_hWnd)
    {
        DetachHandle();
    }
}

CFwWnd* CFwWnd::FromHandle(HWND window)
{
    return window ? static_cast<CFwWnd*>(GetPropA(window, kObjectProperty)) : nullptr;
}

void CFwWnd::AttachHandle(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
}

void CFwWnd::DetachHandle()
{
    if (m_hWnd && GetPropA(m_hWnd, kObjectProperty) == this)
    {
        RemovePropA(m_hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
}

BOOL CFwWnd::SubclassWindow(HWND window)
{
    if (!window || m_hWnd || FromHandle(window))
    {
        return FALSE;
    }
    AttachHandle(window);
    PreSubclassWindow();
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CFwWnd::SubclassProc)));
    if (!m_originalProc)
    {
        DetachHandle();
        return FALSE;
    }
    return TRUE;
}

BOOL CFwWnd::SubclassDlgItem(UINT id, HWND parent)
{
    return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id)));
}

void CFwWnd::UnsubclassWindow()
{
    if (m_hWnd && m_originalProc)
    {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    }
    m_originalProc = nullptr;
    DetachHandle();
}

LRESULT CALLBACK CFwWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFwWnd* object = FromHandle(window);
    if (!object)
    {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
    {
        WNDPROC original = object->m_originalProc;
        object->UnsubclassWindow();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    // No C++ exception may unwind through the window manager: a handler that runs out of memory leaves the
    // message to the original procedure.
    try
    {
        return object->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        return object->m_originalProc ? CallWindowProcA(object->m_originalProc, window, message, wParam, lParam)
                                      : DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CFwWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result) || DispatchMessageMap(message, wParam, lParam, &result))
    {
        return result;
    }
    return m_originalProc ? CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam)
                          : DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CFwWnd::Default()
{
    if (m_originalProc)
    {
        return CallWindowProcA(m_originalProc, m_hWnd, CurrentMessage(), CurrentWParam(), CurrentLParam());
    }
    RequestDefault();
    return 0;
}

LRESULT CFwWnd::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_originalProc ? CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam)
                          : DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CFwWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CFwWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CFwWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = ChildOfMessage(m_hWnd, message, lParam);
    CFwWnd* object = child && child != m_hWnd ? FromHandle(child) : nullptr;
    return object ? object->OnChildNotify(message, wParam, lParam, result) : FALSE;
}

std::string CFwWnd::GetWindowText() const
{
    int length = GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void CFwWnd::SetWindowText(const std::string& text) const
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

void CFwWnd::SetDlgItemText(UINT id, const std::string& text) const
{
    ::SetDlgItemTextA(m_hWnd, static_cast<int>(id), text.c_str());
}

void CFwWnd::EnableDlgItem(UINT id, BOOL enable) const
{
    EnableWindow(GetDlgItem(id), enable);
}

void CFwWnd::CenterWindow() const
{
    FwCenterWindow(m_hWnd);
}

BOOL CFwWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& place,
                      HWND parent, HMENU menu)
{
    HWND window = CreateWindowExA(exStyle, className, title, style, place.left, place.top, place.right - place.left,
                                  place.bottom - place.top, parent, menu, GetModuleHandleA(nullptr), this);
    return window != nullptr;
}

LRESULT CALLBACK CFwWnd::FrameworkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        CFwWnd* created = static_cast<CFwWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (created && !created->m_hWnd)
        {
            created->AttachHandle(window);
        }
    }
    CFwWnd* object = FromHandle(window);
    if (!object)
    {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
    {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        object->DetachHandle();
        object->PostNcDestroy();
        return result;
    }
    // No C++ exception may unwind through the window manager.
    try
    {
        return object->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
