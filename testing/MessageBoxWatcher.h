// Watches for the dialog boxes of one process (message boxes and other #32770 dialogs; by default this process's) on
// a thread of its own, reads each one and answers it by clicking a button. Windows need a display (Xvfb).
#pragma once

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct SeenDialog
{
    HWND owner = nullptr;
    std::string caption;
    std::string text;                    // the message text of a message box
    std::vector<std::string> buttons;    // button texts, in child order
    std::vector<std::string> listItems;  // lines of the dialog's first list box
    int answer = 0;                      // id of the button clicked
};

class MessageBoxWatcher
{
public:
    // Watches this process.
    MessageBoxWatcher();
    // Watches another process, for example a program that a test started; with a caption test only the dialogs
    // whose caption passes it (so that a program's main dialog is left alone).
    explicit MessageBoxWatcher(DWORD processId, std::function<bool(const std::string&)> caption = {});
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The next dialog is answered with this button id (IDYES, IDNO, IDOK...). Without a queued answer a dialog is
    // answered with Cancel, else No, else OK.
    void Answer(int buttonId);
    std::vector<SeenDialog> Seen() const;
    // Waits until `count` dialogs were answered; false after the time-out.
    bool WaitForDialogs(size_t count, DWORD timeoutMs) const;

private:
    void Watch();
    void Handle(HWND dialog);
    int ChooseAnswer(HWND dialog);

    const DWORD m_processId;
    const std::function<bool(const std::string&)> m_caption;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::deque<int> m_answers;
    std::vector<SeenDialog> m_seen;
    std::set<HWND> m_handled;
    bool m_stop = false;
    std::thread m_thread;
};
