#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ErrorListDialog.h"
#include "MessageBoxWatcher.h"
#include "ZRErrorHandling.h"
#include "FwModule.h"

namespace
{

using Lines = std::vector<std::string>;

class ErrorListDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallErrorContext();
        ClearErrorList();
    }
    void TearDown() override
    {
        ClearErrorList();
        FwSetMainWindow(nullptr);
    }

    // The line the dialog shows with times for a record stamped `time`.
    static std::string TimedLine(const SYSTEMTIME& time, const char* text)
    {
        char line[256];
        std::snprintf(line, sizeof line, "%02d/%02d/%04d %02d:%02d:%02d %s ", time.wDay, time.wMonth, time.wYear,
                      time.wHour, time.wMinute, time.wSecond, text);
        return line;
    }

    // The time stamps of the records now in the list, without taking them out.
    static std::vector<SYSTEMTIME> TimesInList()
    {
        std::vector<SYSTEMTIME> times;
        std::vector<std::string> texts;
        GetErrorList().Drain([&](const ErrorRecord& record) {
            times.push_back(record.time);
            texts.push_back(record.text);
        });
        for (const std::string& text : texts)
            GetErrorSinkFunctions()->ReportText(text.c_str());
        return times;
    }
};

}

TEST_F(ErrorListDialogTest, ShowsEveryRecordWithItsTimeThenEmptiesTheList)
{
    GetErrorSinkFunctions()->ReportText("Error ZRT001: first");
    GetErrorSinkFunctions()->ReportText("Warning ZRT002: second\r\nline");
    const std::vector<SYSTEMTIME> times = TimesInList();
    ASSERT_EQ(2u, times.size());

    MessageBoxWatcher watcher;
    ShowErrorList(TRUE);
    ASSERT_TRUE(watcher.WaitForDialogs(1, 5000));
    const SeenDialog dialog = watcher.Seen()[0];
    EXPECT_EQ("ZRT", dialog.caption);
    EXPECT_EQ((Lines{TimedLine(times[0], "Error ZRT001: first"), TimedLine(times[1], "Warning ZRT002: second  line")}),
              dialog.listItems);
    EXPECT_EQ(IDCANCEL, dialog.answer);
    EXPECT_FALSE(GetErrorList().HasRecords());
}

TEST_F(ErrorListDialogTest, WithoutTimesEachLineIsTheTextAndABlank)
{
    GetErrorSinkFunctions()->ReportText("one");
    GetErrorSinkFunctions()->ReportText("two");
    MessageBoxWatcher watcher;
    ShowErrorList(FALSE);
    ASSERT_TRUE(watcher.WaitForDialogs(1, 5000));
    EXPECT_EQ((Lines{"one ", "two "}), watcher.Seen()[0].listItems);
    EXPECT_FALSE(GetErrorList().HasRecords());
}

TEST_F(ErrorListDialogTest, AnEmptyListShowsNothing)
{
    MessageBoxWatcher watcher;
    ShowErrorList(TRUE);
    EXPECT_TRUE(watcher.Seen().empty()) << "a dialog would have been answered before ShowErrorList returned";
}

TEST_F(ErrorListDialogTest, OwnedByTheMainWindow)
{
    HWND main = CreateWindowA("STATIC", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, main);
    FwSetMainWindow(main);
    GetErrorSinkFunctions()->ReportText("owned");

    MessageBoxWatcher watcher;
    ShowErrorList(FALSE);
    ASSERT_TRUE(watcher.WaitForDialogs(1, 5000));
    EXPECT_EQ(main, watcher.Seen()[0].owner);
    DestroyWindow(main);
}

namespace
{

std::vector<std::string> g_forwarded;
bool g_reportWhileForwarding = false;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ZR_ERROR_RECORD)
    {
        const ErrorRecord* record = reinterpret_cast<const ErrorRecord*>(lParam);
        g_forwarded.push_back(std::to_string(wParam) + ":" + record->text);
        if (g_reportWhileForwarding)
        {
            g_reportWhileForwarding = false;
            GetErrorSinkFunctions()->ReportText("reported while forwarding");
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateRecordingWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZRTRecordingWindow";
    RegisterClassA(&windowClass);
    return CreateWindowA("ZRTRecordingWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

Lines DrainTexts()
{
    Lines texts;
    GetErrorList().Drain([&](const ErrorRecord& record) { texts.push_back(record.text); });
    return texts;
}

}

TEST_F(ErrorListDialogTest, ForwardSendsEveryRecordInOrderToTheMainWindow)
{
    HWND window = CreateRecordingWindow();
    ASSERT_NE(nullptr, window);
    FwSetMainWindow(window);
    g_forwarded.clear();
    for (int i = 1; i <= 7; ++i)
        GetErrorSinkFunctions()->ReportText(std::to_string(i).c_str());

    ForwardErrorsToWindow();
    EXPECT_EQ((Lines{"0:1", "0:2", "0:3", "0:4", "0:5", "0:6", "0:7"}), g_forwarded);
    EXPECT_FALSE(GetErrorList().HasRecords());
    DestroyWindow(window);
}

TEST_F(ErrorListDialogTest, RecordReportedWhileForwardingStaysInTheList)
{
    HWND window = CreateRecordingWindow();
    FwSetMainWindow(window);
    g_forwarded.clear();
    GetErrorSinkFunctions()->ReportText("first");
    g_reportWhileForwarding = true;

    ForwardErrorsToWindow();
    EXPECT_EQ(Lines{"0:first"}, g_forwarded);
    EXPECT_EQ(Lines{"reported while forwarding"}, DrainTexts());
    DestroyWindow(window);
}

TEST_F(ErrorListDialogTest, ForwardWithoutMainWindowKeepsTheRecords)
{
    GetErrorSinkFunctions()->ReportText("kept");
    ForwardErrorsToWindow();
    EXPECT_EQ(Lines{"kept"}, DrainTexts());
}
