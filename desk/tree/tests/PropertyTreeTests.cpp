// The property tree of Zrtdesk: its shape per profile, every parameter edited in its panel and saved, the checks
// before a save, and host browsing from the AS/400 location.
#include "DeskState.h"
#include "FwModule.h"
#include "HostBrowse.h"
#include "MessageBoxWatcher.h"
#include "PanelIds.h"
#include "ProfileAccess.h"
#include "ProgramWindows.h"
#include "TempProgramFolder.h"
#include "TreeHarness.h"
#include "ZRServiceCallbacks.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <thread>

namespace
{
struct Kind
{
    const char* name;
    int hostType;
    int direction;
    bool member;
};

const Kind kKinds[] = {
    {"as400-to-pc", ZRHOST_AS400, ZRDIR_HOST_TO_PC, false},  {"pc-to-as400", ZRHOST_AS400, ZRDIR_PC_TO_HOST, false},
    {"s36-file-to-pc", ZRHOST_S36, ZRDIR_HOST_TO_PC, false}, {"s36-member-to-pc", ZRHOST_S36, ZRDIR_HOST_TO_PC, true},
    {"pc-to-s36-file", ZRHOST_S36, ZRDIR_PC_TO_HOST, false}, {"pc-to-s36-member", ZRHOST_S36, ZRDIR_PC_TO_HOST, true},
};

// A valid profile of the kind: PC file type DBF, a location, a description file, the write mode that creates.
void Prepare(TreeHarness& harness, const Kind& kind, const std::string& folder)
{
    SetParamInt(ZRP_PC_FILE_TYPE, 9);
    SetParamText(ZRP_PC_FILE_NAME, folder + "\\data.dbf");
    SetParamInt(ZRP_REMOVE_BLANKS, 1);
    SetParamInt(ZRP_AUTO_CLOSE, 0);
    SetParamText(ZRP_DESCRIPTION_FILE, folder + "\\old.fmt");
    std::string location = kind.hostType == ZRHOST_AS400 ? "QGPL/CUSTOMER(MBR1)" : kind.member ? "LIB1(MEM1)" : "FILE1";
    SetParamText(LocationParamId(), location);
    if (kind.direction == ZRDIR_PC_TO_HOST)
    {
        SetParamInt(ZRP_HOST_WRITE_MODE, kind.member ? ZRHWM_CREATE_MEMBER : ZRHWM_CREATE_FILE);
        SetParamInt(ZRP_RECORD_LENGTH, 80);
    }
    if (kind.member)
    {
        SetParamInt(ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
    }
    harness.Build();
}

// One edit of a panel and the saved key that must show it.
struct Edit
{
    std::string path;
    std::function<void(TreeHarness&)> act;
    const char* section;
    const char* key;
    std::string expected;
};

std::vector<Edit> EditsOf(const Kind& kind, const std::string& folder)
{
    bool toPc = kind.direction == ZRDIR_HOST_TO_PC;
    bool as400 = kind.hostType == ZRHOST_AS400;
    const char* locationKey = toPc ? "SQL from" : "SQL into";
    std::vector<Edit> edits = {
        {"General/Code page conversion", [](TreeHarness& h) { h.Click(IDC_ITEM_SECOND_CHOICE); }, "General",
         "Character set", toPc ? "EBCDIC to ASCII" : "ASCII to EBCDIC"},
        {"Host/Short HLLAPI name", [](TreeHarness& h) { h.Choose(IDC_ITEM_SESSION, 'B'); }, "Host request",
         "Presentation space ID", "B"},
        {"Host/PC description file",
         [folder](TreeHarness& h) {
             AnswerOpenDialogLater(folder + "\\new.fmt");
             h.Click(IDC_ITEM_BROWSE);
         },
         "Host request", "Description file", folder + "\\new.fmt"},
    };
    if (as400)
    {
        edits.push_back({"Host/Location", [](TreeHarness& h) { h.Type(IDC_ITEM_LIBRARY, "LIBX"); }, "Host request",
                         locationKey, "LIBX/CUSTOMER(MBR1)"});
        edits.push_back({"Host/File type", [](TreeHarness& h) { h.Click(IDC_ITEM_SECOND_CHOICE); }, "Host request",
                         "Host file type", "Source"});
    }
    else if (kind.member)
    {
        edits.push_back({"Host/Location", [](TreeHarness& h) { h.Type(IDC_ITEM_MEMBER, "MEMX"); }, "Host request",
                         locationKey, "LIB1(MEMX)"});
        edits.push_back({"Host/Member type", [](TreeHarness& h) { h.Click(IDC_ITEM_SECOND_CHOICE); }, "Host request",
                         "Host file type", "Member/Procedure"});
    }
    else
    {
        edits.push_back({"Host/Location", [](TreeHarness& h) { h.Type(IDC_ITEM_FILE, "FILEX"); }, "Host request",
                         locationKey, "FILEX"});
    }
    if (!toPc)
    {
        edits.push_back({"Host/Record length (bytes)", [](TreeHarness& h) { h.Type(IDC_ITEM_RECORD_LENGTH, "120"); },
                         "Host request", "Record length", "120"});
        edits.push_back({"Host/New file size (records)", [](TreeHarness& h) { h.Type(IDC_ITEM_NEW_FILE_SIZE, "500"); },
                         "Host request", "Number of records", "500"});
        int mode = as400 ? ZRHWM_REPLACE_MEMBER : kind.member ? ZRHWM_REPLACE_MEMBER : ZRHWM_APPEND_FILE;
        edits.push_back({"Host/Write mode", [mode](TreeHarness& h) { h.Choose(IDC_ITEM_HOST_WRITE_MODES, mode); },
                         "Host request", "Host write mode",
                         mode == ZRHWM_APPEND_FILE ? "Append host file" : "Replace host member"});
    }
    edits.push_back({"PC/Location",
                     [folder](TreeHarness& h) {
                         AnswerOpenDialogLater(folder + "\\new.dbf");
                         h.Click(IDC_ITEM_BROWSE);
                     },
                     "PC request", "Filename", folder + "\\new.dbf"});
    edits.push_back({"PC/File type", [](TreeHarness& h) { h.Choose(IDC_ITEM_PC_FILE_TYPES, 19); }, "PC request",
                     "PC file type", "XLS (Microsoft Excel 97)"});
    if (toPc)
    {
        edits.push_back({"PC/Write mode", [](TreeHarness& h) { h.Choose(IDC_ITEM_PC_WRITE_MODES, 2); }, "PC request",
                         "PC write mode", "Replace file"});
    }
    edits.push_back({"Advanced/Auto close background mode", [](TreeHarness& h) { h.Click(IDC_ITEM_AUTO_CLOSE); },
                     "General", "Auto close", "Yes"});
    edits.push_back({"Advanced/Preserve field length", [](TreeHarness& h) { h.Click(IDC_ITEM_PRESERVE_FIELD_LENGTH); },
                     "PC request", "Remove blanks", "No"});
    edits.push_back({"Advanced/Decimal symbol", [](TreeHarness& h) { h.ChooseIndex(IDC_ITEM_DECIMAL_SYMBOL, 1); },
                     "PC request", "Decimal char is dot", "No"});
    return edits;
}

// Every leaf of the tree now, as "group/name".
std::set<std::string> Leaves(const TreeHarness& harness)
{
    std::set<std::string> leaves;
    for (const char* group : {"General", "Host", "PC", "Advanced"})
    {
        for (const std::string& label : harness.Children(group))
        {
            leaves.insert(std::string(group) + "/" + label.substr(0, label.find(" <")));
        }
    }
    return leaves;
}
}

TEST(PropertyTree, ItsShapeFollowsTheProfile)
{
    TempProgramFolder folder;
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
        Prepare(harness, kKinds[0], folder.Path());
        SetParamInt(ZRP_PC_FILE_TYPE, 15);
        harness.Build();
        EXPECT_EQ(harness.Children("Host"),
                  (std::vector<std::string>{"Short HLLAPI name <A (available)>", "Location <QGPL/CUSTOMER(MBR1)>"}));
        EXPECT_EQ(harness.Children("General").size(), 0u);
        EXPECT_EQ(harness.Children("PC").size(), 2u);
        SetParamInt(ZRP_PC_FILE_TYPE, 5);
        harness.Build();
        EXPECT_EQ(harness.Children("")[0], "General <AS/400-to-PC via HLLAPI, Database>");
        EXPECT_EQ(harness.Children("General"), std::vector<std::string>{"Code page conversion <EBCDIC-to-ANSI>"});
        EXPECT_EQ(harness.Children("Advanced").back(), "Decimal symbol <. (dot)>");
    }
    {
        TreeHarness harness(ZRHOST_S36, ZRDIR_HOST_TO_PC, ZRTT_PLAIN);
        Prepare(harness, kKinds[3], folder.Path());
        EXPECT_EQ(harness.Children("Host"),
                  (std::vector<std::string>{"Short HLLAPI name <A (available)>", "Location <LIB1(MEM1)>",
                                            "Member type <Source>"}));
        EXPECT_EQ(harness.Children("Advanced").size(), 2u);
    }
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
        Prepare(harness, kKinds[1], folder.Path());
        EXPECT_EQ(harness.Children("Host").back(), "PC description file <" + folder.Path() + "\\old.fmt>");
        ASSERT_TRUE(harness.Select("Host/File type"));
        harness.Click(IDC_ITEM_SECOND_CHOICE);
        EXPECT_EQ(harness.Children("Host").back(), "Record length (bytes) <80>");
        EXPECT_EQ(harness.SelectedName(), "File type");
        EXPECT_EQ(harness.Children("PC").size(), 2u);
    }
}

