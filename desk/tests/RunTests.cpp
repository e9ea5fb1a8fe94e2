// Running the open profile with the progress dialog: progress, the end, Stop, and requests that fail.
#include "DeskSession.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

namespace
{
const int kFileRun = 32772;
const int kFileExit = 57665;
const int kRecords = 1029;
const int kProfileName = 1107;
const int kStatus = 1108;
const int kTime = 1110;
const int kStop = 1127;

struct RunSeen
{
    std::string caption;
    std::string records;
    std::string status;
    std::string button;
    std::string profileName;
    std::vector<DeskBox> boxes;
    bool frameDisabledMeanwhile = false;
    bool frameEnabledAfter = false;
};

// Opens the profile, runs it and closes the dialog at its end, answering the boxes expected on the way.
RunSeen RunProfile(DeskSession& session, const std::string& profile, size_t boxes = 0, bool takePicture = false)
{
    RunSeen seen;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kFileRun);
        HWND dialog = s.WaitDialog("ZRT Progress Report");
        ASSERT_NE(dialog, nullptr);
        seen.frameDisabledMeanwhile = !IsWindowEnabled(frame);
        WaitUntil([&] {
            return ControlText(dialog, kStop) == "Close" && ControlText(dialog, kStatus) != "Transfer running...";
        });
        WaitUntil([&] {
            return ControlText(dialog, kStatus).rfind("Transfer c", 0) == 0 ||
                   ControlText(dialog, kStatus) == "Transfer failed.";
        });
        for (size_t i = 0; i < boxes; ++i)
        {
            seen.boxes.push_back(s.AnswerBox());
        }
        seen.caption = WindowText(dialog);
        seen.records = ControlText(dialog, kRecords);
        seen.status = ControlText(dialog, kStatus);
        seen.button = ControlText(dialog, kStop);
        seen.profileName = ControlText(dialog, kProfileName);
        if (takePicture)
        {
            TakeWindowPicture(dialog).Save("desk-progress-dialog");
        }
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(dialog); });
        seen.frameEnabledAfter = WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 5000);
        FrameCommand(frame, kFileExit);
    });
    return seen;
}
}

TEST(DeskRun, ATransferRunsToItsEndAndTheDialogClosesAfterwards)
{
    DeskSession session;
    std::string profile = session.WriteProfile("run.h2p", "ok.csv");
    RunSeen seen = RunProfile(session, profile, 0, true);
    EXPECT_EQ(seen.caption, "ZRT Progress Report");
    EXPECT_EQ(seen.status, "Transfer completed successfully.");
    EXPECT_EQ(seen.records, "25");
    EXPECT_EQ(seen.button, "Close");
    EXPECT_EQ(seen.profileName, profile);
    EXPECT_TRUE(seen.frameDisabledMeanwhile);
    EXPECT_TRUE(seen.frameEnabledAfter);
    std::vector<std::string> calls = session.ManagerCallsWithoutSessions();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 4, calls.end()),
              (std::vector<std::string>{"entry 3", "entry 29", "entry 36"}));
}

TEST(DeskRun, TheNewestRecordCountShowsAtTheEndOfAFlood)
{
    DeskSession session;
    session.WriteScript("[flood.csv]\r\nRecords=300000\r\n");
    std::string profile = session.WriteProfile("flood.h2p", "flood.csv");
    RunSeen seen = RunProfile(session, profile);
    EXPECT_EQ(seen.status, "Transfer completed successfully.");
    EXPECT_EQ(seen.records, "300000");
}

TEST(DeskRun, ARequestThatCannotBePostedEndsTheDialogAsFailed)
{
    DeskSession session;
    session.WriteScript("[stuck.csv]\r\nPostFails=1\r\n");
    std::string profile = session.WriteProfile("stuck.h2p", "stuck.csv");
    RunSeen seen = RunProfile(session, profile, 1);
    EXPECT_EQ(seen.status, "Transfer failed.");
    EXPECT_EQ(seen.button, "Close");
    ASSERT_EQ(seen.boxes.size(), 1u);
    EXPECT_EQ(seen.boxes[0].lines, std::vector<std::string>{"Error ZRM004: The Data Transfer Manager failed to send "
                                                            "message because of a Windows problem. "});
    EXPECT_TRUE(seen.frameEnabledAfter);
}

TEST(DeskRun, AHostThatCannotBeConnectedShowsTheErrorsInsteadOfTheDialog)
{
    DeskSession session;
    session.WriteScript("[default]\r\nFail=3\r\n");
    std::string profile = session.WriteProfile("down.h2p", "down.csv");
    DeskBox atOpen;
    DeskBox atRun;
    bool dialogSeen = true;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile, &atOpen);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kFileRun);
        atRun = s.AnswerBox();
        dialogSeen = s.WaitDialog("ZRT Progress Report", 1000) != nullptr;
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(atOpen.lines, std::vector<std::string>{"Fake entry 3 failed. "}) << "an open goes on without the host";
    EXPECT_EQ(atRun.lines, std::vector<std::string>{"Fake entry 3 failed. "});
    EXPECT_FALSE(dialogSeen);
}

TEST(DeskRun, StopEndsTheTransferFreezesTheTimeAndEnterNeverClosesARunningDialog)
{
    DeskSession session;
    session.WriteScript("[held.csv]\r\nHoldUntilStop=1\r\nAfterStopMs=1500\r\n");
    std::string profile = session.WriteProfile("held.h2p", "held.csv");
    DeskBox refused;
    std::string terminating;
    std::string timeAtStop;
    std::string timeLater;
    std::string status;
    std::string button;
    bool disabledWhileStopping = false;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kFileRun);
        HWND dialog = s.WaitDialog("ZRT Progress Report");
        ASSERT_NE(dialog, nullptr);
        WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer running..."; });
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        refused = s.AnswerBox(IDOK);
        Click(dialog, kStop);
        WaitUntil([&] { return !IsWindowEnabled(dialog); });
        disabledWhileStopping = !IsWindowEnabled(dialog);
        terminating = ControlText(dialog, kStatus);
        timeAtStop = ControlText(dialog, kTime);
        WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer canceled by user."; });
        Sleep(1100);
        timeLater = ControlText(dialog, kTime);
        status = ControlText(dialog, kStatus);
        button = ControlText(dialog, kStop);
        Click(dialog, kStop);
        WaitUntil([&] { return !IsWindow(dialog); });
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(refused.text, "You cannot close the transfer dialog while the transfer is running.");
    EXPECT_TRUE(disabledWhileStopping);
    EXPECT_EQ(terminating, "Transfer terminating...");
    EXPECT_EQ(status, "Transfer canceled by user.");
    EXPECT_EQ(button, "Close");
    EXPECT_EQ(timeLater, timeAtStop) << "the time stops with Stop";
}
