// Zrtbatch's start-up as a scheduler or an icon starts it: command lines, profile lists, missing libraries, and the
// starter's events.
#include "BatchDriver.h"
#include "OwnedHandles.h"

#include <gtest/gtest.h>

namespace
{
const int kErrorListBox = 1126;
const int kLogList = 1118;

std::string UniqueName(const char* stem)
{
    return std::string(stem) + std::to_string(GetCurrentProcessId()) + "x" + std::to_string(GetTickCount());
}

// The error list's lines, then closes it.
std::vector<std::string> CloseErrorList(const BatchProcess& process)
{
    HWND list = process.WaitBox();
    if (!list)
    {
        return {};
    }
    std::vector<std::string> lines = ListBoxLines(GetDlgItem(list, kErrorListBox));
    Click(list, IDCANCEL);
    return lines;
}
}

TEST(Startup, AnEmptyCommandLineShowsZRG004AndEnds)
{
    BatchFolder folder;
    BatchProcess process(folder.Path(), "");
    std::vector<std::string> lines = CloseErrorList(process);
    EXPECT_EQ(lines, (std::vector<std::string>{"Error ZRG004: The icon is corrupted: the profile is missing in the "
                                               "command line. Create the icon again. "}));
    ASSERT_TRUE(process.WaitExit(15000));
    EXPECT_EQ(process.ExitCode(), 0u);
    EXPECT_EQ(process.FindDialog([](const std::string&) { return true; }), nullptr);
}

TEST(Startup, AnEventWithoutAProfileShowsZRG004AndSetsFailure)
{
    BatchFolder folder;
    for (const char* rest : {"", " ", " \"\""})
    {
        SCOPED_TRACE(rest);
        std::string name = UniqueName("Empty");
        StarterEvents events(name);
        BatchProcess process(folder.Path(), "/Event:" + name + rest);
        EXPECT_EQ(CloseErrorList(process),
                  (std::vector<std::string>{"Error ZRG004: The icon is corrupted: the profile is missing in the "
                                            "command line. Create the icon again. "}));
        ASSERT_TRUE(process.WaitExit(15000));
        EXPECT_TRUE(events.Failure());
        EXPECT_FALSE(events.Success());
    }
}

// A scheduler never waits on a person: Failure is set while the error list is still open.
TEST(Startup, ABadListOrExtensionSetsFailureBeforeTheErrorListIsClosed)
{
    BatchFolder folder;
    folder.WriteFile("empty.prl", "");
    folder.WriteFile("blank.prl", "\r\n  \r\n");
    struct Case
    {
        std::string path;
        std::string line;
    };
    auto noProfile = [&](const char* name) {
        return "Error ZRG009: The profile list file " + folder.PathOf(name) + " contains no profile. ";
    };
    const std::string missing = folder.PathOf("missing.prl");
    const std::string text = folder.PathOf("a.txt");
    for (const Case& c : {Case{folder.PathOf("empty.prl"), noProfile("empty.prl")},
                          Case{folder.PathOf("blank.prl"), noProfile("blank.prl")},
                          Case{missing, "Error ZRG007: Unable to open the file " + missing +
                                            ". Check that the file is "
                                            "not shared by another application and try again. If this doesn't work, "
                                            "recreate the profile. "},
                          Case{text, "Error ZRG003: The icon is corrupted: the profile " + text +
                                         " has an incorrect extension. Create the icon again. "}})
    {
        SCOPED_TRACE(c.path);
        std::string name = UniqueName("Night");
        StarterEvents events(name);
        BatchProcess process(folder.Path(), "/Event:" + name + " " + c.path);
        ASSERT_TRUE(events.WaitEither(15000));
        EXPECT_TRUE(events.Failure());
        EXPECT_FALSE(events.Success());
        EXPECT_EQ(CloseErrorList(process), std::vector<std::string>{c.line});
        ASSERT_TRUE(process.WaitExit(15000));
        EXPECT_FALSE(events.Success());
    }
}

