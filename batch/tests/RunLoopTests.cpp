// Zrtbatch's run loop against the scripted manager: progress, the log, Stop, closing, and the starter's events.
#include "BatchDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace
{
enum Control
{
    kGroup = 1001,
    kRecords = 1029,
    kProfileName = 1107,
    kStatus = 1108,
    kTime = 1110,
    kStop = 1008,
    kLogList = 1118,
};

std::string UniqueName(const char* stem)
{
    return std::string(stem) + std::to_string(GetCurrentProcessId()) + "x" + std::to_string(GetTickCount());
}

std::vector<std::string> Log(HWND dialog)
{
    return ListViewColumn(GetDlgItem(dialog, kLogList), 2);
}

bool Ended(HWND dialog)
{
    return ControlText(dialog, kStop) == "Close";
}

std::string Started(const std::string& path)
{
    return "The profile '" + path + "' started.";
}

const std::string kCompleted25 = "Transfer completed successfully. 25 records transferred.";

// A list file of the given entries, one per line.
std::string WriteList(BatchFolder& folder, const std::string& name, const std::vector<std::string>& entries)
{
    std::string content;
    for (const std::string& entry : entries)
    {
        content += entry + "\r\n";
    }
    folder.WriteFile(name, content);
    return folder.PathOf(name);
}
}

TEST(RunLoop, OneProfileRunsToTheEndAndTheDialogStaysWithoutAutoClose)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    std::string name = UniqueName("Night");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "one.h2p - ZRT (Zerathon)");
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(ControlText(dialog, kRecords), "25");
    EXPECT_EQ(ControlText(dialog, kStatus), "Transfer completed successfully.");
    EXPECT_EQ(ControlText(dialog, kGroup), "");
    EXPECT_EQ(ControlText(dialog, kProfileName), profile);
    EXPECT_EQ(Log(dialog), (std::vector<std::string>{Started(profile), kCompleted25}));
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(events.Failure());
    EXPECT_EQ(folder.ManagerCalls(),
              (std::vector<std::string>{"create ok.csv 1029", "entry 25", "entry 20", "entry 18", "entry 36"}));
    EXPECT_TRUE(process.IsRunning());
    Click(dialog, kStop);
    ASSERT_TRUE(process.WaitExit(15000));
    EXPECT_EQ(process.ExitCode(), 0u);
}

TEST(RunLoop, AutoCloseEndsTheProgramWhenEveryProfileSucceeded)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    std::string name = UniqueName("Auto");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
    ASSERT_TRUE(process.WaitExit(30000));
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(events.Failure());
}

TEST(RunLoop, BlankLinesOfAListAreNoProfiles)
{
    BatchFolder folder;
    std::string first = folder.WriteProfile("a.h2p", "ok.csv", true);
    std::string second = folder.WriteProfile("b.h2p", "ok.csv", true);
    folder.WriteFile("gaps.prl", "\r\n" + first + "\r\n \t\r\n\r\n" + second + "\r\n\r\n\r\n");
    std::string name = UniqueName("Gaps");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + folder.PathOf("gaps.prl"));
    ASSERT_TRUE(process.WaitExit(30000)) << "every profile succeeded, so the run closes by itself";
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(events.Failure());
}

TEST(RunLoop, AFailedProfileDoesNotStopTheListButFailsTheRun)
{
    BatchFolder folder;
    folder.WriteScript("[bad.csv]\r\nResult=0\r\n");
    std::string first = folder.WriteProfile("a.h2p", "ok.csv", true);
    std::string second = folder.WriteProfile("b.h2p", "bad.csv", true);
    std::string third = folder.WriteProfile("c.h2p", "ok.csv", true);
    std::string list = WriteList(folder, "three.prl", {first, second, third});
    std::string name = UniqueName("List");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " \"" + list + "\"");
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(Log(dialog), (std::vector<std::string>{Started(first), kCompleted25, Started(second), "Transfer failed.",
                                                     Started(third), kCompleted25}));
    EXPECT_EQ(ControlText(dialog, kGroup), "Profile 3 of 3");
    EXPECT_TRUE(events.Failure());
    EXPECT_FALSE(events.Success());
    EXPECT_TRUE(AnswersAfterCurrentMessage(dialog)) << "a failed run never closes by itself";
    EXPECT_TRUE(process.IsRunning());
}

