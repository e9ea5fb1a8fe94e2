// Zrtdesk.exe started as a user would, with the system's own manager and data sources, the emulator bridge and the
// host browser stand-ins: the start-up sheet, a profile opened and run through the simulated AS/400, the PC file
// compared with the one Zrtbatch writes from the same profile; a profile list made in Zrtdesk and run by Zrtbatch.
#include "DeskInstallation.h"
#include "HostStore.h"
#include "OwnedHandles.h"
#include "ProfileFiles.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

namespace
{
const int kExistingName = 1076;
const int kStatus = 1108;
const int kRecords = 1029;
const int kStop = 1127;
const int kFileRun = 32772;
const int kFileOpen = 57601;
const int kFileSaveAs = 57604;
const int kFileExit = 57665;
const int kNewKinds = 1075;
const int kProfileListKind = 4;
const int kAddProfile = 1066;
const int kFileName = 1148;
const int kBatchGroup = 1001;
const int kBatchStop = 1008;

// A program folder as an installation has it, with the options of an unattended machine.
class Installation
{
public:
    Installation() { SetUpDeskInstallation(m_folder, m_key, true); }

    std::string PathOf(const std::string& name) const { return m_folder.PathOf(name.c_str()); }
    void WriteFile(const std::string& name, const std::string& content) { m_folder.WriteFile(name.c_str(), content); }

private:
    TempProgramFolder m_folder;
    TestRegistryKey m_key;
};

// A picture of a window once it has painted everything.
void Picture(const ProgramProcess& process, HWND window, const std::string& name)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    process.WaitForIdle(5000);
    TakeWindowPicture(window).Save(name);
}

WindowQuery Dialogs(const ProgramProcess& process, const std::string& caption)
{
    return WindowQuery{process.Id(), "#32770", CaptionIs(caption)};
}

// Types a full path into the file dialog of that caption and confirms it.
bool AnswerFileDialog(const ProgramProcess& process, const std::string& caption, const std::string& path)
{
    HWND dialog = WaitTopLevelWindow(Dialogs(process, caption));
    if (!dialog)
    {
        return false;
    }
    SendMessageA(GetDlgItem(dialog, kFileName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(dialog); });
}

std::string TreeLastText(HWND tree)
{
    std::vector<TreeLine> lines = TreeViewItems(tree);
    return lines.empty() ? std::string() : lines.back().text;
}
}

TEST(DeskLaunch, AProfileOpenedFromTheSheetRunsThroughTheSimulatedHostAsZrtbatchRunsIt)
{
    Installation installation;
    std::string deskCsv = installation.PathOf("desk.csv");
    std::string batchCsv = installation.PathOf("batch.csv");
    installation.WriteFile("desk.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", deskCsv, false));
    installation.WriteFile("batch.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", batchCsv, true));
    std::string profile = installation.PathOf("desk.h2p");

    ProgramProcess batch(installation.PathOf("Zrtbatch.exe"), "\"" + installation.PathOf("batch.h2p") + "\"");
    ASSERT_TRUE(batch.WaitExit(60000));

    ProgramProcess desk(installation.PathOf("Zrtdesk.exe"), "");
    HWND sheet = WaitTopLevelWindow(Dialogs(desk, "ZRT Open Profile"));
    ASSERT_NE(sheet, nullptr);
    Picture(desk, sheet, "desk-launch-startup-sheet");
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendMessageA(GetDlgItem(page, kExistingName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(profile.c_str()));
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);

    HWND frame = WaitTopLevelWindow(WindowQuery{desk.Id(), "ZrtFwFrame", CaptionIs("desk.h2p - ZRT (Zerathon)")});
    ASSERT_NE(frame, nullptr);
    HWND view = FindWindowExA(frame, nullptr, "#32770", nullptr);
    std::vector<TreeLine> tree = TreeViewItems(GetDlgItem(view, 1001));
    EXPECT_EQ(tree, (std::vector<TreeLine>{{0, "Profile"},
                                           {1, "General <AS/400-to-PC via HLLAPI, Database>"},
                                           {2, "Code page conversion <EBCDIC-to-ANSI>"},
                                           {1, "Host"},
                                           {2, "Short HLLAPI name <A (available)>"},
                                           {2, "Location <QGPL/CUSTOMER(CUSTOMER)>"},
                                           {2, "File type <Data>"},
                                           {1, "PC"},
                                           {2, "Location <" + deskCsv + ">"},
                                           {2, "File type <CSV (Comma delimiter)>"},
                                           {2, "Write mode <Create file>"},
                                           {1, "Advanced"},
                                           {2, "Auto close background mode <No>"},
                                           {2, "Preserve field length <No>"},
                                           {2, "Decimal symbol <. (dot)>"}}));
    Picture(desk, frame, "desk-launch-main-window");

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileRun, 0), 0);
    HWND progress = WaitTopLevelWindow(Dialogs(desk, "ZRT Progress Report"));
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntil(
        [&] {
            return ControlText(progress, kStop) == "Close" &&
                   ControlText(progress, kStatus) == "Transfer completed successfully.";
        },
        60000))
        << ControlText(progress, kStatus);
    Picture(desk, progress, "desk-launch-progress-dialog");
    std::vector<std::string> lines = FileLines(deskCsv);
    EXPECT_EQ(ControlText(progress, kRecords), std::to_string(lines.size()));
    PostMessageA(progress, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(progress); }));

    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(ReadFileBytes(deskCsv), ReadFileBytes(batchCsv));

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileExit, 0), 0);
    EXPECT_TRUE(desk.WaitExit(15000));
}

