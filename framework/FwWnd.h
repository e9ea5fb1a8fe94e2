// Window objects of the framework: a C++ object attached to a window handle, a table of message handlers per class,
// subclassing of existing windows (controls of a dialog template) and forwarding of the notifications and
// owner-draw requests that a parent receives to the object of the child control they concern.
#pragma once

#include <windows.h>
#include <span>
#include <string>

class CFwWnd;

// Every handler takes the message's two parameters and returns the message result.
using FwHandler = LRESULT (CFwWnd::*)(WPARAM, LPARAM);

// Matches any notification code or control id in a table entry.
constexpr UINT FW_ANY = 0xFFFFFFFFu;

// One row of a class's handler table.
struct FwMessageEntry
{
    UINT message;   // the window message
    UINT code;      // WM_COMMAND: notification code (FW_COMMAND_CODE: menu, accelerator or click); WM_NOTIFY: code
    UINT id;        // WM_COMMAND / WM_NOTIFY: control or command id
    FwHandler handler;
};

// A class's handler table and the table of its base class, searched after it.
struct FwMessageMap
{
    const FwMessageMap* base;
    std::span<const FwMessageEntry> entries;
};

// Command code matching a menu item, an accelerator or a button click (codes 0 and 1).
constexpr UINT FW_COMMAND_CODE = 0xFFFFFFFEu;

template <class T>
constexpr FwHandler FwHandlerOf(LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return static_cast<FwHandler>(handler);
}

#define FW_ON_MESSAGE(message, handler) FwMessageEntry{(message), FW_ANY, FW_ANY, FwHandlerOf(handler)}
#define FW_ON_COMMAND(id, handler) FwMessageEntry{WM_COMMAND, FW_COMMAND_CODE, static_cast<UINT>(id), FwHandlerOf(handler)}
#define FW_ON_CONTROL(code, id, handler) \
    FwMessageEntry{WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), FwHandlerOf(handler)}
#define FW_ON_NOTIFY(code, id, handler) \
    FwMessageEntry{WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), FwHandlerOf(handler)}

// Declares a class's handler table; define ClassMessageMap in the class's source file.
#define FW_DECLARE_MESSAGE_MAP()                                             \
public:                                                                      \
    static const FwMessageMap* ClassMessageMap();                            \
                                                                             \
protected:                                                                   \
    const FwMessageMap* GetMessageMap() const override { return ClassMessageMap(); }

class CFwWnd
{
public:
    CFwWnd() = default;
    virtual ~CFwWnd();
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

    static const FwMessageMap* ClassMessageMap();

    // Common operations on the window.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const;
    HWND GetDlgItem(UINT id) const { return ::GetDlgItem(m_hWnd, static_cast<int>(id)); }
    void SetDlgItemText(UINT id, const std::string& text) const;
    void EnableDlgItem(UINT id, BOOL enable) const;
    void Invalidate(BOOL erase = TRUE) const { InvalidateRect(m_hWnd, nullptr, erase); }

protected:
    virtual const FwMessageMap* GetMessageMap() const { return ClassMessageMap(); }

    // Handles one message: the handler tables first, then the original procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Called before a window is subclassed (a control may adjust its style here).
    virtual void PreSubclassWindow() {}

    // A message that the parent received about this control (WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*,
    // WM_COMMAND notifications). TRUE when handled, with the result for the parent to return.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Runs the handler table entry that matches the message, if any. TRUE when a handler took the message and did
    // not ask for the default handling.
    BOOL DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Passes the message being handled to the default handling: at once to the original procedure of a subclassed
    // window, or, in a dialog, after the handler returns.
    LRESULT Default();

    // Offers a message that a parent received to the object of the child control it concerns.
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

    void AttachHandle(HWND window);
    void DetachHandle();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_originalProc = nullptr;
    UINT m_currentMessage = 0;
    WPARAM m_currentWParam = 0;
    LPARAM m_currentLParam = 0;
    bool m_defaultRequested = false;
};
