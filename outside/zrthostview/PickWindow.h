// The pick window: the host's list in a list view with OK and Cancel (Close for a list that is only shown), on a
// thread of its own with its own message loop, so that it answers the user while the caller's thread polls.
// The thread holds a reference to the library, which it gives back as it ends.
#pragma once

#include "BrowseRows.h"

#include <OwnedHandles.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// Window class of the pick window (a top-level window without owner).
inline constexpr char kPickWindowClass[] = "ZrtHostViewPick";

// Control ids inside the pick window.
enum PickControlId
{
    IDC_PICK_PROMPT = 100,
    IDC_PICK_LIST = 101,
};

struct PickContent
{
    std::string caption;
    std::string prompt;
    std::string okText;
    std::string cancelText;
    std::vector<BrowseColumn> columns;
    std::vector<BrowseRow> rows;
    int selected = -1;      // row selected when the window opens
    bool choosable = true;  // false: the list is only shown, OK is hidden
};

class CPickWindow
{
public:
    CPickWindow() = default;
    ~CPickWindow();
    CPickWindow(const CPickWindow&) = delete;
    CPickWindow& operator=(const CPickWindow&) = delete;

    // Starts the window's thread; false when the thread cannot be started (a window that cannot be created
    // counts as closed at once).
    bool Start(PickContent content);
    bool IsStarted() const { return m_thread.IsValid(); }
    // True once the user has chosen a row or closed the window.
    bool IsFinished() const;
    // The chosen row, or -1.
    int Chosen() const;
    // Closes the window if it is still open and waits for its thread (never from the window's own thread).
    void End();
    // Asks the window to close without waiting for its thread (while the library is being unloaded, when waiting
    // could deadlock; the thread's own reference keeps the code alive until it has ended).
    void Abandon();

    struct Session;

private:
    std::shared_ptr<Session> m_session;
    OwnedThread m_thread;
};