TEST(DeskLaunch, AProfileListMadeInZrtdeskRunsInZrtbatchAndAListWrittenByHandReadsTheSameInBoth)
{
    Installation installation;
    const std::string oneCsv = installation.PathOf("one.csv");
    const std::string twoCsv = installation.PathOf("two.csv");
    installation.WriteFile("one.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", oneCsv, true));
    installation.WriteFile("two.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", twoCsv, true));
    const std::string one = installation.PathOf("one.h2p");
    const std::string two = installation.PathOf("two.h2p");
    const std::string made = installation.PathOf("made.prl");
    const std::string longPath = installation.PathOf(std::string(300, 'x') + ".h2p");
    installation.WriteFile("hand.prl", "\r\n" + one + "\r\n\r\n \t\r\n" + longPath + "\r\n" + two + "\r\n\x1A");
    const std::string hand = installation.PathOf("hand.prl");

    ProgramProcess desk(installation.PathOf("Zrtdesk.exe"), "");
    HWND sheet = WaitTopLevelWindow(Dialogs(desk, "ZRT Open Profile"));
    ASSERT_NE(sheet, nullptr);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_TRUE(SelectListViewRow(GetDlgItem(page, kNewKinds), kProfileListKind));
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    HWND frame = WaitTopLevelWindow(WindowQuery{desk.Id(), "ZrtFwFrame", CaptionIs("Untitled - ZRT (Zerathon)")});
    ASSERT_NE(frame, nullptr);
    HWND view = FindWindowExA(frame, nullptr, "#32770", nullptr);
    HWND tree = GetDlgItem(view, 1001);
    for (const std::string& path : {one, two})
    {
        HWND panel = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            panel = FindWindowExA(view, nullptr, "#32770", nullptr);
            return panel && GetDlgItem(panel, kAddProfile);
        }));
        Click(panel, kAddProfile);
        ASSERT_TRUE(AnswerFileDialog(desk, "Open", path));
        ASSERT_TRUE(WaitUntil([&] { return TreeLastText(tree) == path; }));
    }
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileSaveAs, 0), 0);
    ASSERT_TRUE(AnswerFileDialog(desk, "Save As", made));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(frame) == "made.prl - ZRT (Zerathon)"; }));
    Picture(desk, frame, "desk-launch-profile-list");
    EXPECT_EQ(ReadFileBytes(made), one + "\r\n" + two + "\r\n");

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileOpen, 0), 0);
    ASSERT_TRUE(AnswerFileDialog(desk, "Open", hand));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(frame) == "hand.prl - ZRT (Zerathon)"; }));
    EXPECT_EQ(TreeViewItems(tree),
              (std::vector<TreeLine>{{0, "Profiles"}, {1, one}, {1, longPath.substr(0, 256) + "..."}, {1, two}}));
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileExit, 0), 0);
    EXPECT_TRUE(desk.WaitExit(15000));

    ProgramProcess batch(installation.PathOf("Zrtbatch.exe"), "\"" + made + "\"");
    ASSERT_TRUE(batch.WaitExit(60000)) << "both profiles ran, so Zrtbatch closed by itself";
    std::vector<std::string> lines = FileLines(oneCsv);
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(ReadFileBytes(twoCsv), ReadFileBytes(oneCsv));

    // The same three entries in Zrtbatch: the path too long for Windows fails alone, the others run.
    DeleteFileA(oneCsv.c_str());
    DeleteFileA(twoCsv.c_str());
    ProgramProcess handRun(installation.PathOf("Zrtbatch.exe"), "\"" + hand + "\"");
    HWND dialog = WaitTopLevelWindow(Dialogs(handRun, "hand.prl - ZRT (Zerathon)"), 60000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kBatchStop) == "Close"; }, 60000));
    EXPECT_EQ(ControlText(dialog, kBatchGroup), "Profile 3 of 3");
    EXPECT_EQ(FileLines(oneCsv), lines);
    EXPECT_EQ(FileLines(twoCsv), lines);
}
