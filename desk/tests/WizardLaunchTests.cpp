// Zrtdesk.exe as a user starts it: a new profile made with the wizard over the simulated AS/400's sessions, saved,
// and run through the simulated host into the PC file the wizard named.
#include "DeskInstallation.h"
#include "HostStore.h"
#include "OwnedHandles.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

namespace
{
// Page and control ids of the wizard.
const int kTypePage = 181;
const int kSessionPage = 147;
const int kAs400Page = 148;
const int kHostFileTypePage = 150;
const int kPcFileTypePage = 151;
const int kPcFilePage = 146;
const int kPcWriteModePage = 152;
const int kConversionPage = 189;
const int kFinishPage = 145;
const int kSession = 1008;
const int kLibrary = 1011;
const int kFile = 1006;
const int kMember = 1007;
const int kBrowse = 1004;
const int kSummary = 1044;
// Zrtdesk's commands and progress dialog.
const int kFileSave = 57603;
const int kFileRun = 32772;
const int kFileExit = 57665;
const int kStatus = 1108;
const int kStop = 1127;

int CurrentPage(HWND wizard)
{
    LRESULT page = SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0);
    LRESULT index = SendMessageA(wizard, PSM_HWNDTOINDEX, static_cast<WPARAM>(page), 0);
    return static_cast<int>(SendMessageA(wizard, PSM_INDEXTOID, static_cast<WPARAM>(index), 0));
}

HWND PageWindow(HWND wizard)
{
    return reinterpret_cast<HWND>(SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool NextTo(HWND wizard, int page)
{
    PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    return WaitUntil([&] { return CurrentPage(wizard) == page; }, 30000);
}

void SetText(HWND dialog, int id, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Answers a file dialog of the program with a full path.
bool AnswerFileDialog(const ProgramProcess& process, const std::string& caption, const std::string& path)
{
    HWND dialog = WaitTopLevelWindow(WindowQuery{process.Id(), "#32770", CaptionIs(caption)});
    if (!dialog)
    {
        return false;
    }
    SetText(dialog, 1148, path);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(dialog); });
}
}

TEST(DeskWizardLaunch, ANewProfileFromTheWizardRunsThroughTheSimulatedHost)
{
    TempProgramFolder folder;
    TestRegistryKey key;
    SetUpDeskInstallation(folder, key);
    const std::string csv = folder.PathOf("customers.csv");
    const std::string profile = folder.PathOf("customers.h2p");

    ProgramProcess desk(folder.PathOf("Zrtdesk.exe"), "");
    HWND sheet = WaitTopLevelWindow(WindowQuery{desk.Id(), "#32770", CaptionIs("ZRT Open Profile")});
    ASSERT_NE(sheet, nullptr);
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    HWND wizard = WaitTopLevelWindow(WindowQuery{desk.Id(), "#32770", CaptionIs("ZRT - New AS/400-to-PC Profile")});
    ASSERT_NE(wizard, nullptr);
    ASSERT_EQ(CurrentPage(wizard), kTypePage);
    ASSERT_TRUE(NextTo(wizard, kSessionPage));
    EXPECT_EQ(ControlText(PageWindow(wizard), kSession).substr(0, 1), "A");
    ASSERT_TRUE(NextTo(wizard, kAs400Page));
    SetText(PageWindow(wizard), kLibrary, "QGPL");
    SetText(PageWindow(wizard), kFile, "CUSTOMER");
    SetText(PageWindow(wizard), kMember, "CUSTOMER");
    ASSERT_TRUE(NextTo(wizard, kHostFileTypePage));
    ASSERT_TRUE(NextTo(wizard, kPcFileTypePage));
    ASSERT_TRUE(NextTo(wizard, kPcFilePage));
    PostMessageA(PageWindow(wizard), WM_COMMAND, MAKEWPARAM(kBrowse, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(PageWindow(wizard), kBrowse)));
    ASSERT_TRUE(AnswerFileDialog(desk, "Open", csv));
    ASSERT_TRUE(NextTo(wizard, kPcWriteModePage));
    ASSERT_TRUE(NextTo(wizard, kConversionPage));
    ASSERT_TRUE(NextTo(wizard, kFinishPage));
    EXPECT_NE(ControlText(PageWindow(wizard), kSummary).find("Host library name:  QGPL\r\n"), std::string::npos);
    PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);

    HWND frame = WaitTopLevelWindow(WindowQuery{desk.Id(), "ZrtFwFrame", CaptionEndsWith(" - ZRT (Zerathon)")});
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileSave, 0), 0);
    ASSERT_TRUE(AnswerFileDialog(desk, "Save As", profile));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(frame) == "customers.h2p - ZRT (Zerathon)"; }));

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileRun, 0), 0);
    HWND progress = WaitTopLevelWindow(WindowQuery{desk.Id(), "#32770", CaptionIs("ZRT Progress Report")});
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntil(
        [&] {
            return ControlText(progress, kStop) == "Close" &&
                   ControlText(progress, kStatus) == "Transfer completed successfully.";
        },
        60000))
        << ControlText(progress, kStatus);
    PostMessageA(progress, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(progress); }));
    EXPECT_FALSE(FileLines(csv).empty());
    char from[64] = {};
    GetPrivateProfileStringA("Host request", "SQL from", "", from, sizeof(from), profile.c_str());
    EXPECT_STREQ(from, "QGPL/CUSTOMER(CUSTOMER)");

    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileExit, 0), 0);
    EXPECT_TRUE(desk.WaitExit(15000));
}
