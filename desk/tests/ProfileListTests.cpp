// Profile lists in Zrtdesk: opening, the empty new list, the checks before a save, moving, removing and adding
// entries, and the modified state that decides whether Zrtdesk asks before a list is left.
#include "DeskSession.h"
#include "ProfileFiles.h"
#include "WindowPicture.h"
#include "ZRProfileListFile.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

namespace
{
const int kFileNew = 57600;
const int kFileSave = 57603;
const int kFileSaveAs = 57604;
const int kFileExit = 57665;
const int kRecentFile2 = 57617;
const int kNewKinds = 1075;
const int kProfileListKind = 4;
const int kBrowse = 1004;
const int kMoveUp = 1013;
const int kMoveDown = 1014;
const int kRemove = 1065;
const int kAddProfile = 1066;
const int kFileName = 1148;
const int kFileFilter = 1136;

HWND Panel(HWND frame)
{
    HWND view = FindWindowExA(frame, nullptr, "#32770", nullptr);
    return view ? FindWindowExA(view, nullptr, "#32770", nullptr) : nullptr;
}

// Selects the entry and waits for its panel.
HWND SelectEntry(HWND frame, const std::string& path)
{
    if (!SelectTreeViewItem(MainTree(frame), path) ||
        !WaitUntil([&] { return GetDlgItem(Panel(frame), kMoveUp) && TreeViewSelection(MainTree(frame)) == path; }))
    {
        return nullptr;
    }
    return Panel(frame);
}

std::vector<TreeLine> ListTree(const std::vector<std::string>& paths)
{
    std::vector<TreeLine> lines{{0, "Profiles"}};
    for (const std::string& path : paths)
    {
        // A label holds at most 259 characters.
        lines.push_back({1, path.size() < 260 ? path : path.substr(0, 256) + "..."});
    }
    return lines;
}

std::string ListBytes(const std::vector<std::string>& paths)
{
    std::string bytes;
    for (const std::string& path : paths)
    {
        bytes += path + "\r\n";
    }
    return bytes;
}

// Chooses "Profile List" on the New page of the start-up sheet or of File New's sheet; gives the sheet.
HWND ChooseNewList(DeskSession& session, const std::string& caption)
{
    HWND sheet = session.WaitDialog(caption);
    if (!sheet)
    {
        return nullptr;
    }
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SelectListViewRow(GetDlgItem(page, kNewKinds), kProfileListKind);
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    return sheet;
}

HWND NewListFromSheet(DeskSession& session)
{
    return ChooseNewList(session, "ZRT Open Profile") ? session.WaitMainFrame() : nullptr;
}

// Types `path` into the file dialog that `button` of the panel opens and confirms it.
bool ChooseInFileDialog(DeskSession& session, HWND panel, int button, const std::string& path,
                        std::string* shown = nullptr)
{
    Click(panel, button);
    HWND dialog = session.WaitDialog("Open");
    if (!dialog)
    {
        return false;
    }
    if (shown)
    {
        *shown = ControlText(dialog, kFileName);
    }
    SetDlgItemTextA(dialog, kFileName, path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(dialog); });
}

bool ExitsWithoutQuestion(DeskSession& session, HWND frame)
{
    FrameCommand(frame, kFileExit);
    return WaitUntil([&] { return !IsWindow(frame); }, 5000) && !session.HasBox();
}
}

