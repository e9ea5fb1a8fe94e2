// New from the start-up sheet and from the File menu: the wizard runs over the sheet, its Cancel keeps the sheet,
// its Finish gives a new document that saves as the profile the pages describe.
#include "DeskSession.h"
#include "ProfileFiles.h"
#include "WizardIds.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <commctrl.h>

namespace
{
const int kFileSave = 57603;
const int kFileExit = 57665;

int CurrentPage(HWND wizard)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0));
    LRESULT index = SendMessageA(wizard, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0);
    return static_cast<int>(SendMessageA(wizard, PSM_INDEXTOID, static_cast<WPARAM>(index), 0));
}

HWND PageWindow(HWND wizard)
{
    return reinterpret_cast<HWND>(SendMessageA(wizard, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// Presses Next and waits for the page after it.
bool NextTo(HWND wizard, int page)
{
    PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    return WaitUntil([&] { return CurrentPage(wizard) == page; }, 10000);
}

std::string ReadKey(const std::string& path, const char* section, const char* key)
{
    char text[300] = {};
    GetPrivateProfileStringA(section, key, "(none)", text, sizeof(text), path.c_str());
    return text;
}
}

TEST(DeskWizard, CancelOnTheStartupSheetsNewPageKeepsTheSheetOpen)
{
    DeskSession session;
    bool sheetDisabledUnderWizard = false;
    bool sheetStayed = false;
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND wizard = s.WaitDialog("ZRT - New AS/400-to-PC Profile");
        ASSERT_NE(wizard, nullptr);
        sheetDisabledUnderWizard = GetWindow(wizard, GW_OWNER) == sheet && !IsWindowEnabled(sheet);
        ASSERT_TRUE(NextTo(wizard, IDD_SESSION_ID_PAGE));
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        sheetStayed = WaitUntil([&] { return !IsWindow(wizard) && IsWindowVisible(sheet) && IsWindowEnabled(sheet); },
                                5000);
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(sheetDisabledUnderWizard);
    EXPECT_TRUE(sheetStayed);
}

TEST(DeskWizard, FinishFromTheStartupSheetGivesANewDocumentThatSavesAsItsProfile)
{
    DeskSession session;
    const std::string pcFile = session.PathOf("out.csv");
    const std::string saved = session.PathOf("t.h2p");
    std::string summary;
    std::string sessionText;
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND wizard = s.WaitDialog("ZRT - New AS/400-to-PC Profile");
        ASSERT_NE(wizard, nullptr);
        ASSERT_TRUE(NextTo(wizard, IDD_SESSION_ID_PAGE));
        sessionText = WindowText(GetDlgItem(PageWindow(wizard), IDC_WIZ_SESSION));
        ASSERT_TRUE(NextTo(wizard, IDD_AS400_DESTINATION_PAGE));
        SetDlgItemTextA(PageWindow(wizard), IDC_WIZ_LIBRARY, "LIB");
        SetDlgItemTextA(PageWindow(wizard), IDC_WIZ_FILE, "F");
        ASSERT_TRUE(NextTo(wizard, IDD_HOST_FILE_TYPE_PAGE));
        ASSERT_TRUE(NextTo(wizard, IDD_PC_FILE_TYPE_PAGE));
        ASSERT_TRUE(NextTo(wizard, IDD_PC_DESTINATION_PAGE));
        HWND page = PageWindow(wizard);
        PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_WIZ_BROWSE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_WIZ_BROWSE)));
        HWND open = s.WaitDialog("Open");
        ASSERT_NE(open, nullptr);
        SetDlgItemTextA(open, 1148, pcFile.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(open); }));
        ASSERT_TRUE(NextTo(wizard, IDD_PC_WRITE_MODE_PAGE));
        ASSERT_TRUE(NextTo(wizard, IDD_CODE_PAGE_CONVERSION_PAGE));
        ASSERT_TRUE(NextTo(wizard, IDD_FINISH_PAGE));
        summary = WindowText(GetDlgItem(PageWindow(wizard), IDC_WIZ_SUMMARY));
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileSave, 0), 0);
        HWND saveAs = s.WaitDialog("Save As");
        ASSERT_NE(saveAs, nullptr);
        SetDlgItemTextA(saveAs, 1148, saved.c_str());
        PostMessageA(saveAs, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return WindowText(frame) == "t.h2p - ZRT (Zerathon)"; }));
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(sessionText, "A (available)");
    EXPECT_EQ(summary, "Profile type:  AS/400-to-PC via HLLAPI, Database\r\nCode page conversion:  EBCDIC-to-ASCII\r\n"
                       "Short HLLAPI name:  A\r\nHost library name:  LIB\r\nHost filename:  F\r\n"
                       "Host member name:  *FIRST\r\nHost file type:  Data\r\nPC filename:  " +
                           pcFile + "\r\nPC file type:  CSV (Comma delimiter)\r\nPC write mode:  Create file\r\n");
    EXPECT_EQ(ReadKey(saved, "General", "Connection"), "HLLAPI");
    EXPECT_EQ(ReadKey(saved, "General", "Transfer type"), "Conversion");
    EXPECT_EQ(ReadKey(saved, "General", "Character set"), "EBCDIC to ASCII");
    EXPECT_EQ(ReadKey(saved, "Host request", "Presentation space ID"), "A");
    EXPECT_EQ(ReadKey(saved, "Host request", "SQL from"), "LIB/F(*FIRST)");
    EXPECT_EQ(ReadKey(saved, "Host request", "Host file type"), "Data");
    EXPECT_EQ(ReadKey(saved, "PC request", "Filename"), pcFile);
}

TEST(DeskWizard, AHostThatCannotBeConnectedKeepsTheSessionPageAndListsWhy)
{
    DeskSession session;
    session.WriteScript("[default]\r\nFail=3\r\n");
    DeskBox errors;
    bool stayed = false;
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND wizard = s.WaitDialog("ZRT - New AS/400-to-PC Profile");
        ASSERT_NE(wizard, nullptr);
        ASSERT_TRUE(NextTo(wizard, IDD_SESSION_ID_PAGE));
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        errors = s.AnswerBox();
        stayed = WaitUntil([&] { return !s.HasBox(); }, 5000) && CurrentPage(wizard) == IDD_SESSION_ID_PAGE;
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        WaitUntil([&] { return !IsWindow(wizard); });
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_NE(std::find(errors.lines.begin(), errors.lines.end(), "Fake entry 3 failed. "), errors.lines.end())
        << (errors.lines.empty() ? errors.text : errors.lines[0]);
    EXPECT_TRUE(stayed);
}
