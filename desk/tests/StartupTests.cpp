// Zrtdesk's start-up and exit, and the start-up sheet with its name checks.
#include "DeskSession.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
const int kExistingName = 1076;

std::vector<std::string> TabTexts(HWND sheet)
{
    std::vector<std::string> texts;
    HWND tabs = FindWindowExA(sheet, nullptr, "SysTabControl32", nullptr);
    int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

// Shows page `index` of the sheet and gives its window.
HWND ShowPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

DWORD RegistryNumber(const TestRegistryKey& key, const char* name)
{
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof(value);
    RegGetValueA(key.Root(), key.SubkeyPath("ZRT").c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}
}

TEST(DeskStartup, AMissingOrBrokenLibraryIsListedAndNoSheetAppears)
{
    struct Case
    {
        DeskManager manager;
        bool versionLibrary;
        const char* line;
    };
    for (const Case& c :
         {Case{DeskManager::Missing, true, "Error ZRH001: Unable to load Zrtmgr.dll. Reinstall the software. "},
          Case{DeskManager::NoExport, true, "Error ZRH021: The file Zrtmgr.dll is corrupted. Reinstall the software. "},
          Case{DeskManager::Fake, false, "Error ZRH001: Unable to load Zrtver.dll. Reinstall the software. "}})
    {
        DeskSession session(c.manager, c.versionLibrary);
        DeskBox box;
        bool sheetSeen = true;
        bool started = session.Run([&](DeskSession& s) {
            box = s.AnswerBox();
            sheetSeen = s.WaitDialog("ZRT Open Profile", 1500) != nullptr;
        });
        EXPECT_FALSE(started);
        EXPECT_EQ(box.lines, std::vector<std::string>{c.line});
        EXPECT_FALSE(sheetSeen);
    }
}

TEST(DeskStartup, TheSheetHasThreePagesAndCancelEndsTheProgramWritingTheOptions)
{
    DeskSession session;
    std::vector<std::string> tabs;
    bool started = session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        tabs = TabTexts(sheet);
        TakeWindowPicture(sheet).Save("desk-startup-sheet");
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(started);
    EXPECT_EQ(tabs, (std::vector<std::string>{"New", "Existing", "Imported"}));
    EXPECT_EQ(RegistryNumber(session.Key(), "HLLAPI timeout DDS"), 60u) << "the missing options are written at exit";
    EXPECT_EQ(RegistryNumber(session.Key(), "Decimal char is dot"), 1u);
}

TEST(DeskStartup, TheExistingPageChecksTheNameBeforeItOpens)
{
    DeskSession session;
    std::string good = session.WriteProfile("good.h2p", "ok.csv");
    std::string wrong = session.WriteFile("notes.txt", "x");
    std::string gone = session.PathOf("gone.h2p");
    session.SetRecentFiles({gone, good});
    std::vector<std::string> texts;
    std::string shownFirst;
    std::string title;
    bool started = session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        HWND page = ShowPage(sheet, 1);
        shownFirst = ControlText(page, kExistingName);
        for (const std::string& name : {std::string(), wrong, gone})
        {
            SetDlgItemTextA(page, kExistingName, name.c_str());
            PostMessageA(sheet, WM_COMMAND, IDOK, 0);
            texts.push_back(s.AnswerBox(IDOK).text);
        }
        SetDlgItemTextA(page, kExistingName, good.c_str());
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        WaitUntil([&] { return IsWindowVisible(frame) != FALSE; });
        title = WindowText(frame);
        PostCommand(frame, 57665);
    });
    EXPECT_TRUE(started);
    EXPECT_EQ(shownFirst, gone) << "the recent files are offered, newest first";
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  "Error ZRH004: The filename is not defined.",
                  "Error ZRH003: The file " + wrong + " has the wrong extension. Verify that the filename is correct.",
                  "Error ZRH002: The file " + gone + " was not found. Verify that the path and filename are correct.",
              }));
    EXPECT_EQ(title, "good.h2p - ZRT (Zerathon)");
    EXPECT_EQ(session.ManagerCallsWithoutSessions(),
              (std::vector<std::string>{"create ok.csv 1028", "entry 0", "entry 3", "entry 30", "entry 36"}));
}
