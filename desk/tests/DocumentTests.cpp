// The main window, its tree and the document: opening, saving, refusing files that cannot be read, New.
#include "DeskSession.h"
#include "OwnedHandles.h"
#include "ProfileDocManager.h"
#include "ProfileFiles.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
const int kFileSave = 57603;
const int kFileNew = 57600;
const int kFileExit = 57665;
const int kRecentFile2 = 57617;
const int kFileRun = 32772;

HWND ToolBar(HWND frame)
{
    return FindWindowExA(frame, nullptr, TOOLBARCLASSNAMEA, nullptr);
}

bool RunEnabled(HWND frame)
{
    return SendMessageA(ToolBar(frame), TB_ISBUTTONENABLED, kFileRun, 0) != 0;
}

// The tree of DeskSession's profile whose PC file is `pcFile`.
std::vector<TreeLine> As400ToPcTree(const std::string& pcFile)
{
    return {{0, "Profile"},
            {1, "General <AS/400-to-PC via HLLAPI, Database>"},
            {2, "Code page conversion <EBCDIC-to-ANSI>"},
            {1, "Host"},
            {2, "Short HLLAPI name <A (available)>"},
            {2, "Location <QGPL/CUSTOMER(CUSTOMER)>"},
            {2, "File type <Data>"},
            {1, "PC"},
            {2, "Location <" + pcFile + ">"},
            {2, "File type <CSV (Comma delimiter)>"},
            {2, "Write mode <Create file>"},
            {1, "Advanced"},
            {2, "Auto close background mode <No>"},
            {2, "Preserve field length <No>"},
            {2, "Decimal symbol <. (dot)>"}};
}
}

TEST(DeskMainWindow, ShowsTheProfileInTheTreeWithItsToolbarAndCannotBeResized)
{
    DeskSession session;
    std::string profile = session.WriteProfile("a.h2p", "ok.csv");
    std::string noMember = session.WriteProfile("nomember.h2p", "ok.csv", "");
    session.SetRecentFiles({noMember});
    std::vector<TreeLine> tree;
    LONG_PTR style = 0;
    int buttons = 0;
    bool runWithMember = false;
    bool runWithoutMember = true;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        tree = TreeViewItems(MainTree(frame));
        style = GetWindowLongPtrA(frame, GWL_STYLE);
        buttons = static_cast<int>(SendMessageA(ToolBar(frame), TB_BUTTONCOUNT, 0, 0));
        runWithMember = WaitUntil([&] { return RunEnabled(frame); }, 5000);
        TakeWindowPicture(frame).Save("desk-main-window");
        FrameCommand(frame, kRecentFile2);
        WaitUntil([&] { return WindowText(frame) == "nomember.h2p - ZRT (Zerathon)"; });
        runWithoutMember = !WaitUntil([&] { return !RunEnabled(frame); }, 5000);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(tree, As400ToPcTree(session.PathOf("ok.csv")));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(buttons, 6);
    EXPECT_TRUE(runWithMember);
    EXPECT_FALSE(runWithoutMember) << "an AS/400 profile without a member cannot run";
}

TEST(DeskDocument, SavesAnUnchangedProfileByteForByteAndAsksBeforeLosingChanges)
{
    DeskSession session;
    std::string profile = session.WriteProfile("same.h2p", "ok.csv");
    std::string before = ReadFileBytes(profile);
    std::string lenient = session.WriteProfile("lenient.h2p", "ok.csv");
    SetProfileValue(lenient, "General", "Character set", nullptr);
    session.SetRecentFiles({lenient});
    DeskBox warning;
    DeskBox question;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        WriteFileBytes(profile, "changed on disk\r\n");
        FrameCommand(frame, kFileSave);
        // The size is read without opening the file, so that the save can put its new file in place.
        WaitUntil([&] { return FileSizeWithoutOpening(profile) == before.size(); });
        FrameCommand(frame, kRecentFile2);
        warning = s.AnswerBox();
        WaitUntil([&] { return WindowText(frame) == "lenient.h2p - ZRT (Zerathon)"; });
        FrameCommand(frame, kFileExit);
        question = s.AnswerBox(IDNO);
    });
    EXPECT_EQ(ReadFileBytes(profile), before);
    EXPECT_EQ(warning.lines, std::vector<std::string>{"Warning ZRH018: Either the entry 'Character set' could not be "
                                                      "read from the profile or it is invalid. The default value will "
                                                      "be used. "});
    EXPECT_EQ(question.text, "Save changes to " + lenient + "?");
    EXPECT_EQ(GetPrivateProfileStringA("General", "Character set", "", nullptr, 0, lenient.c_str()), 0u)
        << "No leaves the file as it was";
}

