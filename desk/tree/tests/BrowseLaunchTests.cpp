// Host browsing from the AS/400 location panel of Zrtdesk.exe started as a user would: the system's own manager and
// AS/400 library, the emulator bridge over the simulated host and the host browser in its scripted pick mode. The
// chosen library, file and member come back into the panel and into the saved profile; the field list of the
// file and the records of the member reach the browser.
#include "DeskInstallation.h"
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
const int kLibrary = 1011;
const int kFile = 1006;
const int kMember = 1007;
const int kBrowseLibrary = 1009;
const int kBrowseFile = 1010;
const int kBrowseMember = 1012;
const int kDds = 1013;
const int kView = 1014;
const int kConfirmYes = 1114;
const int kConfirmDontAsk = 1117;
const int kFileSave = 57603;
const int kFileExit = 57665;

HTREEITEM Next(HWND tree, HTREEITEM node, UINT relation)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node)));
}

// The panel of the selected item: the view's child dialog that holds `controlId`.
HWND PanelWith(HWND view, int controlId)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND child = GetWindow(view, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            {
                if (GetDlgItem(child, controlId))
                {
                    found = child;
                }
            }
            return found != nullptr;
        },
        10000);
    return found;
}

// The time of the file's last write, read without opening it; 0 while it is missing.
ULONGLONG LastWriteOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    {
        return 0;
    }
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

std::string SavedLocation(const std::string& path)
{
    char text[64] = "";
    GetPrivateProfileStringA("Host request", "SQL from", "", text, sizeof(text), path.c_str());
    return text;
}

}

TEST(DeskBrowse, TheSimulatedHostsNamesComeBackIntoTheLocationAndTheSavedProfile)
{
    TempProgramFolder folder;
    TestRegistryKey key;
    SetUpDeskInstallation(folder, key);
    folder.WriteFile("browse.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", "C:\\out.csv", false));
    std::string profile = folder.PathOf("browse.h2p");
    std::string script = folder.PathOf("browse.ini");
    SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", script.c_str());
    // A list to choose from gets the named row; a list that is only shown (fields, records) is closed.
    auto choose = [&](const char* name) {
        std::string action = name ? std::string("Choose\r\nName=") + name : std::string("Cancel");
        folder.WriteFile("browse.ini", "[Browse]\r\nAction=" + action + "\r\nTrace=browse.log\r\n");
    };

    ProgramProcess desk(folder.PathOf("Zrtdesk.exe"), "");
    HWND sheet = WaitTopLevelWindow(WindowQuery{desk.Id(), "#32770", CaptionIs("ZRT Open Profile")});
    ASSERT_NE(sheet, nullptr);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendMessageA(GetDlgItem(page, kExistingName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(profile.c_str()));
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    HWND frame = WaitTopLevelWindow(WindowQuery{desk.Id(), "ZrtFwFrame", CaptionIs("browse.h2p - ZRT (Zerathon)")});
    ASSERT_NE(frame, nullptr);
    HWND view = FindWindowExA(frame, nullptr, "#32770", nullptr);
    HWND tree = GetDlgItem(view, 1001);
    HTREEITEM host = Next(tree, Next(tree, Next(tree, nullptr, TVGN_ROOT), TVGN_CHILD), TVGN_NEXT);
    HTREEITEM location = Next(tree, Next(tree, host, TVGN_CHILD), TVGN_NEXT);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(location));
    HWND panel = PanelWith(view, kBrowseLibrary);
    ASSERT_NE(panel, nullptr);

    struct Step
    {
        int button;
        const char* name;
    };
    const Step steps[] = {{kBrowseLibrary, "SALES"},
                          {kBrowseFile, "ORDERS"},
                          {kBrowseMember, "ORDERS"},
                          {kDds, nullptr},
                          {kView, nullptr}};
    for (const Step& step : steps)
    {
        choose(step.name);
        PostMessageA(GetDlgItem(panel, step.button), BM_CLICK, 0, 0);
        if (step.button == kBrowseLibrary)
        {
            HWND confirm = WaitTopLevelWindow(WindowQuery{desk.Id(), "#32770", CaptionIs("ZRT")});
            ASSERT_NE(confirm, nullptr);
            ASSERT_NE(GetDlgItem(confirm, kConfirmDontAsk), nullptr);
            SendMessageA(GetDlgItem(confirm, kConfirmDontAsk), BM_SETCHECK, BST_CHECKED, 0);
            PostMessageA(confirm, WM_COMMAND, kConfirmYes, 0);
        }
        std::string log = folder.PathOf("browse.log");
        ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(log).find("Close") != std::string::npos; }, 20000));
        ASSERT_TRUE(desk.WaitForIdle(10000));
        // The frame is enabled again once the browse has ended, and stays so once Zrtdesk's loop has run: a box left
        // up after the browse (an error list) would have disabled it again.
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 10000)) << step.button;
        SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
        ASSERT_TRUE(IsWindowEnabled(frame)) << step.button;
        std::string trace = ReadFileBytes(log);
        DeleteFileA(log.c_str());
        if (step.button == kDds)
        {
            EXPECT_NE(trace.find("request=COLUMNS library=SALES file=ORDERS"), std::string::npos) << trace;
            EXPECT_NE(trace.find("Row "), std::string::npos) << trace;
        }
        if (step.button == kView)
        {
            EXPECT_NE(trace.find("request=DATA library=SALES file=ORDERS member=ORDERS"), std::string::npos) << trace;
        }
    }
    EXPECT_EQ(ControlText(panel, kLibrary), "SALES");
    EXPECT_EQ(ControlText(panel, kFile), "ORDERS");
    EXPECT_EQ(ControlText(panel, kMember), "ORDERS");
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    desk.WaitForIdle(5000);
    TakeWindowPicture(frame).Save("ptree-browse-as400-location");

    // The profile is read only once the saved file has replaced it: a reader holding the file meanwhile would make
    // the save fail.
    ULONGLONG before = LastWriteOf(profile);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileSave, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return LastWriteOf(profile) != before; }, 10000));
    EXPECT_EQ(SavedLocation(profile), "SALES/ORDERS(ORDERS)");
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kFileExit, 0), 0);
    EXPECT_TRUE(desk.WaitExit(15000));
    SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", nullptr);
}