TEST(PropertyTree, EveryParameterOfEveryKindIsWrittenAtOnceAndSaved)
{
    TempProgramFolder folder;
    for (const Kind& kind : kKinds)
    {
        for (int transferType : {ZRTT_BINARY, ZRTT_CONVERSION, ZRTT_DDS, ZRTT_PLAIN})
        {
            SCOPED_TRACE(std::string(kind.name) + " transfer type " + std::to_string(transferType));
            TreeHarness harness(kind.hostType, kind.direction, transferType);
            Prepare(harness, kind, folder.Path());
            std::set<std::string> shown = Leaves(harness);
            std::set<std::string> edited;
            std::string path = folder.PathOf((std::string(kind.name) + ".prf").c_str());
            for (const Edit& edit : EditsOf(kind, folder.Path()))
            {
                if (!harness.Select(edit.path))
                {
                    continue;
                }
                SCOPED_TRACE(edit.path);
                std::string before = harness.Label(edit.path);
                EXPECT_FALSE(harness.Profile().IsModified());
                if (transferType == ZRTT_CONVERSION)
                {
                    std::string name = edit.path.substr(edit.path.find('/') + 1);
                    std::string group = edit.path.substr(0, edit.path.find('/'));
                    harness.SavePicture("ptree-" + std::string(kind.name) + "-" + group + "-" +
                                        name.substr(0, name.find(' ')));
                }
                edit.act(harness);
                edited.insert(edit.path);
                EXPECT_TRUE(harness.Profile().IsModified());
                if (edit.path != "Host/Short HLLAPI name")
                {
                    EXPECT_NE(harness.Label(edit.path), before);
                }
                ASSERT_TRUE(harness.Save(path));
                EXPECT_EQ(ProfileKey(path, edit.section, edit.key), edit.expected);
            }
            for (const std::string& leaf : shown)
            {
                EXPECT_TRUE(edited.count(leaf)) << leaf << " was not edited";
            }
        }
    }
}

