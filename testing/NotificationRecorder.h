// A message-only window on a thread of its own that records every message posted to it, in order of arrival, so
// that a test can assert the exact notifications a library posts, whatever the test's own thread is doing.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    bool operator==(const RecordedMessage&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RecordedMessage& recorded);

class NotificationRecorder
{
public:
    NotificationRecorder();
    ~NotificationRecorder();
    NotificationRecorder(const NotificationRecorder&) = delete;
    NotificationRecorder& operator=(const NotificationRecorder&) = delete;

    HWND Window() const { return m_window; }

    // Waits until a message with this number and wParam (and lParam, when given) has been recorded.
    bool WaitFor(UINT message, WPARAM wParam, DWORD timeoutMs = 10000);
    bool WaitFor(UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs);
    // Waits until every message posted to the window before this call has been recorded.
    void Settle();
    // The messages recorded so far.
    std::vector<RecordedMessage> Messages() const;
    // Forgets every message posted before the call.
    void Clear();

private:
    void Run();
    bool WaitUntil(DWORD timeoutMs, bool (NotificationRecorder::*found)(UINT, WPARAM, LPARAM) const, UINT message,
                   WPARAM wParam, LPARAM lParam);
    bool Holds(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool HoldsAnyLParam(UINT message, WPARAM wParam, LPARAM) const;

    mutable std::mutex m_lock;
    std::condition_variable m_arrived;
    std::vector<RecordedMessage> m_messages;
    unsigned m_settled = 0;
    HWND m_window = nullptr;
    std::thread m_thread;
};
