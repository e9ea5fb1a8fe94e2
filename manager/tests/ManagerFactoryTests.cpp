// The factory, the table, the worker thread, requests and release.
#include "ImportPatch.h"
#include "ManagerTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace
{
const char kZRM002[] = "Error ZRM002: The transfer direction specified in the profile is incorrect. Use the ZRT Wizard "
                       "to create a new profile.";
const char kZRM003[] = "Error ZRM003: The Data Transfer Manager thread cannot be created because of a Windows problem. "
                       "Close some Windows applications, restart ZRT, and try again.";
const char kZRM004[] = "Error ZRM004: The Data Transfer Manager failed to send message because of a Windows problem. "
                       "Close some Windows applications, restart ZRT, and try again.";
const char kZRM005[] = "Error ZRM005: An internal error occurred in the Data Transfer Manager. An attempt was made to "
                       "start data transfer asynchronuosly, but the ZRM thread was not created. Contact Technical "
                       "Support.";

HANDLE WINAPI FailingCreateThread(SECURITY_ATTRIBUTES*, SIZE_T, LPTHREAD_START_ROUTINE, void*, DWORD, DWORD* id)
{
    if (id)
        *id = 0;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

BOOL WINAPI FailingPostThreadMessage(DWORD, UINT, WPARAM, LPARAM)
{
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
}

const Notes kShutDownSteps = {Step(20), Step(16), Step(14), Step(15)};
}

TEST(ManagerFactory, HandsOutTheTableWithSlots10_13_16Empty)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Create());
    void* const* slots = reinterpret_cast<void* const*>(&bed.Manager());
    for (int i = 0; i < 37; ++i)
    {
        if (i == 10 || i == 13 || i == 16)
            EXPECT_EQ(nullptr, slots[i]) << "slot " << i;
        else
            EXPECT_NE(nullptr, slots[i]) << "slot " << i;
    }
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerFactory, RefusesADirectionOtherThanOneOrTwo)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Tables().Set(ZRP_DIRECTION, 3));
    EXPECT_FALSE(bed.Create());
    EXPECT_FALSE(bed.HasManager());
    const std::vector<CapturedError> errors = bed.Errors().Records();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ("ZRI_Manager", errors[0].source);
    EXPECT_EQ(kZRM002, errors[0].text);
}

TEST(ManagerFactory, EntriesWithoutAManagerDoNothing)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Create());
    ZRMFunctions& manager = bed.Manager();
    bed.Release();
    bed.Recorder().Clear();

    EXPECT_TRUE(manager.Release());
    EXPECT_FALSE(manager.LoadHost());
    EXPECT_FALSE(manager.RunTransfer(nullptr));
    // Posting without a manager posts nothing and is no failure.
    EXPECT_TRUE(manager.RunTransferAsync(nullptr));
    EXPECT_TRUE(bed.Notifications().empty());
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerFactory, ReleaseShutsDownEndsTheWorkerAndUnloadsEveryLibrary)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFake("ZRTPCFILE.DLL");
    bed.Folder().InstallFake("ZRTHOSTVIEW.DLL");
    bed.Folder().WriteScenario(HostSection(0) + PcSection() + "[ZRTHOSTVIEW]\nSide=browser\n");
    const int threadsBefore = ThreadCount();
    ASSERT_TRUE(bed.Create());
    EXPECT_EQ(threadsBefore + 1, ThreadCount());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().StartBrowser());
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    bed.Notifications();
    bed.Recorder().Clear();
    bed.Folder().ClearLog();

    bed.Release();

    EXPECT_EQ(kShutDownSteps, bed.Notifications());
    EXPECT_EQ(threadsBefore, ThreadCount());
    EXPECT_THAT(bed.Folder().Log(),
                ElementsAre("ZRTPCFILE Disconnect", "ZRTAS400 Disconnect", "ZRTHOSTVIEW Disconnect",
                            "ZRTHOSTVIEW.B Disconnect", "ZRTHOSTVIEW detach", "ZRTPCFILE detach", "ZRTAS400 detach"));
    for (const char* library : {"ZRTAS400.DLL", "ZRTPCFILE.DLL", "ZRTHOSTVIEW.DLL"})
        EXPECT_FALSE(IsLoaded(bed.Folder().File(library))) << library;
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerFactory, CreatingAgainReleasesTheManagerStillPresent)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().WriteScenario(HostSection(0));
    const int threadsBefore = ThreadCount();
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    bed.Folder().ClearLog();

    ASSERT_TRUE(bed.Create());

    EXPECT_EQ(threadsBefore + 1, ThreadCount());
    EXPECT_THAT(bed.Folder().Log(), ElementsAre("ZRTAS400 Disconnect", "ZRTAS400 detach"));
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTAS400.DLL")));
}