TEST(PropertyTree, AnInvalidValueBlocksTheSaveAndSelectsOnlyTheFirstInvalidItem)
{
    TempProgramFolder folder;
    struct Case
    {
        const Kind& kind;
        std::function<void(TreeHarness&)> spoil;
        const char* argument;
        const char* selected;
    };
    const Case cases[] = {
        {kKinds[0],
         [](TreeHarness& h) {
             h.Select("Host/Location");
             h.Type(IDC_ITEM_LIBRARY, "1LIB");
         },
         "Host library name", "Location"},
        {kKinds[0],
         [](TreeHarness& h) {
             h.Select("Host/Location");
             h.Type(IDC_ITEM_FILE, "A/B");
         },
         "Host file name", "Location"},
        {kKinds[4],
         [](TreeHarness& h) {
             h.Select("Host/Location");
             h.Type(IDC_ITEM_FILE, "A B");
         },
         "Host file name", "Location"},
        {kKinds[5],
         [](TreeHarness& h) {
             h.Select("Host/Location");
             h.Type(IDC_ITEM_LIBRARY, "");
         },
         "Host library name", "Location"},
        {kKinds[1],
         [](TreeHarness& h) {
             h.Select("Host/File type");
             h.Click(IDC_ITEM_SECOND_CHOICE);
             h.Select("Host/Record length (bytes)");
             h.Type(IDC_ITEM_RECORD_LENGTH, "12");
         },
         "Record length", "Record length (bytes)"},
        {kKinds[4],
         [](TreeHarness& h) {
             h.Select("Host/New file size (records)");
             h.Type(IDC_ITEM_NEW_FILE_SIZE, "0");
         },
         "New host file size", "New file size (records)"},
        {kKinds[0],
         [](TreeHarness& h) {
             SetParamText(ZRP_PC_FILE_NAME, "C:\\a|b.csv");
             h.Select("Host/Location");
             h.Type(IDC_ITEM_MEMBER, "M 1");
         },
         "Host member name", "Location"},
        {kKinds[2], [](TreeHarness&) { SetParamText(ZRP_DESCRIPTION_FILE, ""); }, "PC description file",
         "PC description file"},
        {kKinds[0], [](TreeHarness&) { SetParamText(ZRP_PC_FILE_NAME, "C:\\a|b.csv"); }, "PC filename", "Location"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.argument);
        TreeHarness harness(c.kind.hostType, c.kind.direction, ZRTT_CONVERSION);
        Prepare(harness, c.kind, folder.Path());
        c.spoil(harness);
        harness.Select("Advanced/Auto close background mode");
        std::string path = folder.PathOf("refused.prf");
        DeleteFileA(path.c_str());
        MessageBoxWatcher watcher;
        EXPECT_FALSE(harness.Save(path));
        ASSERT_TRUE(watcher.WaitForDialogs(1, 10000));
        std::vector<SeenDialog> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, std::string("Error ZRH007: Parameter '") + c.argument + "' is invalid.");
        EXPECT_EQ(harness.SelectedName(), c.selected);
        EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    // Typed names lose the characters a host refuses.
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
        Prepare(harness, kKinds[0], folder.Path());
        harness.Select("Host/Location");
        harness.Type(IDC_ITEM_LIBRARY, "");
        harness.Keys(IDC_ITEM_LIBRARY, "1 LIB 2");
        EXPECT_EQ(GetParamText(ZRP_HOST_SOURCE_NAME), "LIB2/CUSTOMER(MBR1)");
        harness.Keys(IDC_ITEM_MEMBER, "XXXXXXXXXXXX");
        EXPECT_EQ(GetParamText(ZRP_HOST_SOURCE_NAME), "LIB2/CUSTOMER(MBR1XXXXXX)");
    }
    {
        TreeHarness harness(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
        Prepare(harness, kKinds[4], folder.Path());
        harness.Select("Host/Location");
        harness.Type(IDC_ITEM_FILE, "");
        harness.Keys(IDC_ITEM_FILE, "9 FILE 12345");
        EXPECT_EQ(GetParamText(ZRP_HOST_TARGET_NAME), "9FILE123");
    }
    TreeHarness harness(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
    Prepare(harness, kKinds[1], folder.Path());
    harness.Select("Host/Write mode");
    harness.Choose(IDC_ITEM_HOST_WRITE_MODES, ZRHWM_CREATE_FILE);
    harness.Select("Host/File type");
    harness.Click(IDC_ITEM_SECOND_CHOICE);
    harness.Select("Host/Record length (bytes)");
    harness.Type(IDC_ITEM_RECORD_LENGTH, "");
    harness.Keys(IDC_ITEM_RECORD_LENGTH, "99999");
    EXPECT_EQ(GetParamInt(ZRP_RECORD_LENGTH), 9999);
}

TEST(PropertyTree, ShowingAPanelNeitherModifiesTheProfileNorWipesAField)
{
    TempProgramFolder folder;
    for (const Kind& kind : kKinds)
    {
        SCOPED_TRACE(kind.name);
        TreeHarness harness(kind.hostType, kind.direction, ZRTT_CONVERSION);
        Prepare(harness, kind, folder.Path());
        std::string location = GetParamText(LocationParamId());
        for (const std::string& leaf : Leaves(harness))
        {
            ASSERT_TRUE(harness.Select(leaf));
            HWND panel = harness.Panel();
            ASSERT_NE(panel, nullptr);
            for (WPARAM key : {VK_RETURN, VK_ESCAPE})
            {
                for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                {
                    SendMessageA(child, WM_KEYDOWN, key, 0);
                }
                SendMessageA(panel, WM_COMMAND, key == VK_RETURN ? IDOK : IDCANCEL, 0);
                SendMessageA(panel, WM_CLOSE, 0, 0);
            }
            EXPECT_TRUE(IsWindow(panel)) << leaf;
        }
        harness.Select("General");
        EXPECT_FALSE(harness.Profile().IsModified());
        EXPECT_EQ(GetParamText(LocationParamId()), location);
    }
}

TEST(PropertyTree, BrowsingTheHostPutsTheChosenNamesIntoTheLocation)
{
    TempProgramFolder folder;
    TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    Prepare(harness, kKinds[0], folder.Path());
    ASSERT_TRUE(harness.Select("Host/Location"));
    ResetHostBrowseConfirmation();
    struct Step
    {
        int button;
        const char* choice;
        const char* library;
        const char* file;
        const char* member;
        const char* request;
    };
    const Step steps[] = {
        {IDC_ITEM_BROWSE_LIBRARY, "QSYS", "QSYS", "CUSTOMER", "MBR1", "TABLES||||QGPL"},
        {IDC_ITEM_BROWSE_FILE, "ORDERS", "QSYS", "ORDERS", "MBR1", "TABLES|QSYS|||CUSTOMER"},
        {IDC_ITEM_BROWSE_MEMBER, "MAY", "QSYS", "ORDERS", "MAY", "TABLES|QSYS|ORDERS||MBR1"},
        {IDC_ITEM_DDS, "", "QSYS", "ORDERS", "MAY", "COLUMNS|QSYS|ORDERS||"},
        {IDC_ITEM_VIEW, "", "QSYS", "ORDERS", "MAY", "DATA|QSYS|ORDERS|MAY|"},
    };
    ConfirmationAnswerer answerer(IDC_CONFIRM_YES, true);
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.request);
        TestHost().choice = step.choice;
        harness.Click(step.button);
        HWND panel = harness.Panel();
        EXPECT_EQ(ControlText(panel, IDC_ITEM_LIBRARY), step.library);
        EXPECT_EQ(ControlText(panel, IDC_ITEM_FILE), step.file);
        EXPECT_EQ(ControlText(panel, IDC_ITEM_MEMBER), step.member);
        EXPECT_EQ(TestHost().browseRequests.back(), step.request);
        EXPECT_EQ(TestHost().calls.back(), "CloseBrowse");
        EXPECT_EQ(g_environmentCallbacks.hwndNotify, harness.Host());
        EXPECT_TRUE(IsWindowEnabled(harness.Host()));
    }
    EXPECT_EQ(GetParamText(ZRP_HOST_SOURCE_NAME), "QSYS/ORDERS(MAY)");
    EXPECT_EQ(answerer.Seen(), 1u);
    EXPECT_EQ(std::count(TestHost().calls.begin(), TestHost().calls.end(), "BrowseData owner disabled"), 5);
}

