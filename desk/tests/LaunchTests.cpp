// Zrtdesk.exe started as a user would, with the system's own manager and data sources, the emulator bridge and the
// host browser stand-ins: the start-up sheet, a profile opened and run through the simulated AS/400, the PC file
// compared with the one Zrtbatch writes from the same profile.
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
const int kFileExit = 57665;

// A program folder as an installation has it, with the options of an unattended machine.
class Installation
{
public:
    Installation()
    {
        for (const char* file : {"Zrtdesk.exe", "Zrtbatch.exe", "Zrtmgr.dll", "Zrtpcfile.dll", "Zrtas400.dll",
                                 "Zrts36.dll", "KVHLL32.dll", "Zrthostview.dll"})
        {
            m_folder.CopyFromBuild(file, file);
        }
        m_folder.AddVersionLibrary();
        m_folder.AddCodeTable();
        UseCopyOfSampleStore(m_folder.ParentPath() + "\\store");
        m_key.SwitchOffFileConfirmations();
    }

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
