#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "TransferProgress.h"

namespace
{

const UINT kTimeControl = 11;
const UINT kRecordsControl = 12;
CTransferProgress* g_progress = nullptr;
bool g_foreignTimer = false;

LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && g_progress && !g_progress->OnTimer(wParam))
    {
        g_foreignTimer = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window with the two controls, whose timers reach the progress under test.
class ProgressWindow
{
public:
    explicit ProgressWindow(CTransferProgress& progress)
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ProgressWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZrtProgressProbe";
        RegisterClassA(&windowClass);
        m_window = CreateWindowA("ZrtProgressProbe", "", WS_POPUP, 0, 0, 200, 60, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        for (UINT id : {kTimeControl, kRecordsControl})
        {
            CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 200, 20, m_window, reinterpret_cast<HMENU>(UINT_PTR{id}),
                          GetModuleHandleA(nullptr), nullptr);
        }
        g_progress = &progress;
        g_foreignTimer = false;
        progress.Attach(m_window);
    }
    ~ProgressWindow()
    {
        DestroyWindow(m_window);
        g_progress = nullptr;
    }

    std::string Text(UINT id) const
    {
        char text[64] = "";
        GetDlgItemTextA(m_window, static_cast<int>(id), text, sizeof(text));
        return text;
    }

    // Handles the window's messages until `done` holds; false after the time-out.
    template <class Condition>
    bool PumpUntil(Condition done, DWORD timeoutMs = 5000) const
    {
        const DWORD start = GetTickCount();
        while (!done())
        {
            if (GetTickCount() - start > timeoutMs)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        return true;
    }

    HWND Get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

}

TEST(TransferProgress, AFloodOfCountsEndsWithTheNewestShownAndSparesTheRepaints)
{
    CTransferProgress progress(kTimeControl, kRecordsControl);
    ProgressWindow window(progress);
    progress.Restart();
    int changes = 0;
    std::string shown = window.Text(kRecordsControl);
    for (LPARAM count = 10; count <= 100000; count += 10)
    {
        progress.TakeRecordCount(count);
        if (window.Text(kRecordsControl) != shown)
        {
            shown = window.Text(kRecordsControl);
            ++changes;
        }
    }
    EXPECT_LT(changes, 100) << "every count was repainted";
    EXPECT_EQ(progress.RecordsText(), "100000");
    EXPECT_TRUE(window.PumpUntil([&] { return window.Text(kRecordsControl) == "100000"; }))
        << "the newest count waits for its timer: " << window.Text(kRecordsControl);

    progress.Restart();
    EXPECT_EQ(progress.RecordsText(), "0");
    progress.TakeRecordCount(20);
    progress.ShowRecordCount();
    EXPECT_EQ(window.Text(kRecordsControl), "20");
}

TEST(TransferProgress, StoppingShowsTheTimeUnlessTheUserFrozeIt)
{
    CTransferProgress progress(kTimeControl, kRecordsControl);
    ProgressWindow window(progress);
    progress.Restart();
    progress.StartTimer();
    const time_t start = time(nullptr);
    ASSERT_TRUE(window.PumpUntil([&] { return time(nullptr) >= start + 2; }));
    progress.StopTimer();
    EXPECT_NE(window.Text(kTimeControl), "0d 00h 00m 00s");
    EXPECT_EQ(window.Text(kTimeControl).rfind("0d 00h 00m 0", 0), 0u) << window.Text(kTimeControl);

    progress.Restart();
    progress.StartTimer();
    progress.Freeze();
    const std::string frozen = window.Text(kTimeControl);
    const time_t stopped = time(nullptr);
    ASSERT_TRUE(window.PumpUntil([&] { return time(nullptr) >= stopped + 2; }));
    progress.StopTimer();
    EXPECT_EQ(window.Text(kTimeControl), frozen) << "the time moved on after Stop";
}

TEST(TransferProgress, ATimerOfTheDialogsOwnIsLeftToTheDialog)
{
    CTransferProgress progress(kTimeControl, kRecordsControl);
    ProgressWindow window(progress);
    SetTimer(window.Get(), 7, 10, nullptr);
    EXPECT_TRUE(window.PumpUntil([] { return g_foreignTimer; }));
    KillTimer(window.Get(), 7);
}