TEST(DeskDocument, AProfileThatCannotBeReadLeavesTheOpenOneAsItWas)
{
    DeskSession session;
    std::string profile = session.WriteProfile("good.h2p", "ok.csv");
    std::string before = ReadFileBytes(profile);
    std::string sideways = session.WriteProfile("sideways.h2p", "ok.csv");
    SetProfileValue(sideways, "General", "Direction", "Sideways");
    std::string truncated = session.WriteFile("truncated.h2p", before.substr(0, before.find("Host type")));
    std::string list = session.WriteFile("list.h2p", profile + "\r\n");
    std::string locked = session.WriteProfile("locked.h2p", "ok.csv");
    // Another program reads the file and lets nobody write it meanwhile.
    OwnedFile lock(CreateFileA(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock.IsValid());
    std::vector<DeskBox> boxes;
    std::vector<std::string> titles;
    std::vector<TreeLine> tree;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        for (const std::string& other : {sideways, truncated, list, locked})
        {
            PostMessageA(frame, WM_COMMAND, MAKEWPARAM(57601, 0), 0);
            HWND open = s.WaitDialog("Open");
            ASSERT_NE(open, nullptr);
            SetDlgItemTextA(open, 1148, other.c_str());
            PostMessageA(open, WM_COMMAND, IDOK, 0);
            boxes.push_back(s.AnswerBox());
            titles.push_back(WindowText(frame));
        }
        tree = TreeViewItems(MainTree(frame));
        FrameCommand(frame, kFileSave);
        FrameCommand(frame, kFileExit);
    });
    ASSERT_EQ(boxes.size(), 4u);
    for (size_t i = 0; i < 3; ++i)
    {
        const std::string& path = i == 0 ? sideways : i == 1 ? truncated : list;
        EXPECT_EQ(boxes[i].lines,
                  std::vector<std::string>{"Error ZRH014: The profile " + path +
                                           " is corrupted. Use the ZRT Wizard to create a new profile. "});
    }
    EXPECT_EQ(boxes[3].lines, std::vector<std::string>{"Error ZRH012: Unable to open the file " + locked +
                                                       ". Check that the file is not write-protected nor shared by "
                                                       "another application. "});
    EXPECT_EQ(titles, std::vector<std::string>(4, "good.h2p - ZRT (Zerathon)"));
    EXPECT_EQ(tree, As400ToPcTree(session.PathOf("ok.csv")));
    EXPECT_EQ(ReadFileBytes(profile), before);
}

TEST(DeskDocument, NewRunsTheWizardAndItsCancelGivesTheOpenProfileBackWithANewManager)
{
    DeskSession session;
    std::string profile = session.WriteProfile("a.h2p", "ok.csv");
    bool sheetDisabledUnderWizard = false;
    bool sheetStayed = false;
    std::string title;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kFileNew);
        HWND sheet = s.WaitDialog("ZRT New Profile");
        ASSERT_NE(sheet, nullptr);
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND wizard = s.WaitDialog("ZRT - New AS/400-to-PC Profile");
        ASSERT_NE(wizard, nullptr);
        sheetDisabledUnderWizard = GetWindow(wizard, GW_OWNER) == sheet && !IsWindowEnabled(sheet);
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        sheetStayed = WaitUntil([&] { return !IsWindow(wizard) && IsWindowVisible(sheet) && IsWindowEnabled(sheet); },
                                5000);
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        WaitUntil([&] { return !IsWindow(sheet); });
        title = WindowText(frame);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_TRUE(sheetDisabledUnderWizard);
    EXPECT_TRUE(sheetStayed);
    EXPECT_EQ(title, "a.h2p - ZRT (Zerathon)");
    std::vector<std::string> calls = session.ManagerCallsWithoutSessions();
    std::vector<std::string> afterWizard(calls.begin() + 4, calls.end());
    EXPECT_EQ(afterWizard, (std::vector<std::string>{"entry 36", "create  1028", "entry 2", "entry 6", "entry 0",
                                                     "entry 20", "entry 18", "entry 22", "entry 19", "entry 36",
                                                     "create ok.csv 1028", "entry 26", "entry 30", "entry 36"}));
}

