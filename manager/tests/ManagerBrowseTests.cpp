// Host browsing: the host's list moved into browser A with the end field and the wait for the user's choice, and
// into browser B for the caller's window.
#include "ManagerTestSupport.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace
{
std::string BrowseScenario(int records, const std::string& hostExtra, const std::string& browserExtra)
{
    return "[ZRTAS400]\nSide=host\nFields=NAME:A:10\nLogFields=1\nRecords=" + std::to_string(records) + "\n" +
           hostExtra + "[ZRTHOSTVIEW]\nSide=browser\nLogFields=1\n" + browserExtra;
}

// A browser ready for a browse: host and browser loaded and connected, the browse opened on the worker.
void OpenBrowse(ManagerTestBed& bed, int records, const std::string& hostExtra, const std::string& browserExtra)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFake("ZRTHOSTVIEW.DLL");
    bed.Folder().WriteScenario(BrowseScenario(records, hostExtra, browserExtra));
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().StartBrowser());
    bed.Recorder().Clear();
    ASSERT_TRUE(bed.Manager().OpenBrowseAsync());
    ASSERT_EQ(1, bed.WaitForRequestDone());
    EXPECT_EQ((Notes{Step(9), Done(1)}), bed.Notifications());
    bed.Recorder().Clear();
}

std::vector<std::string> FieldCalls(const std::vector<std::string>& log)
{
    std::vector<std::string> calls;
    for (const std::string& line : log)
        if (line.compare(0, 8, "PutField") == 0 || line == "NextField")
            calls.push_back(line);
    return calls;
}

std::vector<std::string> Repeated(int times, const std::vector<std::string>& calls)
{
    std::vector<std::string> all;
    for (int i = 0; i < times; ++i)
        all.insert(all.end(), calls.begin(), calls.end());
    return all;
}

int g_paints = 0;
int g_others = 0;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        ++g_paints;
    else if (message == WM_USER + 1)
        ++g_others;
    return DefWindowProcA(window, message, wParam, lParam);
}
}

TEST(ManagerBrowse, ListEndsWithTheEndFieldAndWaitsForTheChoice)
{
    ManagerTestBed bed;
    OpenBrowse(bed, 3, "", "PickAfterMs=500\n");
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), Contains("Open browse=1 cancel=0"));
    EXPECT_EQ(0, bed.Tables().GetInt(ZRP_BROWSE_BUSY));
    EXPECT_THAT(bed.Folder().Log("ZRTHOSTVIEW"), Contains("SetRecordLayout fields=1"));
    EXPECT_THAT(bed.Folder().Log("ZRTHOSTVIEW"), Contains("Open arg=0"));

    const DWORD start = GetTickCount();
    EXPECT_TRUE(bed.Manager().BrowseData());
    EXPECT_GE(GetTickCount() - start, 500u);
    EXPECT_TRUE(bed.Manager().CloseBrowse());

    std::vector<std::string> expected = Repeated(3, {"PutField type=1", "NextField"});
    expected.push_back("PutField type=0");
    EXPECT_EQ(expected, FieldCalls(bed.Folder().Log("ZRTHOSTVIEW")));
    EXPECT_EQ((Notes{Step(11), Step(13)}), bed.Notifications());
    EXPECT_EQ("Close", bed.Folder().Log("ZRTHOSTVIEW").back());
}

TEST(ManagerBrowse, FailingHostListEndsAtOnceWithoutEndField)
{
    ManagerTestBed bed;
    OpenBrowse(bed, 5, "Fail=GetField@2\n", "PickAfterMs=5000\n");

    const DWORD start = GetTickCount();
    EXPECT_FALSE(bed.Manager().BrowseData());
    EXPECT_LT(GetTickCount() - start, 1000u);

    EXPECT_EQ((std::vector<std::string>{"PutField type=1", "NextField"}), FieldCalls(bed.Folder().Log("ZRTHOSTVIEW")));
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre("FAKE ZRTAS400 GetField failed"));
}

TEST(ManagerBrowse, BrowserThatHasChosenEarlyStopsTheListWithoutWaiting)
{
    ManagerTestBed bed;
    OpenBrowse(bed, 5, "", "PickAtRecord=2\nPickAfterMs=5000\n");

    const DWORD start = GetTickCount();
    EXPECT_TRUE(bed.Manager().BrowseData());
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(Repeated(2, {"PutField type=1", "NextField"}), FieldCalls(bed.Folder().Log("ZRTHOSTVIEW")));
}

TEST(ManagerBrowse, WaitPaintsAndDrainsEveryOtherMessageOfTheThread)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZrtBrowseWaitTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    ManagerTestBed bed;
    OpenBrowse(bed, 2, "", "PickAfterMs=350\n");
    g_paints = 0;
    g_others = 0;
    for (int i = 0; i < 50; ++i)
        PostMessageA(window, WM_USER + 1, i, 0);
    for (int i = 0; i < 3; ++i)
        PostMessageA(window, WM_PAINT, 0, 0);

    EXPECT_TRUE(bed.Manager().BrowseData());

    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, window, WM_USER + 1, WM_USER + 1, PM_REMOVE)) << "messages were left queued";
    EXPECT_EQ(3, g_paints);
    EXPECT_EQ(0, g_others);
    DestroyWindow(window);
}

TEST(ManagerBrowse, BrowseOnTheWorkerPostsItsStepsAndResult)
{
    ManagerTestBed bed;
    OpenBrowse(bed, 2, "", "PickAfterMs=100\n");
    ASSERT_TRUE(bed.Manager().CloseBrowse());
    bed.Recorder().Clear();

    ASSERT_TRUE(bed.Manager().BrowseAsync());
    EXPECT_EQ(1, bed.WaitForRequestDone());
    EXPECT_EQ((Notes{Step(9), Step(11), Step(13), Done(1)}), bed.Notifications());
}

TEST(ManagerBrowse, BrowseToWindowFillsTheSecondBrowserWithoutSteps)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFake("ZRTHOSTVIEW.DLL");
    bed.Folder().WriteScenario(BrowseScenario(3, "", "PickAtRecord=1\n"));
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().StartBrowser());
    bed.Recorder().Clear();

    EXPECT_TRUE(bed.Manager().BrowseToWindow(77));

    EXPECT_TRUE(bed.Notifications().empty());
    const std::vector<std::string> browserB = bed.Folder().Log("ZRTHOSTVIEW.B");
    EXPECT_THAT(browserB, Contains("Open arg=77"));
    // Browser B is filled to the end of the host's list, whatever it says about its end, and gets no end field.
    EXPECT_EQ(Repeated(3, {"PutField type=1", "NextField"}), FieldCalls(browserB));
    EXPECT_EQ("Close", browserB.back());
    EXPECT_THAT(bed.Folder().Log("ZRTHOSTVIEW"), Not(Contains("Open arg=77")));

    ASSERT_TRUE(bed.Manager().BrowseToWindowAsync(78));
    EXPECT_EQ(1, bed.WaitForRequestDone());
    EXPECT_EQ(Notes{Done(1)}, bed.Notifications());
}
