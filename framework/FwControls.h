// Small wrappers of the animation control, picture statics and buttons.
#pragma once

#include <windows.h>

// An animation control that plays AVI resources.
class CFwAnimateCtrl
{
public:
    void Attach(HWND control) { m_control = control; }
    // Opens clip `id` of the resource module (or the program when the resource library lacks it).
    BOOL Open(UINT id) const;
    // Plays frames `from` to `to` (-1: the last), `repeat` times (-1: without end).
    BOOL Play(int from, int to, int repeat) const;
    // Closes the clip; the control goes blank.
    BOOL Close() const;

private:
    HWND m_control = nullptr;
};

// Icon `id` of the resource module at the given size (0: the system's default icon size).
HICON FwLoadIcon(UINT id, int size = 0);
// Shows an icon in a picture static.
void FwSetStaticIcon(HWND control, HICON icon);

// The wait cursor while the object lives; the cursor before it comes back at the end.
class CFwWaitCursor
{
public:
    CFwWaitCursor() : m_previous(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CFwWaitCursor() { SetCursor(m_previous); }
    CFwWaitCursor(const CFwWaitCursor&) = delete;
    CFwWaitCursor& operator=(const CFwWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