TEST(ManagerFactory, FailedThreadStartIsReportedAndReleasedWithoutSpuriousErrors)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().WriteScenario(HostSection(0));
    const int threadsBefore = ThreadCount();
    {
        ImportPatch patch(ManagerLibrary(), "KERNEL32.dll", "CreateThread",
                          reinterpret_cast<void*>(FailingCreateThread));
        ASSERT_TRUE(patch.Applied());
        EXPECT_FALSE(bed.Create());
    }
    ASSERT_TRUE(bed.HasManager());
    EXPECT_EQ(threadsBefore, ThreadCount());
    const std::vector<CapturedError> errors = bed.Errors().Records();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ("ZRI_Manager", errors[0].source);
    EXPECT_EQ(kZRM003, errors[0].text);
    bed.Errors().Clear();

    // The object and its table stay: synchronous entries work, requests cannot be posted.
    EXPECT_TRUE(bed.Manager().StartHost());
    EXPECT_FALSE(bed.Manager().StartHostAsync());
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre(kZRM005));
    bed.Errors().Clear();
    bed.Recorder().Clear();
    bed.Folder().ClearLog();

    bed.Release();

    EXPECT_EQ(0u, bed.Errors().Count());
    EXPECT_EQ(kShutDownSteps, bed.Notifications());
    EXPECT_THAT(bed.Folder().Log(), ElementsAre("ZRTAS400 Disconnect", "ZRTAS400 detach"));
}

TEST(ManagerFactory, RequestThatCannotBePostedReportsZRM004)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Create());
    {
        ImportPatch patch(ManagerLibrary(), "USER32.dll", "PostThreadMessageA",
                          reinterpret_cast<void*>(FailingPostThreadMessage));
        ASSERT_TRUE(patch.Applied());
        EXPECT_FALSE(bed.Manager().RunTransferAsync(nullptr));
    }
    const std::vector<CapturedError> errors = bed.Errors().Records();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ("ZRI_Manager", errors[0].source);
    EXPECT_EQ(kZRM004, errors[0].text);
}

TEST(ManagerFactory, MessageNumberIsReadAgainForEveryRequest)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0), PcSection());
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHostAsync());
    ASSERT_EQ(1, bed.WaitForRequestDone());
    ASSERT_TRUE(bed.Tables().Set(ZRP_NOTIFY_MESSAGE, 1029));
    bed.Recorder().Clear();

    ASSERT_TRUE(bed.Manager().TransferAsync(nullptr));
    ASSERT_TRUE(bed.Recorder().WaitFor(1029, ZRM_NOTIFY_REQUEST_DONE));
    bed.Recorder().Settle();
    const std::vector<RecordedMessage> messages = bed.Recorder().Messages();
    EXPECT_THAT(messages,
                ElementsAre(RecordedMessage{1029, 9, 8}, RecordedMessage{1029, 10, 0}, RecordedMessage{1029, 9, 10},
                            RecordedMessage{1029, 9, 12}, RecordedMessage{1029, 12, 1}));
}

TEST(ManagerFactory, StepsGoOnlyToAWindowAndCountsOnlyToANonzeroHandle)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(10), PcSection());
    ASSERT_TRUE(bed.Create());
    bed.Tables().EnvironmentTable()->hwndNotify = nullptr;
    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));
    EXPECT_TRUE(bed.Notifications().empty());
    EXPECT_EQ(10u, RecordLines(bed.Folder().Log("ZRTPCFILE")).size());
}