TEST(DeskProfileList, OpensInFileOrderAndSavesTheSameEntriesBack)
{
    DeskSession session;
    const std::vector<std::string> three{session.PathOf("a.h2p"), session.PathOf("b.p2h"), session.PathOf("c.h2p")};
    std::string list = session.WriteFile("three.prl", ListBytes(three));
    // Written by hand: blank lines, a Ctrl-Z at the end, a path longer than a tree label.
    std::string longPath = session.PathOf(std::string(300, 'x') + ".h2p");
    std::string handBytes = "\r\n" + three[0] + "\r\n\r\n  \r\n" + longPath + "\r\n" + three[2] + "\r\n\x1A";
    std::string hand = session.WriteFile("hand.prl", handBytes);
    std::vector<std::string> handEntries;
    ASSERT_EQ(ReadProfileListFile(hand, handEntries), ProfileListResult::Read);
    session.SetRecentFiles({hand});
    std::vector<TreeLine> tree;
    std::vector<TreeLine> handTree;
    std::string title;
    std::string saved;
    bool quiet = false;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, list);
        ASSERT_NE(frame, nullptr);
        tree = TreeViewItems(MainTree(frame));
        title = WindowText(frame);
        WriteFileBytes(list, "changed on disk\r\n");
        FrameCommand(frame, kFileSave);
        WaitUntil([&] { return FileSizeWithoutOpening(list) == ListBytes(three).size(); });
        saved = ReadFileBytes(list);
        FrameCommand(frame, kRecentFile2);
        WaitUntil([&] { return WindowText(frame) == "hand.prl - ZRT (Zerathon)"; });
        handTree = TreeViewItems(MainTree(frame));
        quiet = ExitsWithoutQuestion(s, frame);
    });
    EXPECT_EQ(tree, ListTree(three));
    EXPECT_EQ(title, "three.prl - ZRT (Zerathon)");
    EXPECT_EQ(saved, ListBytes(three));
    EXPECT_EQ(handEntries, (std::vector<std::string>{three[0], longPath, three[2]}));
    EXPECT_EQ(handTree, ListTree(handEntries)) << "Zrtdesk and Zrtbatch read a list the same way";
    EXPECT_TRUE(quiet) << "an opened list is not modified";
    EXPECT_EQ(ReadFileBytes(hand), handBytes);
}

