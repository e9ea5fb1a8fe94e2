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
    EXPECT_FALSE(watcher.WaitForDialogs(1, 500));
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