TEST(DeskSaveAs, TheProposalReplacesOnlyTheFileNamesExtension)
{
    EXPECT_EQ(ProposeSaveName("C:\\my.dir\\a.h2p", false, "p2h"), "C:\\my.dir\\a.p2h");
    EXPECT_EQ(ProposeSaveName("C:\\my.dir\\profile", false, "h2p"), "C:\\my.dir\\profile.h2p");
    EXPECT_EQ(ProposeSaveName("Untitled", true, "p2h"), "Untitled.p2h");
    EXPECT_EQ(ProposeSaveName("Untitled copy#2", true, "h2p"), "Untitled.h2p");
}

TEST(DeskDocument, AManagerThatCannotBeMadeReadyLeavesAnEmptyUntitledDocumentThatCannotBeSaved)
{
    DeskSession session;
    session.WriteScript("[nobrowser.csv]\r\nFail=30\r\n");
    std::string profile = session.WriteProfile("good.h2p", "ok.csv");
    std::string nobrowser = session.WriteProfile("nobrowser.h2p", "nobrowser.csv");
    session.SetRecentFiles({nobrowser});
    DeskBox box;
    std::string title;
    std::vector<TreeLine> tree;
    bool saveEnabled = true;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kRecentFile2);
        box = s.AnswerBox();
        WaitUntil([&] { return WindowText(frame) == "Untitled - ZRT (Zerathon)"; });
        title = WindowText(frame);
        tree = TreeViewItems(MainTree(frame));
        saveEnabled = !WaitUntil([&] { return SendMessageA(ToolBar(frame), TB_ISBUTTONENABLED, kFileSave, 0) == 0; },
                                 5000);
        FrameCommand(frame, kFileSave);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(box.lines, std::vector<std::string>{"Fake entry 30 failed. "});
    EXPECT_EQ(title, "Untitled - ZRT (Zerathon)");
    EXPECT_TRUE(tree.empty());
    EXPECT_FALSE(saveEnabled);
}

TEST(DeskDocument, SaveAsProposesTheProfilesNameWithItsDirectionsExtensionAndTakesTheNewName)
{
    DeskSession session;
    std::string profile = session.WriteProfile("a.h2p", "ok.csv");
    std::string copy = session.PathOf("copy.h2p");
    std::string proposed;
    std::string filter;
    std::string title;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, 57604);
        HWND dialog = s.WaitDialog("Save As");
        ASSERT_NE(dialog, nullptr);
        proposed = ControlText(dialog, 1148);
        filter = ControlText(dialog, 1136);
        SetDlgItemTextA(dialog, 1148, copy.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return WindowText(frame) == "copy.h2p - ZRT (Zerathon)"; });
        title = WindowText(frame);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_NE(proposed.find("a.h2p"), std::string::npos) << proposed;
    EXPECT_EQ(filter, "Host-to-PC Profiles (.h2p)");
    EXPECT_EQ(title, "copy.h2p - ZRT (Zerathon)");
    EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(profile));
    char first[MAX_PATH] = "";
    DWORD size = sizeof(first);
    RegGetValueA(session.Key().Root(), session.Key().SubkeyPath("Recent File List").c_str(), "File1", RRF_RT_REG_SZ,
                 nullptr, first, &size);
    EXPECT_EQ(std::string(first), copy) << "the recent files are written at exit, newest first";
}
