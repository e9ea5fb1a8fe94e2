// What reaches the main window while a box of the program is up: closes and commands are not acted on, and
// nothing under the box is taken away; once the box is answered the program works and closes as before.
#include "DeskSession.h"
#include "ProfileFiles.h"

#include <gtest/gtest.h>

namespace
{
const int kFileNew = 57600;
const int kFileOpen = 57601;
const int kFileSave = 57603;
const int kFileSaveAs = 57604;
const int kFileExit = 57665;
const int kFileRun = 32772;
}

TEST(DeskModal, CloseAndCommandsDuringTheInvalidParameterBoxOfASaveAreNotActedOn)
{
    DeskSession session;
    std::string profile = session.WriteProfile("nomember.h2p", "ok.csv", "");
    std::string before = ReadFileBytes(profile);
    DeskBox box;
    bool frameStayed = false;
    std::string title;
    std::vector<TreeLine> treeBefore;
    std::vector<TreeLine> treeAfter;
    std::vector<HWND> dialogsAfter;
    bool closedAfterwards = false;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        treeBefore = TreeViewItems(MainTree(frame));
        FrameCommand(frame, kFileSave);
        HWND dialog = s.WaitDialog("ZRT");
        ASSERT_NE(dialog, nullptr);
        // All of these are queued ahead of the box's answer, so the box's loop meets them while it is up.
        PostMessageA(frame, WM_CLOSE, 0, 0);
        PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        for (int id : {kFileExit, kFileNew, kFileOpen, kFileSave, kFileSaveAs, kFileRun})
        {
            FrameCommand(frame, id);
        }
        box = s.AnswerBox(IDOK);
        // Whatever loop runs now has handled what came before this.
        SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
        frameStayed = IsWindow(frame) && IsWindowEnabled(frame);
        title = WindowText(frame);
        treeAfter = TreeViewItems(MainTree(frame));
        dialogsAfter = TopLevelWindows(WindowQuery{GetCurrentProcessId(), "#32770", {}});
        FrameCommand(frame, kFileExit);
        closedAfterwards = WaitUntil([&] { return !IsWindow(frame); }, 10000);
    });
    EXPECT_EQ(box.text, "Error ZRH007: Parameter 'Host member name' is invalid.");
    EXPECT_TRUE(frameStayed);
    EXPECT_EQ(title, "nomember.h2p - ZRT (Zerathon)");
    EXPECT_FALSE(treeBefore.empty());
    EXPECT_EQ(treeAfter, treeBefore);
    EXPECT_TRUE(dialogsAfter.empty()) << "no command opened a window of its own";
    EXPECT_TRUE(closedAfterwards) << "File Exit closes once the box is answered";
    EXPECT_EQ(ReadFileBytes(profile), before);
}
