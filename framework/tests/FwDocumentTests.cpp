// The single-document flow and command routing: documents, template, frame, form view and recent files.
#include "FwApp.h"
#include "FwDocument.h"
#include "FwFrameWnd.h"
#include "FwModule.h"
#include "FwProbeDialog.h"
#include "FwResourceIds.h"
#include "FwTestIds.h"
#include "FwView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_events;
bool g_newSucceeds = true;
bool g_docCommandEnabled = true;
bool g_closeDuringQuestion = false;
// What reaches the program while the modal dialog of ID_FW_MODAL_COMMAND is up; it gets the dialog.
std::function<void(HWND)> g_whileModal;

class TestDocument : public CFwDocument
{
    FW_DECLARE_MESSAGE_MAP()

public:
    BOOL OnNewDocument() override { return CFwDocument::OnNewDocument() && g_newSucceeds; }
    // The question itself is a message box; here the user always answers No.
    BOOL SaveModified() override
    {
        if (IsModified())
        {
            g_events.push_back("save question");
            // Another close arrives while the question is open.
            if (g_closeDuringQuestion)
            {
                SendMessageA(GetDocTemplate()->GetFrame()->GetSafeHwnd(), WM_CLOSE, 0, 0);
            }
        }
        return TRUE;
    }
    LRESULT OnDocCommand(WPARAM, LPARAM)
    {
        g_events.push_back("document");
        return 0;
    }
    // A command that opens a modal dialog over the frame.
    LRESULT OnModalCommand(WPARAM, LPARAM)
    {
        CProbeDialog dialog([](CProbeDialog& d) { g_whileModal(d.GetSafeHwnd()); });
        dialog.DoModal();
        g_events.push_back("modal ended");
        return 0;
    }
    LRESULT OnUpdateDocCommand(WPARAM, LPARAM ui)
    {
        reinterpret_cast<CFwCmdUI*>(ui)->Enable(g_docCommandEnabled);
        return 0;
    }
};

const FwMessageMap* TestDocument::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FW_DOC_COMMAND, &TestDocument::OnDocCommand),
        FW_ON_COMMAND(ID_FW_SHARED_COMMAND, &TestDocument::OnDocCommand),
        FW_ON_COMMAND(ID_FW_MODAL_COMMAND, &TestDocument::OnModalCommand),
        FW_ON_UPDATE_COMMAND_UI(ID_FW_DOC_COMMAND, &TestDocument::OnUpdateDocCommand),
    };
    static const FwMessageMap map{CFwDocument::ClassMessageMap(), entries};
    return &map;
}

class TestView : public CFwFormView
{
    FW_DECLARE_MESSAGE_MAP()

public:
    TestView() : CFwFormView(IDD_FW_FORM) {}
    void OnInitialUpdate() override { g_events.push_back("initial update"); }
    LRESULT OnViewCommand(WPARAM, LPARAM)
    {
        g_events.push_back("view");
        return 0;
    }
};

const FwMessageMap* TestView::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FW_VIEW_COMMAND, &TestView::OnViewCommand),
        FW_ON_COMMAND(ID_FW_SHARED_COMMAND, &TestView::OnViewCommand),
    };
    static const FwMessageMap map{CFwFormView::ClassMessageMap(), entries};
    return &map;
}

class TestApp : public CFwApp
{
    FW_DECLARE_MESSAGE_MAP()

public:
    BOOL InitInstance() override { return TRUE; }
    LRESULT OnAppCommand(WPARAM, LPARAM)
    {
        g_events.push_back("application");
        return 0;
    }
};

const FwMessageMap* TestApp::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FW_APP_COMMAND, &TestApp::OnAppCommand),
    };
    static const FwMessageMap map{CFwApp::ClassMessageMap(), entries};
    return &map;
}

// One program's document flow for a test.
struct Session
{
    Session()
    {
        g_events.clear();
        g_newSucceeds = true;
        g_docCommandEnabled = true;
        g_closeDuringQuestion = false;
        app.AddDocTemplate(std::make_unique<CFwDocTemplate>(
            IDR_FW_DOC, [] { return new TestDocument; }, [] { return new CFwFrameWnd; }, [] { return new TestView; }));
    }
    ~Session()
    {
        app.CloseDocumentFlow();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
        }
        FwSetMainWindow(nullptr);
    }
    CFwFrameWnd* Frame() const { return app.GetDocTemplate()->GetFrame(); }
    void Command(UINT id) const { SendMessageA(Frame()->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    TestApp app;
};

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    std::ofstream(path) << "x";
    return path;
}
}

TEST(FwDocumentFlow, AFailedFirstNewLeavesNoFrameAndASuccessfulOneMakesTheMainWindow)
{
    Session session;
    g_newSucceeds = false;
    EXPECT_EQ(session.app.OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(session.Frame(), nullptr);
    EXPECT_EQ(session.app.GetDocTemplate()->GetDocument(), nullptr);
    EXPECT_EQ(FwGetMainWindow(), nullptr);

    g_newSucceeds = true;
    CFwDocument* document = session.app.OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(FwGetMainWindow(), session.Frame()->GetSafeHwnd());
    EXPECT_EQ(TextOf(session.Frame()->GetSafeHwnd()), "Untitled - Fw Test");
    EXPECT_EQ(g_events, std::vector<std::string>{"initial update"});

    g_newSucceeds = false;
    EXPECT_EQ(session.app.OpenDocumentFile(nullptr), nullptr);
    EXPECT_NE(session.Frame(), nullptr) << "a frame made earlier stays";
}

TEST(FwDocumentFlow, OpenSetsPathTitleAndRecentFilesAndAFailedOpenKeepsTheModifiedFlag)
{
    Session session;
    HKEY root = HKEY_CURRENT_USER;
    std::string storage = "Software\\ZRT tests\\framework-" + std::to_string(GetCurrentProcessId());
    session.app.LoadStdProfileSettings(4, root, storage);
    std::string path = TempFile("fw-open.txt");
    CFwDocument* document = session.app.OpenDocumentFile(path.c_str());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TextOf(session.Frame()->GetSafeHwnd()), "fw-open.txt - Fw Test");
    EXPECT_EQ(session.app.GetRecentFileList()->GetEntry(0), document->GetPathName());

    document->SetModifiedFlag(TRUE);
    DeleteFileA(path.c_str());
    EXPECT_EQ(session.app.OpenDocumentFile(path.c_str()), nullptr);
    EXPECT_EQ(g_events.back(), "save question");
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(TextOf(session.Frame()->GetSafeHwnd()), "fw-open.txt - Fw Test");
    document->SetModifiedFlag(FALSE);
    RegDeleteTreeA(root, storage.c_str());
}

