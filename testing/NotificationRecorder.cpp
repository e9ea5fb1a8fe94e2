#include "NotificationRecorder.h"

#include <algorithm>
#include <chrono>

namespace
{
// Sent to itself by Settle; never recorded.
constexpr UINT SettleMessage = WM_APP + 0x3FF0;
constexpr UINT StopMessage = WM_APP + 0x3FF1;
}

std::ostream& operator<<(std::ostream& out, const RecordedMessage& recorded)
{
    return out << "(" << recorded.message << ", " << recorded.wParam << ", " << recorded.lParam << ")";
}

NotificationRecorder::NotificationRecorder()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_thread = std::thread([this] { Run(); });
    m_arrived.wait(lock, [this] { return m_window != nullptr; });
}

NotificationRecorder::~NotificationRecorder()
{
    PostMessageA(m_window, StopMessage, 0, 0);
    m_thread.join();
}

void NotificationRecorder::Run()
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_window = window;
    }
    m_arrived.notify_all();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        if (message.hwnd != window)
        {
            DispatchMessageA(&message);
            continue;
        }
        if (message.message == StopMessage)
            break;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            if (message.message == SettleMessage)
                ++m_settled;
            else
                m_messages.push_back({message.message, message.wParam, message.lParam});
        }
        m_arrived.notify_all();
    }
    DestroyWindow(window);
}

bool NotificationRecorder::Holds(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return std::find(m_messages.begin(), m_messages.end(), RecordedMessage{message, wParam, lParam}) !=
           m_messages.end();
}

bool NotificationRecorder::HoldsAnyLParam(UINT message, WPARAM wParam, LPARAM) const
{
    return std::any_of(m_messages.begin(), m_messages.end(), [&](const RecordedMessage& recorded) {
        return recorded.message == message && recorded.wParam == wParam;
    });
}

bool NotificationRecorder::WaitUntil(DWORD timeoutMs, bool (NotificationRecorder::*found)(UINT, WPARAM, LPARAM) const,
                                     UINT message, WPARAM wParam, LPARAM lParam)
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return (this->*found)(message, wParam, lParam); });
}

bool NotificationRecorder::WaitFor(UINT message, WPARAM wParam, DWORD timeoutMs)
{
    return WaitUntil(timeoutMs, &NotificationRecorder::HoldsAnyLParam, message, wParam, 0);
}

bool NotificationRecorder::WaitFor(UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs)
{
    return WaitUntil(timeoutMs, &NotificationRecorder::Holds, message, wParam, lParam);
}

void NotificationRecorder::Settle()
{
    std::unique_lock<std::mutex> lock(m_lock);
    const unsigned target = m_settled + 1;
    PostMessageA(m_window, SettleMessage, 0, 0);
    m_arrived.wait(lock, [&] { return m_settled >= target; });
}

std::vector<RecordedMessage> NotificationRecorder::Messages() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages;
}

void NotificationRecorder::Clear()
{
    Settle();
    std::lock_guard<std::mutex> lock(m_lock);
    m_messages.clear();
}