TEST(PropertyTree, HostBrowsingEndsCleanlyWhenTheHostFailsOrTheUserSaysNo)
{
    TempProgramFolder folder;
    TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    Prepare(harness, kKinds[0], folder.Path());
    ASSERT_TRUE(harness.Select("Host/Location"));
    HWND panel = harness.Panel();
    // Esc on the confirmation counts as No and keeps asking.
    ResetHostBrowseConfirmation();
    {
        ConfirmationAnswerer escape(IDCANCEL, true);
        harness.Click(IDC_ITEM_BROWSE_LIBRARY);
        harness.Click(IDC_ITEM_BROWSE_LIBRARY);
        EXPECT_EQ(escape.Seen(), 2u);
    }
    EXPECT_TRUE(TestHost().calls.empty());
    // A request that cannot be posted ends the wait at once.
    {
        ConfirmationAnswerer yes(IDC_CONFIRM_YES, false);
        TestHost().postsOpen = false;
        TestHost().choice = "NEVER";
        harness.Click(IDC_ITEM_BROWSE_LIBRARY);
    }
    EXPECT_EQ(TestHost().calls, (std::vector<std::string>{"ConnectHost", "OpenBrowseAsync", "CloseBrowse"}));
    // Esc and the close box do not end a wait that runs; a failed open ends it and the browse is still closed.
    TestHost() = FakeHost();
    TestHost().notifies = false;
    TestHost().choice = "NEVER";
    bool waitOutlivedEscape = false;
    std::thread late([&waitOutlivedEscape] {
        HWND wait = WaitForHostWaitDialog();
        if (wait)
        {
            PostMessageA(wait, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(wait, WM_CLOSE, 0, 0);
            Sleep(300);
            waitOutlivedEscape = IsWindow(wait) != FALSE;
            PostMessageA(wait, WM_ZRTDESK_TRANSFER, ZRM_NOTIFY_REQUEST_DONE, 0);
        }
    });
    {
        ConfirmationAnswerer yes(IDC_CONFIRM_YES, false);
        harness.Click(IDC_ITEM_BROWSE_LIBRARY);
    }
    late.join();
    EXPECT_TRUE(waitOutlivedEscape);
    EXPECT_EQ(TestHost().calls, (std::vector<std::string>{"ConnectHost", "OpenBrowseAsync", "CloseBrowse"}));
    EXPECT_EQ(ControlText(panel, IDC_ITEM_LIBRARY), "QGPL");
    EXPECT_EQ(g_environmentCallbacks.hwndNotify, harness.Host());
    // A host that cannot be connected opens no wait dialog.
    TestHost() = FakeHost();
    TestHost().connects = false;
    {
        ConfirmationAnswerer yes(IDC_CONFIRM_YES, false);
        harness.Click(IDC_ITEM_BROWSE_LIBRARY);
    }
    EXPECT_EQ(TestHost().calls, std::vector<std::string>{"ConnectHost"});
}

TEST(PropertyTree, APanelThatLosesTheSelectionWhileItsDialogRunsIsNotUsedAfterwards)
{
    TempProgramFolder folder;
    TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    Prepare(harness, kKinds[0], folder.Path());
    HWND tree = harness.Tree();
    HTREEITEM advanced = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    auto selectRootMeanwhile = [tree, advanced](const std::function<void()>& answer) {
        return std::thread([tree, advanced, answer] {
            WaitUntil([] { return !TopLevelWindows(WindowQuery{GetCurrentProcessId(), "#32770", {}}).empty(); });
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(advanced));
            answer();
        });
    };
    ASSERT_TRUE(harness.Select("PC/Location"));
    std::string chosen = folder.Path() + "\\moved.dbf";
    std::thread during = selectRootMeanwhile([chosen] {
        HWND open = WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs("Open")});
        SetDlgItemTextA(open, 1148, chosen.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
    });
    harness.Click(IDC_ITEM_BROWSE);
    during.join();
    EXPECT_EQ(harness.SelectedName(), "Profile");
    EXPECT_EQ(GetParamText(ZRP_PC_FILE_NAME), chosen);

    ASSERT_TRUE(harness.Select("Host/Location"));
    ResetHostBrowseConfirmation();
    std::thread confirm = selectRootMeanwhile([] {
        HWND box = WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs("ZRT")});
        PostMessageA(box, WM_COMMAND, IDC_CONFIRM_YES, 0);
    });
    harness.Click(IDC_ITEM_BROWSE_LIBRARY);
    confirm.join();
    EXPECT_EQ(harness.SelectedName(), "Profile");
    EXPECT_TRUE(TestHost().calls.empty());
    EXPECT_NE(harness.Panel(), nullptr);
}

