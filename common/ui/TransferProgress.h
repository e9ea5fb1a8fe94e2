// CTransferProgress: the elapsed time and the record count that both programs' transfer dialogs show while the
// manager runs a transfer.
#pragma once

#include <windows.h>

#include <ctime>
#include <string>

class CTransferProgress
{
public:
    // The dialog's controls that show the time and the record count.
    CTransferProgress(UINT timeControl, UINT recordsControl);

    void Attach(HWND dialog) { m_dialog = dialog; }
    // The texts, for the dialog's data exchange.
    std::string& TimeText() { return m_time; }
    std::string& RecordsText() { return m_records; }

    // A new transfer: the time counts from now and the count is "0"; the texts are shown by the dialog.
    void Restart();
    // The time is refreshed every second until StopTimer.
    void StartTimer();
    // Shows the time once more, unless it is frozen, and ends the timer.
    void StopTimer();
    // The user stopped: the time stays as it is now, also when the transfer ends later.
    void Freeze();
    // Takes the newest record count. The control shows it at most ten times a second: the manager posts a count
    // every ten records, faster than the window can repaint them.
    void TakeRecordCount(LPARAM count);
    // Shows the newest record count now.
    void ShowRecordCount();
    // WM_TIMER: true when the message was one of these timers' (or came while one was handled), false for a
    // timer of the dialog's own.
    bool OnTimer(WPARAM timerId);

private:
    void ShowElapsedTime();

    UINT m_timeControl;
    UINT m_recordsControl;
    HWND m_dialog = nullptr;
    std::string m_time;
    std::string m_records = "0";
    time_t m_startTime;
    UINT_PTR m_timerId = 0;
    UINT_PTR m_countTimerId = 0;
    DWORD m_countShownAt = 0;
    bool m_frozen = false;
    bool m_inTimer = false;
};
