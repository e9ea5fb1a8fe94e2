#include "MessageBoxWatcher.h"

#include "ProgramWindows.h"

#include <chrono>

namespace
{

const int kMessageTextId = 0xFFFF;
const auto kPollInterval = std::chrono::milliseconds(50);

BOOL CALLBACK CollectChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND dialog)
{
    std::vector<HWND> children;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

}

MessageBoxWatcher::MessageBoxWatcher() : MessageBoxWatcher(GetCurrentProcessId())
{
}

MessageBoxWatcher::MessageBoxWatcher(DWORD processId, std::function<bool(const std::string&)> caption)
    : m_processId(processId), m_caption(std::move(caption)), m_thread(&MessageBoxWatcher::Watch, this)
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void MessageBoxWatcher::Answer(int buttonId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(buttonId);
}

std::vector<SeenDialog> MessageBoxWatcher::Seen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

bool MessageBoxWatcher::WaitForDialogs(size_t count, DWORD timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_seen.size() >= count; });
}

void MessageBoxWatcher::Watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop)
    {
        lock.unlock();
        WindowQuery dialogs;
        dialogs.processId = m_processId;
        dialogs.className = "#32770";
        dialogs.caption = m_caption;
        for (HWND dialog : TopLevelWindows(dialogs))
        {
            if (m_handled.count(dialog) == 0)
                Handle(dialog);
        }
        for (auto it = m_handled.begin(); it != m_handled.end();)
            it = IsWindow(*it) ? std::next(it) : m_handled.erase(it);
        lock.lock();
        m_changed.wait_for(lock, kPollInterval, [this] { return m_stop; });
    }
}

int MessageBoxWatcher::ChooseAnswer(HWND dialog)
{
    int wanted = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_answers.empty())
        {
            wanted = m_answers.front();
            m_answers.pop_front();
        }
    }
    for (int id : {wanted, IDCANCEL, IDNO, IDOK})
    {
        if (id != 0 && GetDlgItem(dialog, id) != nullptr)
            return id;
    }
    return 0;
}

void MessageBoxWatcher::Handle(HWND dialog)
{
    m_handled.insert(dialog);
    SeenDialog seen;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.caption = WindowText(dialog);
    if (HWND message = GetDlgItem(dialog, kMessageTextId))
        seen.text = WindowText(message);
    bool listRead = false;
    for (HWND child : ChildrenOf(dialog))
    {
        const std::string kind = ClassOf(child);
        if (kind == "Button")
            seen.buttons.push_back(WindowText(child));
        else if (kind == "ListBox" && !listRead)
        {
            seen.listItems = ListBoxLines(child);
            listRead = true;
        }
    }
    seen.answer = ChooseAnswer(dialog);
    if (seen.answer != 0)
        PostMessageA(GetDlgItem(dialog, seen.answer), BM_CLICK, 0, 0);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seen.push_back(seen);
    }
    m_changed.notify_all();
}
