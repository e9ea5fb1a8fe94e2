// Window objects of the framework: a C++ object attached to a window handle, a table of message handlers per class,
// subclassing of existing windows (controls of a dialog template) and forwarding of the notifications and
// owner-draw requests that a parent receives to the object of the child control they concern.
#pragma once

#include "FwCmdTarget.h"

#include <string>

class CFwWnd : public CFwCmdTarget
{
public:
    CFwWnd() = default;
    ~CFwWnd() override;
    CFwWnd(const CFwWnd&) = delete;
    CFwWnd& operator=(const CFwWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window, or null.
    static CFwWnd* FromHandle(HWND window);

    // Attaches this object to an existing window and routes the window's messages through it; the original window
    // procedure handles what the object leaves to it. Fails when the window already has an object.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, HWND parent);
    // Gives the window its original procedure back and detaches the object.
    void UnsubclassWindow();

    // Common operations on the window.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const;
    HWND GetDlgItem(UINT id) const { return ::GetDlgItem(m_hWnd, static_cast<int>(id)); }
    void SetDlgItemText(UINT id, const std::string& text) const;
    void EnableDlgItem(UINT id, BOOL enable) const;
    void Invalidate(BOOL erase = TRUE) const { InvalidateRect(m_hWnd, nullptr, erase); }
    // Centres the window over its owner, or over the work area when it has no visible owner, inside the work area.
    void CenterWindow() const;

    // Creates a window of a class whose window procedure is the framework's, attached to this object from its
    // first message on.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& place, HWND parent,
                  HMENU menu);
    // The framework's window procedure, for classes that the framework registers.
    static LRESULT CALLBACK FrameworkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // A message about to be dispatched by the program's message loop, offered first to the main window's object
    // (accelerators, dialog keys). TRUE when it was handled and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* message);

protected:
    // Handles one message: the handler tables first, then the original procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Called before a window is subclassed (a control may adjust its style here).
    virtual void PreSubclassWindow() {}
    // Called when a window that the framework created is gone; its object may delete itself here.
    virtual void PostNcDestroy() {}

    // A message that the parent received about this control (WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*,
    // WM_COMMAND notifications). TRUE when handled, with the result for the parent to return.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Passes the message being handled to the default handling: at once to the original procedure of a subclassed
    // window, or, in a dialog, after the handler returns.
    LRESULT Default();

    // Calls the original procedure of a subclassed window with a message of the caller's choice.
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Offers a message that a parent received to the object of the child control it concerns.
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

    void AttachHandle(HWND window);
    void DetachHandle();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_originalProc = nullptr;
};