TEST(Startup, AReadOnlyListRuns)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    folder.WriteFile("fixed.prl", profile + "\r\n");
    std::string list = folder.PathOf("fixed.prl");
    ASSERT_TRUE(SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_READONLY));
    std::string name = UniqueName("Fixed");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + list);
    ASSERT_TRUE(events.WaitEither(30000));
    EXPECT_TRUE(events.Success());
    EXPECT_TRUE(process.WaitExit(15000));
    SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Startup, ProfileListsThatCannotBeUsed)
{
    BatchFolder folder;
    folder.WriteFile("empty.prl", "");
    {
        std::string quoted = '"' + folder.PathOf("empty.prl") + '"';
        BatchProcess process(folder.Path(), quoted);
        EXPECT_EQ(CloseErrorList(process),
                  (std::vector<std::string>{"Error ZRG009: The profile list file " + folder.PathOf("empty.prl") +
                                            " contains no profile. "}));
        EXPECT_TRUE(process.WaitExit(15000));
    }
    folder.WriteFile("locked.PRL", folder.PathOf("a.h2p") + "\r\n");
    OwnedFile lock(
        CreateFileA(folder.PathOf("locked.PRL").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.Get(), INVALID_HANDLE_VALUE);
    {
        BatchProcess process(folder.Path(), folder.PathOf("locked.PRL"));
        EXPECT_EQ(CloseErrorList(process),
                  (std::vector<std::string>{"Error ZRG007: Unable to open the file " + folder.PathOf("locked.PRL") +
                                            ". Check that the file is not shared by another application and try "
                                            "again. If this doesn't work, recreate the profile. "}));
        EXPECT_TRUE(process.WaitExit(15000));
    }
}

TEST(Startup, AMissingOrDamagedManagerLibraryEndsWithFailure)
{
    struct Case
    {
        ManagerFile manager;
        std::string line;
    };
    for (const Case& c :
         {Case{ManagerFile::Missing, "Error ZRG001: Unable to load Zrtmgr.dll. Reinstall the software. "},
          Case{ManagerFile::NoExport, "Error ZRG013: The file Zrtmgr.dll is corrupted. Reinstall the "
                                      "software. "}})
    {
        BatchFolder folder(c.manager);
        std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
        std::string name = UniqueName("Mgr");
        StarterEvents events(name);
        BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
        EXPECT_EQ(CloseErrorList(process), std::vector<std::string>{c.line});
        ASSERT_TRUE(process.WaitExit(15000));
        EXPECT_TRUE(events.Failure());
        EXPECT_FALSE(events.Success());
    }
}

TEST(Startup, AMissingVersionLibraryStillSetsTheFailureEvent)
{
    BatchFolder folder(ManagerFile::Fake, false);
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    std::string name = UniqueName("Ver");
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
    HWND list = process.WaitBox();
    ASSERT_NE(list, nullptr) << "the error list is captioned ZRT without the version library too";
    EXPECT_EQ(ListBoxLines(GetDlgItem(list, kErrorListBox)),
              (std::vector<std::string>{"Error ZRG001: Unable to load Zrtver.dll. Reinstall the software. "}));
    Click(list, IDCANCEL);
    ASSERT_TRUE(process.WaitExit(15000));
    EXPECT_TRUE(events.Failure());
}

TEST(Startup, AnEventNameOfAnyLengthIsTakenWhole)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    std::string name = UniqueName("AnEventNameFarLongerThanNineteenCharacters");
    StarterEvents events(name);
    StarterEvents truncated(name.substr(0, 19));
    BatchProcess process(folder.Path(), "/Event:" + name + " " + profile);
    ASSERT_TRUE(events.WaitEither(30000));
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(truncated.Success());
    EXPECT_FALSE(truncated.Failure());
    EXPECT_TRUE(process.WaitExit(15000));
}

TEST(Startup, ALowerCasePrefixIsPartOfThePath)
{
    BatchFolder folder;
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", true);
    std::string tail = "/event:Night " + profile;
    BatchProcess process(folder.Path(), tail);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, 1008) == "Close"; }));
    std::vector<std::string> log = ListViewColumn(GetDlgItem(dialog, kLogList), 2);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], ShownInLog("Error ZRG017: Unable to retrieve connection type from the profile specified. The "
                                 "profile " +
                                 tail +
                                 " is either corrupted or does not exist. If you used the ZRT "
                                 "Scheduler, verify that the profile name is correct; otherwise, recreate the "
                                 "profile."));
    EXPECT_TRUE(folder.ManagerCalls().empty());
}