TEST(FwDocumentFlow, ACloseDuringTheSaveQuestionOfAnotherIsDropped)
{
    Session session;
    CFwDocument* document = session.app.OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag(TRUE);
    g_closeDuringQuestion = true;
    HWND frame = session.Frame()->GetSafeHwnd();
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(session.app.GetDocTemplate()->GetDocument(), nullptr);
    EXPECT_EQ(std::count(g_events.begin(), g_events.end(), "save question"), 1);
}

TEST(FwDocumentFlow, CloseExitAndCommandsThatArriveWhileAModalDialogIsUpAreNotActedOn)
{
    Session session;
    CFwDocument* document = session.app.OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    HWND frame = session.Frame()->GetSafeHwnd();
    bool frameDisabled = false;
    g_whileModal = [&](HWND dialog) {
        frameDisabled = !IsWindowEnabled(frame);
        // Queued ahead of the dialog's own answer: its loop dispatches them while it is up.
        PostMessageA(frame, WM_CLOSE, 0, 0);
        PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        for (UINT id : {ID_APP_EXIT, ID_FILE_NEW, ID_FW_APP_COMMAND, ID_FW_MODAL_COMMAND})
        {
            PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        }
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    session.Command(ID_FW_MODAL_COMMAND);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
        DispatchMessageA(&message);
    }
    EXPECT_TRUE(frameDisabled);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(session.app.GetDocTemplate()->GetDocument(), document);
    EXPECT_EQ(g_events, (std::vector<std::string>{"initial update", "modal ended"}));

    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame)) << "once the dialog has gone, the frame closes";
}

TEST(FwCommandRouting, ViewThenDocumentThenFrameThenApplicationAndDisabledCommandsDoNotRun)
{
    Session session;
    ASSERT_NE(session.app.OpenDocumentFile(nullptr), nullptr);
    session.Command(ID_FW_SHARED_COMMAND);
    session.Command(ID_FW_DOC_COMMAND);
    session.Command(ID_FW_APP_COMMAND);
    EXPECT_EQ(g_events, (std::vector<std::string>{"initial update", "view", "document", "application"}));

    g_docCommandEnabled = false;
    session.Command(ID_FW_DOC_COMMAND);
    EXPECT_EQ(g_events.size(), 4u) << "a command that its update handler disables does not run";
    EXPECT_FALSE(session.Frame()->IsCommandEnabled(ID_FW_DOC_COMMAND));
    EXPECT_FALSE(session.Frame()->IsCommandEnabled(ID_FW_UNHANDLED_COMMAND));
    EXPECT_TRUE(session.Frame()->IsCommandEnabled(ID_FW_VIEW_COMMAND));

    HMENU test = GetSubMenu(GetMenu(session.Frame()->GetSafeHwnd()), 1);
    SendMessageA(session.Frame()->GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(test), 1);
    EXPECT_EQ(GetMenuState(test, ID_FW_DOC_COMMAND, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(test, ID_FW_UNHANDLED_COMMAND, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(test, ID_FW_APP_COMMAND, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST(FwRecentFiles, NewestFirstWithoutDuplicatesKeptInTheRegistryAndShownOnTheMenu)
{
    std::string storage = "Software\\ZRT tests\\recent-" + std::to_string(GetCurrentProcessId());
    {
        CFwRecentFileList list(4);
        list.SetStorage(HKEY_CURRENT_USER, storage);
        for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt", "C:\\e.txt", "c:\\C.TXT"})
        {
            list.Add(path);
        }
        EXPECT_EQ(list.GetEntry(0), "c:\\C.TXT");
        EXPECT_EQ(list.GetEntry(1), "C:\\e.txt");
        EXPECT_EQ(list.GetEntry(3), "C:\\b.txt");
        EXPECT_EQ(list.GetEntry(4), "");
        list.WriteList();
    }
    CFwRecentFileList again(4);
    again.SetStorage(HKEY_CURRENT_USER, storage);
    again.ReadList();
    EXPECT_EQ(again.GetEntry(0), "c:\\C.TXT");
    EXPECT_EQ(again.GetEntry(3), "C:\\b.txt");

    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FW_DOC));
    HMENU file = GetSubMenu(menu, 0);
    again.UpdateMenu(file);
    char text[64] = {};
    GetMenuStringA(file, ID_FILE_MRU_FILE1 + 1, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "&2 C:\\e.txt");
    EXPECT_EQ(GetMenuItemCount(file), 8);
    CFwRecentFileList empty(4);
    empty.UpdateMenu(file);
    EXPECT_EQ(GetMenuItemCount(file), 5) << "the placeholder stands in for an empty list";
    DestroyMenu(menu);
    RegDeleteTreeA(HKEY_CURRENT_USER, storage.c_str());
}