TEST(RunLoop, StopEndsTheRunningProfileAndStartsNoOther)
{
    BatchFolder folder;
    folder.WriteScript("[hold.csv]\r\nHoldUntilStop=1\r\nAfterStopMs=1500\r\n");
    std::string first = folder.WriteProfile("a.h2p", "ok.csv", true);
    std::string second = folder.WriteProfile("b.h2p", "hold.csv", true);
    std::string third = folder.WriteProfile("c.h2p", "ok.csv", true);
    std::string list = WriteList(folder, "three.prl", {first, second, third});
    std::string name = UniqueName("Stop");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + list);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] {
        return ControlText(dialog, kGroup) == "Profile 2 of 3" && ControlText(dialog, kStatus) == "Transfer running...";
    }));
    ASSERT_TRUE(WaitUntil(
        [&] { return std::regex_match(ControlText(dialog, kTime), std::regex("0d 00h 00m 0[0-9]s")); }, 3000));
    Click(dialog, kStop);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer terminating..."; }));
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the dialog waits, disabled, for the transfer to end";
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(ControlText(dialog, kStatus), "Transfer canceled by user.");
    std::vector<std::string> log = Log(dialog);
    EXPECT_EQ(log,
              (std::vector<std::string>{Started(first), kCompleted25, Started(second), "Transfer canceled by user."}));
    EXPECT_TRUE(events.Failure());
    EXPECT_FALSE(events.Success());
    std::vector<std::string> calls = folder.ManagerCalls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("create", 0) == 0; }),
              2);
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
}

TEST(RunLoop, StopBeforeTheTransferOpensKeepsTheTimeFrozen)
{
    BatchFolder folder;
    folder.WriteScript("[late.csv]\r\nStopBeforeOpen=1\r\nAfterStopMs=2500\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "late.csv", true);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer starting..."; }));
    Click(dialog, kStop);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer terminating..."; }));
    // The manager holds the stop for 2.5 s, over two ticks of the clock. The time may change only with the end of
    // the transfer: once the message that changed it has been handled, the status is no longer "terminating".
    const std::string frozen = ControlText(dialog, kTime);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kTime) != frozen || Ended(dialog); }));
    ASSERT_TRUE(AnswersAfterCurrentMessage(dialog));
    EXPECT_NE(ControlText(dialog, kStatus), "Transfer terminating...") << "the clock ran on after the stop";
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(ControlText(dialog, kStatus), "Transfer canceled by user.");
}

TEST(RunLoop, ClosingAndEnterAreRefusedWhileATransferRuns)
{
    BatchFolder folder;
    folder.WriteScript("[hold.csv]\r\nHoldUntilStop=1\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "hold.csv", true);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer running..."; }));
    for (int command : {IDCANCEL, IDOK})
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        HWND box = process.WaitBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ControlText(box, 0xFFFF), "You cannot close the application while the transfer is running.");
        Click(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(ControlText(dialog, kStatus), "Transfer running...");
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    HWND box = process.WaitBox();
    ASSERT_NE(box, nullptr);
    Click(box, IDOK);
    Click(dialog, kStop);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(process.WaitExit(15000)) << "after the end Esc closes the dialog";
}

TEST(RunLoop, ARequestThatCannotBePostedFailsTheProfile)
{
    BatchFolder folder;
    folder.WriteScript("[default]\r\nPostFails=1\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "any.csv", true);
    std::string name = UniqueName("Post");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    std::vector<std::string> log = Log(dialog);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind("Error ZRM004:", 0), 0u);
    EXPECT_EQ(log[2], "Transfer failed.");
    EXPECT_TRUE(events.Failure());
    EXPECT_EQ(folder.ManagerCalls().back(), "entry 36") << "the manager is released";
}

