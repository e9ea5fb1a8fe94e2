// The helpers for programs started as a process, tried on Zrtbatch.exe: its windows found by process, class and
// caption, their texts and list items read from outside, its questions and error list answered, a command posted,
// a picture taken; and a tree view and a list box of a second process read through buffers in that process.
#include "MessageBoxWatcher.h"
#include "ProfileFiles.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"
#include "WindowPicture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;

namespace
{
constexpr int kStop = 1008;
constexpr int kStatus = 1108;
constexpr int kLogList = 1118;

// Zrtbatch in a program folder of its own, with the system's manager, the AS/400 data source over the bridge
// stand-in and the PC-file data source (or without the manager).
void InstallZrtbatch(TempProgramFolder& folder, bool withManager)
{
    folder.CopyFromBuild("Zrtbatch.exe", "Zrtbatch.exe");
    folder.AddVersionLibrary();
    folder.AddCodeTable();
    if (!withManager)
        return;
    for (const char* library : {"Zrtmgr.dll", "Zrtpcfile.dll", "Zrtas400.dll", "KVHLL32.dll"})
        folder.CopyFromBuild(library, library);
}

std::string CustomerProfile(const std::string& csv)
{
    return "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\nHost type=AS/400\r\n"
           "Character set=EBCDIC to ANSI\r\nAuto close=No\r\nTransfer type=Conversion\r\n"
           "[Host request]\r\nPresentation space ID=A\r\nHost file type=Data\r\nDescription file=\r\n"
           "SQL from=QGPL/CUSTOMER(CUSTOMER)\r\n"
           "[PC request]\r\nFilename=" +
           csv +
           "\r\nPC file type=CSV (Comma delimiter)\r\nRemove blanks=Yes\r\n"
           "Decimal char is dot=Yes\r\nPC write mode=Create file\r\n";
}
}

TEST(ProgramWindows, ErrorListOfAnotherProcessIsReadAndAnswered)
{
    TempProgramFolder folder;
    InstallZrtbatch(folder, false);
    folder.WriteFile("one.h2p", CustomerProfile(folder.PathOf("one.csv")));
    ProgramProcess zrtbatch(folder.PathOf("Zrtbatch.exe"), folder.PathOf("one.h2p"));
    MessageBoxWatcher watcher(zrtbatch.Id(), CaptionIs("ZRT"));

    ASSERT_TRUE(watcher.WaitForDialogs(1, 20000));
    EXPECT_TRUE(zrtbatch.WaitExit(15000));

    const std::vector<SeenDialog> seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("ZRT", seen[0].caption);
    EXPECT_THAT(seen[0].listItems, ElementsAre("Error ZRG001: Unable to load Zrtmgr.dll. Reinstall the software. "));
    EXPECT_THAT(seen[0].buttons, ElementsAre("Close"));
    EXPECT_EQ(IDCANCEL, seen[0].answer);
    // The watcher of this process saw nothing of it.
    EXPECT_EQ(nullptr, FindTopLevelWindow({GetCurrentProcessId(), "#32770", CaptionIs("ZRT")}));
}

TEST(ProgramWindows, RunningProgramIsFoundReadAnsweredPicturedAndClosed)
{
    TestRegistryKey options;
    SetEnvironmentVariableA("ZRT_HOST_DIR", (TempProgramFolder::BuildProgramFolder() + "\\host").c_str());
    TempProgramFolder folder;
    InstallZrtbatch(folder, true);
    const std::string csv = folder.PathOf("customer.csv");
    folder.WriteFile("customer.h2p", CustomerProfile(csv));
    folder.WriteFile("customer.csv", "old\r\n");
    ProgramProcess zrtbatch(folder.PathOf("Zrtbatch.exe"), folder.PathOf("customer.h2p"));
    // The PC-file data source asks before it replaces the file: Yes.
    MessageBoxWatcher questions(zrtbatch.Id(), CaptionIs("ZRT"));
    questions.Answer(IDYES);

    HWND dialog = WaitTopLevelWindow({zrtbatch.Id(), "#32770", CaptionEndsWith(" - ZRT (Zerathon)")});
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("customer.h2p - ZRT (Zerathon)", WindowText(dialog));
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000));

    ASSERT_TRUE(questions.WaitForDialogs(1, 1000));
    EXPECT_EQ("The file to be created already exists. Do you want to replace it?", questions.Seen()[0].text);
    EXPECT_EQ(25, LineCount(csv));
    EXPECT_THAT(ChildTexts(dialog, "Button"), Contains("Close"));
    EXPECT_EQ("Transfer completed successfully.", ControlText(dialog, kStatus).substr(0, 32));
    HWND log = GetDlgItem(dialog, kLogList);
    const std::vector<std::string> messages = ListViewColumn(log, 2);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ("Transfer completed successfully. 25 records transferred.", messages.back());
    ASSERT_TRUE(SelectListViewRow(log, static_cast<int>(messages.size()) - 1));
    EXPECT_EQ(static_cast<int>(messages.size()) - 1, ListViewSelection(log));

    const WindowPicture picture = TakeWindowPicture(dialog);
    EXPECT_GT(picture.ColourCount(), 2u) << "the picture is blank";
    const std::string saved = picture.Save("zrtbatch-finished");
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(saved.c_str())) << saved;

    PostCommand(dialog, kStop);
    EXPECT_TRUE(zrtbatch.WaitExit(15000));
    EXPECT_EQ(nullptr, FindTopLevelWindow({zrtbatch.Id(), "", {}}));
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

TEST(ProgramWindows, TreeViewAndListBoxOfAnotherProcessAreRead)
{
    ProgramProcess holder(TempProgramFolder::BuildProgramFolder() + "\\zrt_window_holder.exe",
                          "Profile >General >Host >>Location \"Profiles list\"");
    HWND window = WaitTopLevelWindow({holder.Id(), "ZrtWindowHolder", CaptionIs("ZRT window holder")});
    ASSERT_NE(nullptr, window);

    EXPECT_THAT(TreeViewItems(GetDlgItem(window, 100)),
                ElementsAre(TreeLine{0, "Profile"}, TreeLine{1, "General"}, TreeLine{1, "Host"},
                            TreeLine{2, "Location"}, TreeLine{0, "Profiles list"}));
    EXPECT_EQ("Profiles list", TreeViewSelection(GetDlgItem(window, 100)));
    EXPECT_THAT(ListBoxLines(GetDlgItem(window, 101)),
                ElementsAre("Profile", "General", "Host", "Location", "Profiles list"));

    PostCommand(window, IDOK);
    EXPECT_TRUE(holder.WaitExit(15000));
}