TEST(DeskProfileList, TheNewListIsEmptyAndAnEmptyListIsNeverWritten)
{
    DeskSession session;
    std::string target = session.PathOf("x.prl");
    std::vector<TreeLine> tree;
    std::string title;
    std::string addButton;
    std::string proposed;
    std::string filter;
    DeskBox saveAsBox;
    DeskBox saveBox;
    bool started = session.Run([&](DeskSession& s) {
        HWND frame = NewListFromSheet(s);
        ASSERT_NE(frame, nullptr);
        WaitUntil([&] { return IsWindowVisible(frame) && GetDlgItem(Panel(frame), kAddProfile); });
        tree = TreeViewItems(MainTree(frame));
        title = WindowText(frame);
        addButton = ControlText(Panel(frame), kAddProfile);
        FrameCommand(frame, kFileSaveAs);
        HWND dialog = s.WaitDialog("Save As");
        ASSERT_NE(dialog, nullptr);
        proposed = ControlText(dialog, kFileName);
        filter = ControlText(dialog, kFileFilter);
        SetDlgItemTextA(dialog, kFileName, target.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        saveAsBox = s.AnswerBox(IDOK);
        FrameCommand(frame, kFileSave);
        saveBox = s.AnswerBox(IDOK);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_TRUE(started);
    EXPECT_EQ(tree, ListTree({}));
    EXPECT_EQ(title, "Untitled - ZRT (Zerathon)");
    EXPECT_EQ(addButton, "&Add Profile...");
    EXPECT_NE(proposed.find("Untitled.prl"), std::string::npos) << proposed;
    EXPECT_EQ(filter, "Profile Lists (.prl)");
    EXPECT_EQ(saveAsBox.text, "Error ZRH024: You cannot save an empty profile list.");
    EXPECT_EQ(saveBox.text, saveAsBox.text) << "Save checks the list before it asks for a name";
    EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(DeskProfileList, AnEntryThatNamesNoProfileStopsTheSaveAndIsSelected)
{
    DeskSession session;
    const std::vector<std::string> paths{session.PathOf("a.H2P"), session.PathOf("b.P2h"), session.PathOf("d.txt"),
                                         session.PathOf("e?.h2p")};
    std::string list = session.WriteFile("bad.prl", ListBytes(paths));
    std::string missing = session.PathOf("gone.prl");
    session.SetRecentFiles({missing});
    DeskBox invalid;
    std::string selected;
    DeskBox wildcard;
    std::string wildcardSelected;
    DeskBox openBox;
    std::vector<TreeLine> missingTree;
    std::string missingTitle;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, list);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kFileSave);
        invalid = s.AnswerBox(IDOK);
        WaitUntil([&] { return TreeViewSelection(MainTree(frame)) == paths[2]; });
        selected = TreeViewSelection(MainTree(frame));
        Click(SelectEntry(frame, paths[2]), kRemove);
        s.AnswerBox(IDYES);
        FrameCommand(frame, kFileSave);
        wildcard = s.AnswerBox(IDOK);
        WaitUntil([&] { return TreeViewSelection(MainTree(frame)) == paths[3]; });
        wildcardSelected = TreeViewSelection(MainTree(frame));
        FrameCommand(frame, kRecentFile2);
        s.AnswerBox(IDNO);
        openBox = s.AnswerBox();
        WaitUntil([&] { return WindowText(frame) == "gone.prl - ZRT (Zerathon)"; });
        missingTitle = WindowText(frame);
        missingTree = TreeViewItems(MainTree(frame));
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(invalid.text, "Error ZRH007: Parameter 'Profile name' is invalid.");
    EXPECT_EQ(selected, paths[2]);
    EXPECT_EQ(wildcard.text, invalid.text);
    EXPECT_EQ(wildcardSelected, paths[3]);
    EXPECT_EQ(ReadFileBytes(list), ListBytes(paths));
    EXPECT_EQ(openBox.lines, std::vector<std::string>{"Error ZRH012: Unable to open the file " + missing +
                                                      ". Check that the file is not write-protected nor shared by "
                                                      "another application. "});
    EXPECT_EQ(missingTree, ListTree({}));
    EXPECT_EQ(missingTitle, "gone.prl - ZRT (Zerathon)");
}

TEST(DeskProfileList, MovingAndRemovingChangeTheListAndAnotherListForgetsUnsavedChanges)
{
    DeskSession session;
    const std::string a = session.PathOf("a.h2p");
    const std::string b = session.PathOf("b.p2h");
    const std::string c = session.PathOf("c.h2p");
    std::string list = session.WriteFile("three.prl", ListBytes({a, b, c}));
    const std::vector<std::string> two{session.PathOf("x.h2p"), session.PathOf("y.h2p")};
    std::string other = session.WriteFile("two.prl", ListBytes(two));
    session.SetRecentFiles({other});
    std::vector<std::pair<bool, bool>> upDown;
    bool arrows = false;
    std::vector<TreeLine> moved;
    std::string movedSelection;
    DeskBox removeQuestion;
    std::vector<TreeLine> removed;
    std::string afterSave;
    DeskBox leaveQuestion;
    DeskBox newQuestion;
    bool quiet = false;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, list);
        ASSERT_NE(frame, nullptr);
        for (const std::string& path : {a, b, c})
        {
            HWND panel = SelectEntry(frame, path);
            ASSERT_NE(panel, nullptr) << path;
            upDown.emplace_back(IsWindowEnabled(GetDlgItem(panel, kMoveUp)) != FALSE,
                                IsWindowEnabled(GetDlgItem(panel, kMoveDown)) != FALSE);
            arrows = SendDlgItemMessageA(panel, kMoveUp, BM_GETIMAGE, IMAGE_ICON, 0) != 0 &&
                     SendDlgItemMessageA(panel, kMoveDown, BM_GETIMAGE, IMAGE_ICON, 0) != 0;
        }
        RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        TakeWindowPicture(frame).Save("desk-profile-list-entry");
        Click(SelectEntry(frame, b), kMoveUp);
        WaitUntil([&] { return TreeViewItems(MainTree(frame)) == ListTree({b, a, c}); });
        moved = TreeViewItems(MainTree(frame));
        movedSelection = TreeViewSelection(MainTree(frame));
        Click(SelectEntry(frame, c), kRemove);
        removeQuestion = s.AnswerBox(IDYES);
        WaitUntil([&] { return TreeViewItems(MainTree(frame)).size() == 3; });
        removed = TreeViewItems(MainTree(frame));
        FrameCommand(frame, kFileSave);
        WaitUntil([&] { return FileSizeWithoutOpening(list) == ListBytes({b, a}).size(); });
        afterSave = ReadFileBytes(list);

        // A saved list is left without a question; changes to the next one are asked about, and No forgets them.
        FrameCommand(frame, kRecentFile2);
        WaitUntil([&] { return WindowText(frame) == "two.prl - ZRT (Zerathon)"; });
        Click(SelectEntry(frame, two[0]), kMoveDown);
        WaitUntil([&] { return TreeViewSelection(MainTree(frame)) == two[0] && Panel(frame); });
        FrameCommand(frame, kRecentFile2);
        leaveQuestion = s.AnswerBox(IDNO);
        WaitUntil([&] { return WindowText(frame) == "three.prl - ZRT (Zerathon)"; });

        // The list just opened is unchanged: moving in it and then making a new list asks once.
        Click(SelectEntry(frame, a), kMoveUp);
        WaitUntil([&] { return TreeViewItems(MainTree(frame)) == ListTree({a, b}); });
        FrameCommand(frame, kFileNew);
        HWND sheet = ChooseNewList(s, "ZRT New Profile");
        ASSERT_NE(sheet, nullptr);
        newQuestion = s.AnswerBox(IDNO);
        WaitUntil([&] { return !IsWindow(sheet) && WindowText(frame) == "Untitled - ZRT (Zerathon)"; });
        quiet = ExitsWithoutQuestion(s, frame);
    });
    EXPECT_EQ(upDown, (std::vector<std::pair<bool, bool>>{{false, true}, {true, true}, {true, false}}));
    EXPECT_TRUE(arrows) << "the Move buttons show their arrows";
    EXPECT_EQ(moved, ListTree({b, a, c}));
    EXPECT_EQ(movedSelection, b);
    EXPECT_EQ(removeQuestion.text, "Do you really want to remove the profile, " + c + "?");
    EXPECT_EQ(removed, ListTree({b, a}));
    EXPECT_EQ(afterSave, ListBytes({b, a}));
    EXPECT_EQ(leaveQuestion.text, "Save changes to " + other + "?");
    EXPECT_EQ(ReadFileBytes(other), ListBytes(two));
    EXPECT_EQ(newQuestion.text, "Save changes to " + list + "?");
    EXPECT_EQ(ReadFileBytes(list), ListBytes({b, a}));
    EXPECT_TRUE(quiet) << "a new list is not modified";
}