TEST(PropertyTree, EditOpensTheDescriptionFileEditorOnTheChosenFile)
{
    TempProgramFolder folder;
    TreeHarness harness(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
    Prepare(harness, kKinds[1], folder.Path());
    folder.WriteFile("old.fmt", "NAME      A01000" + std::string(50, ' ') + "\r\n");
    ASSERT_TRUE(harness.Select("Host/PC description file"));
    FwSetHelpContext(36);
    std::string caption;
    int helpContextMeanwhile = 0;
    std::thread close([&] {
        HWND editor = WaitTopLevelWindow(
            WindowQuery{GetCurrentProcessId(), "#32770", CaptionEndsWith("Description File Editor")}, 10000);
        caption = editor ? WindowText(editor) : std::string();
        helpContextMeanwhile = FwGetHelpContext();
        PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
    });
    harness.Click(IDC_ITEM_EDIT);
    close.join();
    EXPECT_EQ(caption, "ZRT Description File Editor");
    EXPECT_EQ(helpContextMeanwhile, 18);
    EXPECT_EQ(FwGetHelpContext(), 36);
    EXPECT_FALSE(harness.Profile().IsModified());
}

TEST(PropertyTree, TheSessionChangesOnlyWhenAnotherLetterIsChosen)
{
    TempProgramFolder folder;
    TreeHarness harness(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
    Prepare(harness, kKinds[5], folder.Path());
    ASSERT_TRUE(harness.Select("Host/Short HLLAPI name"));
    harness.Choose(IDC_ITEM_SESSION, 'A');
    EXPECT_TRUE(TestHost().calls.empty());
    EXPECT_FALSE(harness.Profile().IsModified());
    harness.Choose(IDC_ITEM_SESSION, 'B');
    EXPECT_EQ(TestHost().calls, (std::vector<std::string>{"DisconnectHost", "ConnectHost"}));
    EXPECT_EQ(harness.Label("Host/Short HLLAPI name"), "Short HLLAPI name <B (in use)>");
    EXPECT_EQ(GetSessionLetter(), 'B');
    EXPECT_TRUE(harness.Profile().IsModified());
}

TEST(PropertyTree, ListsAndLabelsFollowTheDirectionAndTheFileType)
{
    TempProgramFolder folder;
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
        Prepare(harness, kKinds[1], folder.Path());
        ASSERT_TRUE(harness.Select("PC/File type"));
        std::vector<std::string> types = ListBoxLines(GetDlgItem(harness.Panel(), IDC_ITEM_PC_FILE_TYPES));
        EXPECT_EQ(types.size(), 10u);
        EXPECT_EQ(std::count(types.begin(), types.end(), "WKQ (Quattro Pro)"), 0);
        EXPECT_EQ(std::count(types.begin(), types.end(), "XLS (Microsoft Excel 5.0)"), 0);
        ASSERT_TRUE(harness.Select("Host/Write mode"));
        EXPECT_EQ(ListBoxLines(GetDlgItem(harness.Panel(), IDC_ITEM_HOST_WRITE_MODES)),
                  (std::vector<std::string>{"Create file", "Create member", "Append to member", "Replace member"}));
    }
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
        Prepare(harness, kKinds[0], folder.Path());
        SetParamInt(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
        SetParamInt(ZRP_PC_FILE_TYPE, 15);
        SetParamText(ZRP_PC_FILE_NAME, std::string(259, 'x'));
        harness.Build();
        ASSERT_TRUE(harness.Select("PC/Write mode"));
        EXPECT_EQ(ListBoxLines(GetDlgItem(harness.Panel(), IDC_ITEM_PC_WRITE_MODES)),
                  (std::vector<std::string>{"Create file", "Replace file"}));
        std::string label = harness.Label("PC/Location");
        EXPECT_EQ(label.size(), 259u);
        EXPECT_EQ(label.substr(label.size() - 4), "...>");
        // The AS/400 location of a description-file transfer has no member.
        ASSERT_TRUE(harness.Select("Host/Location"));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(harness.Panel(), IDC_ITEM_MEMBER)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(harness.Panel(), IDC_ITEM_VIEW)));
        harness.Type(IDC_ITEM_FILE, "F");
        EXPECT_EQ(GetParamText(ZRP_HOST_SOURCE_NAME), "QGPL/F()");
    }
    {
        TreeHarness harness(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
        Prepare(harness, kKinds[0], folder.Path());
        SetParamInt(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
        harness.Build();
        EXPECT_EQ(harness.Label("General/Code page conversion"), "Code page conversion <EBCDIC-to-ASCII>");
        ASSERT_TRUE(harness.Select("General/Code page conversion"));
        EXPECT_EQ(ControlText(harness.Panel(), IDC_ITEM_SECOND_CHOICE), "EBCDIC-to-ASCII");
        EXPECT_EQ(IsDlgButtonChecked(harness.Panel(), IDC_ITEM_SECOND_CHOICE), BST_CHECKED);
        harness.Click(IDC_ITEM_FIRST_CHOICE);
        EXPECT_EQ(GetParamInt(ZRP_CHARACTER_SET), ZRCS_EBCDIC_TO_ANSI);
        // Clearing the library keeps the other fields but stores no file and no member.
        ASSERT_TRUE(harness.Select("Host/Location"));
        HWND panel = harness.Panel();
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_ITEM_VIEW)));
        harness.Type(IDC_ITEM_LIBRARY, "");
        EXPECT_EQ(GetParamText(ZRP_HOST_SOURCE_NAME), "/()");
        EXPECT_EQ(ControlText(panel, IDC_ITEM_FILE), "CUSTOMER");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_ITEM_FILE)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_ITEM_MEMBER)));
    }
}
