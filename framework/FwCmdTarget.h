// Objects that take messages and commands through a table of handlers per class: windows, documents and the
// application. Commands are routed through several of them in turn (view, document, frame, application), and the
// same route answers whether a command is enabled.
#pragma once

#include <windows.h>
#include <memory>
#include <span>

class CFwCmdTarget;
class CFwCmdUI;

// Every handler takes the message's two parameters and returns the message result.
using FwHandler = LRESULT (CFwCmdTarget::*)(WPARAM, LPARAM);

// Matches any notification code or control id in a table entry.
constexpr UINT FW_ANY = 0xFFFFFFFFu;

// Pseudo message of the update handlers: wParam the command id, lParam the CFwCmdUI to fill.
constexpr UINT FW_UPDATE_COMMAND_UI = 0x7FFF0001u;

// One row of a class's handler table.
struct FwMessageEntry
{
    UINT message;  // the window message
    UINT code;     // WM_COMMAND: notification code (FW_COMMAND_CODE: menu, accelerator or click); WM_NOTIFY: code
    UINT id;       // WM_COMMAND / WM_NOTIFY / FW_UPDATE_COMMAND_UI: control or command id
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

#define FW_ON_MESSAGE(message, handler)                 \
    FwMessageEntry                                      \
    {                                                   \
        (message), FW_ANY, FW_ANY, FwHandlerOf(handler) \
    }
#define FW_ON_COMMAND(id, handler)                                               \
    FwMessageEntry                                                               \
    {                                                                            \
        WM_COMMAND, FW_COMMAND_CODE, static_cast<UINT>(id), FwHandlerOf(handler) \
    }
#define FW_ON_CONTROL(code, id, handler)                                                 \
    FwMessageEntry                                                                       \
    {                                                                                    \
        WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), FwHandlerOf(handler) \
    }
#define FW_ON_NOTIFY(code, id, handler)                                                 \
    FwMessageEntry                                                                      \
    {                                                                                   \
        WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), FwHandlerOf(handler) \
    }
// An update handler: LRESULT Handler(WPARAM id, LPARAM ui), ui being the CFwCmdUI* to enable or disable.
#define FW_ON_UPDATE_COMMAND_UI(id, handler)                                      \
    FwMessageEntry                                                                \
    {                                                                             \
        FW_UPDATE_COMMAND_UI, FW_ANY, static_cast<UINT>(id), FwHandlerOf(handler) \
    }

// Declares a class's handler table; define ClassMessageMap in the class's source file.
#define FW_DECLARE_MESSAGE_MAP()                       \
public:                                                \
    static const FwMessageMap* ClassMessageMap();      \
                                                       \
protected:                                             \
    const FwMessageMap* GetMessageMap() const override \
    {                                                  \
        return ClassMessageMap();                      \
    }

// The state a command's update handler gives to the menu item or toolbar button of the command.
class CFwCmdUI
{
public:
    explicit CFwCmdUI(UINT id) : m_id(id) {}

    UINT GetId() const { return m_id; }
    void Enable(bool enable = true)
    {
        m_enabled = enable;
        m_enableChanged = true;
    }
    bool IsEnabled() const { return m_enabled; }
    // Whether an update handler said anything about the command.
    bool WasUpdated() const { return m_enableChanged; }

private:
    UINT m_id;
    bool m_enabled = true;
    bool m_enableChanged = false;
};

class CFwCmdTarget
{
public:
    CFwCmdTarget() = default;
    virtual ~CFwCmdTarget() { *m_alive = false; }
    CFwCmdTarget(const CFwCmdTarget&) = delete;
    CFwCmdTarget& operator=(const CFwCmdTarget&) = delete;

    static const FwMessageMap* ClassMessageMap();

    // One step of a command's route: runs this object's handler of command `id` (ui null), or its update handler
    // (ui given). TRUE when this object has a handler for it. Objects that pass commands on override it.
    virtual BOOL OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui);
    // Whether this object has a command handler for `id`.
    BOOL HasCommandHandler(UINT id) const;

protected:
    virtual const FwMessageMap* GetMessageMap() const { return ClassMessageMap(); }

    // Runs the handler table entry that matches the message, if any. TRUE when a handler took the message and did
    // not ask for the default handling.
    BOOL DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The message whose handler runs, for the default handling.
    UINT CurrentMessage() const { return m_currentMessage; }
    WPARAM CurrentWParam() const { return m_currentWParam; }
    LPARAM CurrentLParam() const { return m_currentLParam; }
    // Asks for the default handling after the running handler returns.
    void RequestDefault() { m_defaultRequested = true; }

private:
    UINT m_currentMessage = 0;
    WPARAM m_currentWParam = 0;
    LPARAM m_currentLParam = 0;
    bool m_defaultRequested = false;
    // False once the object is gone: a handler may delete its own object (a frame destroyed by its close).
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