TEST(DeskProfileList, AddProfileAndBrowseTakeTheChosenFullPaths)
{
    DeskSession session;
    const std::string first = session.PathOf("first.h2p");
    const std::string second = session.PathOf("second.p2h");
    const std::string replaced = session.PathOf("replaced.h2p");
    const std::string target = session.PathOf("made.prl");
    std::vector<TreeLine> added;
    std::string offered;
    std::vector<TreeLine> browsed;
    DeskBox exitQuestion;
    session.Run([&](DeskSession& s) {
        HWND frame = NewListFromSheet(s);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(Panel(frame), kAddProfile) != nullptr; }));
        for (const std::string& path : {first, second})
        {
            ASSERT_TRUE(ChooseInFileDialog(s, Panel(frame), kAddProfile, path));
            WaitUntil([&] { return TreeViewItems(MainTree(frame)).back().text == path; });
        }
        added = TreeViewItems(MainTree(frame));
        HWND panel = SelectEntry(frame, first);
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(ChooseInFileDialog(s, panel, kBrowse, replaced, &offered));
        WaitUntil([&] { return TreeViewItems(MainTree(frame)) == ListTree({replaced, second}); });
        browsed = TreeViewItems(MainTree(frame));
        FrameCommand(frame, kFileExit);
        exitQuestion = s.AnswerBox(IDYES);
        HWND dialog = s.WaitDialog("Save As");
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextA(dialog, kFileName, target.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(added, ListTree({first, second}));
    EXPECT_NE(offered.find("first.h2p"), std::string::npos) << "Browse starts from the entry's path: " << offered;
    EXPECT_EQ(browsed, ListTree({replaced, second}));
    EXPECT_EQ(exitQuestion.text, "Save changes to Untitled?");
    EXPECT_EQ(ReadFileBytes(target), ListBytes({replaced, second}));
}