TEST(RunLoop, ProfilesThatCannotBeOpenedFailOneByOne)
{
    BatchFolder folder;
    std::string foreign = folder.WriteProfile("foo.h2p", "ok.csv", true, "FOO");
    std::string missing = folder.PathOf("missing.h2p");
    folder.WriteFile("strict.h2p", "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\n");
    std::string strict = folder.PathOf("strict.h2p");
    std::string tooLong = folder.PathOf(std::string(300, 'x') + ".h2p");
    std::string list = WriteList(folder, "bad.prl", {foreign, missing, tooLong, strict});
    std::string name = UniqueName("Bad");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + list);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    auto noConnection = [](const std::string& path) {
        return ShownInLog("Error ZRG017: Unable to retrieve connection type from the profile specified. The profile " +
                          path +
                          " is either corrupted or does not exist. If you used the ZRT Scheduler, verify that "
                          "the profile name is correct; otherwise, recreate the profile.");
    };
    std::vector<std::string> log = Log(dialog);
    ASSERT_EQ(log.size(), 12u);
    EXPECT_EQ(log[1], noConnection(foreign));
    EXPECT_EQ(log[4], noConnection(missing));
    EXPECT_EQ(log[7], noConnection(tooLong)) << "a path too long for Windows fails alone";
    EXPECT_EQ(log[10].rfind("Error ZRG005: Unable to open the profile because the '", 0), 0u) << log[10];
    for (size_t i : {2u, 5u, 8u, 11u})
    {
        EXPECT_EQ(log[i], "Transfer failed.");
    }
    EXPECT_TRUE(folder.ManagerCalls().empty()) << "no manager is made for a profile that cannot be read";
    EXPECT_TRUE(events.Failure());
    EXPECT_FALSE(events.Success());
}

TEST(RunLoop, ARelativeProfilePathIsReadFromTheWorkingFolder)
{
    BatchFolder folder;
    folder.WriteProfile("one.h2p", "ok.csv", true, "hllapi");
    std::string name = UniqueName("Rel");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " one.h2p", folder.Path());
    ASSERT_TRUE(events.WaitEither(30000));
    EXPECT_TRUE(events.Success()) << "a relative path and a connection in lower case are both accepted";
    EXPECT_TRUE(process.WaitExit(15000));
}

TEST(RunLoop, AManagerThatCannotBeMadeFailsTheProfile)
{
    BatchFolder folder;
    folder.WriteScript("[default]\r\nFactoryFails=1\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(Log(dialog), (std::vector<std::string>{Started(profile), "Error ZRG014: Unable to create the ZRM object.",
                                                     "Transfer failed."}));
}

TEST(RunLoop, AFloodOfRecordCountsEndsWithTheLastCountShownAndLogged)
{
    BatchFolder folder;
    folder.WriteScript("[default]\r\nRecords=100005\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(ControlText(dialog, kRecords), "100005");
    EXPECT_EQ(Log(dialog).back(), "Transfer completed successfully. 100005 records transferred.");
}

TEST(RunLoop, ATransferWithoutRecordCountsLogsZeroRecords)
{
    BatchFolder folder;
    folder.WriteScript("[default]\r\nRecords=0\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    EXPECT_EQ(Log(dialog).back(), "Transfer completed successfully. 0 records transferred.");
}

TEST(RunLoop, TheSystemMenuOpensTheAboutBox)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    PostMessageA(dialog, WM_SYSCOMMAND, 16, 0);
    HWND about = process.WaitDialog([](const std::string& caption) { return caption == "About ZRT"; });
    ASSERT_NE(about, nullptr);
    std::vector<std::string> modules = ListViewColumn(GetDlgItem(about, 1019), 0);
    EXPECT_NE(std::find(modules.begin(), modules.end(), "ZRTBATCH.EXE"), modules.end());
    EXPECT_NE(std::find(modules.begin(), modules.end(), "ZRTMGR.DLL"), modules.end());
    Click(about, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
}

TEST(RunLoop, ALanguageLibraryGivesTheWindowTextsWhileLogLinesStayTheProgramsOwn)
{
    BatchFolder folder;
    folder.CopyFromBuild("variants\\zrtbatch-language\\Zrtbatch.dll", "Zrtbatch.dll");
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr) << "a dialog the library lacks comes from the program";
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close (test language)"; }));
    EXPECT_EQ(ControlText(dialog, kStatus), "Transfer completed (test language).");
    EXPECT_EQ(ControlText(dialog, kTime).substr(0, 3), "0d ") << "texts the library lacks come from the program";
    EXPECT_EQ(Log(dialog), (std::vector<std::string>{Started(profile), kCompleted25}));
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
}
