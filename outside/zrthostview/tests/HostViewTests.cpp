// Zrthostview as the manager drives it: the host's list into browser A, the user's choice (scripted or made in the
// pick window) back through the browse parameters, and browser B beside it.
#include "HostStore.h"
#include "ManagerTestBed.h"
#include "OwnedHandles.h"
#include "ProgramWindows.h"
#include "WindowPicture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <thread>

using ::testing::Contains;
using ::testing::HasSubstr;

namespace
{
const char kHostFields[] = "[ZRTAS400]\nSide=host\nFields=NAME:A:10,TEXT:A:20\nRecords=";

// The scripted browser of one test: ZRTHOSTVIEW_SCRIPT names the script in the test's folder while it lives.
class BrowseScriptFile
{
public:
    BrowseScriptFile(const FakeSourceFolder& folder, const std::string& browse)
        : m_path(folder.File("browse.ini")), m_trace(folder.File("browse.log"))
    {
        Write(browse);
        SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", m_path.c_str());
    }
    ~BrowseScriptFile() { SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", nullptr); }

    void Write(const std::string& browse) const { std::ofstream(m_path) << "[Browse]\nTrace=browse.log\n" << browse; }
    // The trace lines of one browser, without the browser's letter and thread id.
    std::vector<std::string> Trace(char browser) const
    {
        std::vector<std::string> lines;
        std::ifstream in(m_trace);
        for (std::string line; std::getline(in, line);)
        {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() > 2 && line[0] == browser)
                lines.push_back(line.substr(line.find(' ', 2) + 1));
        }
        return lines;
    }

private:
    std::string m_path;
    std::string m_trace;
};

// A manager whose host is the scripted fake with `records` rows (NAME1, NAME2...) and whose browser is the
// stand-in, both loaded and connected.
void StartBrowsing(ManagerTestBed& bed, int records)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrthostview.dll", "ZRTHOSTVIEW.DLL");
    bed.Folder().WriteScenario(kHostFields + std::to_string(records) + "\n");
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().StartBrowser());
}

void SetRequest(ManagerTestBed& bed, const char* request, const char* library, const char* file)
{
    bed.Tables().Set(ZRP_BROWSE_REQUEST, request);
    bed.Tables().Set(ZRP_BROWSE_LIBRARY, library);
    bed.Tables().Set(ZRP_BROWSE_FILE, file);
    bed.Tables().Set(ZRP_BROWSE_MEMBER, "");
    bed.Tables().Set(ZRP_BROWSE_CURRENT, "");
}

// Opens the browse on the worker as Zrtdesk does, then moves the list and waits for the choice on this thread.
BOOL BrowseAsTheDeskDoes(ManagerTestBed& bed)
{
    if (!bed.Manager().OpenBrowseAsync() || bed.WaitForRequestDone() != 1)
        return FALSE;
    const BOOL browsed = bed.Manager().BrowseData();
    const BOOL closed = bed.Manager().CloseBrowse();
    return browsed && closed;
}
}

TEST(Zrthostview, ScriptedChoiceGoesIntoTheParameterOfTheList)
{
    const struct
    {
        const char* request;
        const char* library;
        const char* file;
        const char* script;
        int parameter;
        const char* chosen;
    } cases[] = {
        {"TABLES", "", "", "Action=Choose\nRow=2\n", ZRP_BROWSE_LIBRARY, "NAME2"},
        {"TABLES", "QGPL", "", "Action=Choose\nName=name3\n", ZRP_BROWSE_FILE, "NAME3"},
        {"TABLES", "QGPL", "CUSTOMER", "Action=Choose\nRow=1\n", ZRP_BROWSE_MEMBER, "NAME1"},
        {"COLUMNS", "QGPL", "CUSTOMER", "Action=Choose\nRow=1\n", ZRP_BROWSE_MEMBER, ""},
        {"TABLES", "", "", "Action=Cancel\n", ZRP_BROWSE_LIBRARY, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.request) + " " + c.library + "/" + c.file + " " + c.script);
        ManagerTestBed bed;
        BrowseScriptFile script(bed.Folder(), c.script);
        StartBrowsing(bed, 3);
        SetRequest(bed, c.request, c.library, c.file);

        EXPECT_TRUE(BrowseAsTheDeskDoes(bed));

        EXPECT_EQ(c.chosen, bed.Tables().GetText(c.parameter));
        const std::vector<std::string> trace = script.Trace('A');
        EXPECT_THAT(trace, Contains("SetRecordLayout NAME,TEXT"));
        EXPECT_THAT(trace, Contains("Row NAME2|TEXT2"));
        EXPECT_THAT(trace, Contains("End rows=3"));
        EXPECT_EQ(0u, bed.Errors().Count());
    }
}

TEST(Zrthostview, ListOpenedOnTheWorkerIsTakenOnTheCallersThread)
{
    ManagerTestBed bed;
    BrowseScriptFile script(bed.Folder(), "Action=Choose\nRow=1\n");
    StartBrowsing(bed, 2);
    SetRequest(bed, "TABLES", "", "");

    ASSERT_TRUE(BrowseAsTheDeskDoes(bed));

    std::ifstream in(bed.Folder().File("browse.log"));
    const std::string mine = std::to_string(GetCurrentThreadId());
    for (std::string line; std::getline(in, line);)
    {
        const std::string thread = line.substr(2, line.find(' ', 2) - 2);
        if (line.find(" Open ") != std::string::npos || line.find(" SetRecordLayout ") != std::string::npos)
        {
            EXPECT_NE(mine, thread) << line;
        }
        else if (line.find(" Row ") != std::string::npos || line.find(" Chosen ") != std::string::npos)
        {
            EXPECT_EQ(mine, thread) << line;
        }
    }
}

TEST(Zrthostview, ScriptWithoutSuchRowFailsTheBrowseWithoutWaiting)
{
    ManagerTestBed bed;
    BrowseScriptFile script(bed.Folder(), "Action=Choose\nName=NOSUCH\n");
    StartBrowsing(bed, 2);
    SetRequest(bed, "TABLES", "", "");

    EXPECT_FALSE(BrowseAsTheDeskDoes(bed));

    EXPECT_EQ("", bed.Tables().GetText(ZRP_BROWSE_LIBRARY));
    ASSERT_EQ(1u, bed.Errors().Count());
    EXPECT_THAT(bed.Errors().Texts()[0], HasSubstr("names no row of the list"));
}

TEST(Zrthostview, TheTwoTablesDriveTwoIndependentBrowsers)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    ErrorSinkCapture errors;
    TempProgramFolder folder;
    folder.WriteFile("browse.ini", "[Browse]\nAction=Choose\nRow=2\n");
    SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", folder.PathOf("browse.ini").c_str());
    const OwnedModule library(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\Zrthostview.dll").c_str()));
    ASSERT_NE(nullptr, library.Get());
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "ZRTCreateObject")));
    DataSourceFunctions* a = nullptr;
    DataSourceFunctions* b = nullptr;
    ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), tables.EnvironmentTable(), &a, 1));
    ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), tables.EnvironmentTable(), &b, 0));
    ASSERT_NE(a, b);

    char names[] = "\xD5\xC1\xD4\xC5\xF1\x40\x40\x40\x40\x40"   // "NAME1" in EBCDIC
                   "\xD5\xC1\xD4\xC5\xF2\x40\x40\x40\x40\x40";  // "NAME2"
    DSField field{};
    std::memcpy(field.name, "Name", 5);
    field.type = HFT_CHARACTER;
    field.length = 10;
    field.value = names;
    DSRecordLayout layout{&field, 1, 0, names, 10};
    tables.Set(ZRP_BROWSE_REQUEST, "TABLES");
    tables.Set(ZRP_BROWSE_LIBRARY, "");
    ASSERT_TRUE(a->Open(nullptr) && a->SetRecordLayout(&layout));
    for (int row = 0; row < 2; ++row)
    {
        field.value = names + 10 * row;
        ASSERT_TRUE(a->PutField(&field) && a->NextField());
    }
    // Browser B opens, takes a list of its own and closes while A's list is open.
    ASSERT_TRUE(b->Open(reinterpret_cast<HANDLE>(5)) && b->SetRecordLayout(&layout));
    field.value = names;
    ASSERT_TRUE(b->PutField(&field) && b->NextField() && b->Close());
    EXPECT_FALSE(a->EndOfData());
    field.type = 0;
    ASSERT_TRUE(a->PutField(&field));

    EXPECT_EQ(2, a->GetRecordCount());
    EXPECT_TRUE(a->EndOfData());
    EXPECT_EQ("NAME2", tables.GetText(ZRP_BROWSE_LIBRARY));
    EXPECT_TRUE(a->Close() && a->Disconnect() && b->Disconnect());
    EXPECT_EQ(0u, errors.Count());
    SetEnvironmentVariableA("ZRTHOSTVIEW_SCRIPT", nullptr);
}

namespace
{
// The pick window of this process, once it is visible.
HWND WaitForPickWindow()
{
    return WaitTopLevelWindow({GetCurrentProcessId(), "ZrtHostViewPick", {}}, 20000);
}

// A manager over the real AS/400 data source and the bridge stand-in with a copy of the sample host store.
void StartBrowsingTheSimulatedHost(ManagerTestBed& bed)
{
    UseCopyOfSampleStore(bed.Folder().File("host"));
    bed.Folder().InstallFromBuild("Zrtas400.dll", "ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("KVHLL32.dll", "KVHLL32.DLL");
    bed.Folder().InstallFromBuild("Zrthostview.dll", "ZRTHOSTVIEW.DLL");
    bed.Tables().Set(ZRP_PRESENTATION_SPACE_ID, "A");
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost()) << (bed.Errors().Count() ? bed.Errors().Texts()[0] : "");
    ASSERT_TRUE(bed.Manager().StartBrowser());
}
}

TEST(ZrthostviewWindow, UserPicksALibraryOfTheSimulatedHost)
{
    ManagerTestBed bed;
    StartBrowsingTheSimulatedHost(bed);
    SetRequest(bed, "TABLES", "", "");
    bed.Tables().Set(ZRP_BROWSE_CURRENT, "QGPL");

    std::vector<std::string> shown;
    std::string caption;
    int selectedAtStart = -2;
    DWORD windowThread = 0;
    bool pictured = false;
    std::thread user([&] {
        HWND window = WaitForPickWindow();
        if (!window)
            return;
        windowThread = GetWindowThreadProcessId(window, nullptr);
        caption = WindowText(window);
        HWND list = GetDlgItem(window, 101);
        shown = ListViewColumn(list, 0);
        selectedAtStart = ListViewSelection(list);
        pictured = !TakeWindowPicture(window).Save("hostview-pick-library").empty();
        SelectListViewRow(list, static_cast<int>(std::find(shown.begin(), shown.end(), "SALES") - shown.begin()));
        PostCommand(window, IDOK);
    });
    const BOOL browsed = BrowseAsTheDeskDoes(bed);
    user.join();

    EXPECT_TRUE(browsed);
    EXPECT_TRUE(pictured);
    EXPECT_EQ("ZRT Host Browser", caption);
    EXPECT_THAT(shown, Contains("QGPL"));
    EXPECT_THAT(shown, Contains("SALES"));
    ASSERT_LT(selectedAtStart, static_cast<int>(shown.size()));
    ASSERT_GE(selectedAtStart, 0);
    EXPECT_EQ("QGPL", shown[selectedAtStart]);
    EXPECT_NE(GetCurrentThreadId(), windowThread);
    EXPECT_EQ("SALES", bed.Tables().GetText(ZRP_BROWSE_LIBRARY));
    EXPECT_EQ(nullptr, FindWindowA("ZrtHostViewPick", nullptr));
}

TEST(ZrthostviewWindow, LeavingTheWindowChoosesNothing)
{
    ManagerTestBed bed;
    StartBrowsingTheSimulatedHost(bed);
    SetRequest(bed, "TABLES", "QGPL", "");

    std::vector<std::string> shown;
    std::thread user([&] {
        if (HWND window = WaitForPickWindow())
        {
            shown = ListViewColumn(GetDlgItem(window, 101), 0);
            // Escape in the list, as the user would leave the window.
            PostMessageA(GetDlgItem(window, 101), WM_KEYDOWN, VK_ESCAPE, 0);
        }
    });
    const BOOL browsed = BrowseAsTheDeskDoes(bed);
    user.join();

    EXPECT_TRUE(browsed);
    EXPECT_THAT(shown, Contains("CUSTOMER"));
    EXPECT_THAT(shown, Contains("QCLSRC"));
    EXPECT_EQ("", bed.Tables().GetText(ZRP_BROWSE_FILE));
}

TEST(ZrthostviewWindow, FieldsOfAFileAreShownWithoutAChoice)
{
    ManagerTestBed bed;
    StartBrowsingTheSimulatedHost(bed);
    SetRequest(bed, "COLUMNS", "QGPL", "CUSTOMER");
    bed.Tables().Set(ZRP_BROWSE_MEMBER, "KEEP");

    std::vector<std::string> fields;
    std::string prompt;
    bool okShown = true;
    std::string closeText;
    std::thread user([&] {
        if (HWND window = WaitForPickWindow())
        {
            fields = ListViewColumn(GetDlgItem(window, 101), 0);
            prompt = ControlText(window, 100);
            okShown = IsWindowVisible(GetDlgItem(window, IDOK)) != FALSE;
            closeText = ControlText(window, IDCANCEL);
            TakeWindowPicture(window).Save("hostview-pick-fields");
            PostCommand(window, IDCANCEL);
        }
    });
    const BOOL browsed = BrowseAsTheDeskDoes(bed);
    user.join();

    EXPECT_TRUE(browsed);
    EXPECT_EQ("Fields of file QGPL/CUSTOMER:", prompt);
    EXPECT_THAT(fields, ::testing::ElementsAre("CUSTNO", "NAME", "CITY", "BALANCE", "CREDIT", "DISCOUNT", "ORDERS",
                                               "POINTS", "PAYDAYS"));
    EXPECT_FALSE(okShown);
    EXPECT_EQ("Close", closeText);
    EXPECT_EQ("KEEP", bed.Tables().GetText(ZRP_BROWSE_MEMBER));
}

TEST(ZrthostviewWindow, RecordsOfAMemberArriveInTheirDisplayForm)
{
    ManagerTestBed bed;
    BrowseScriptFile script(bed.Folder(), "Action=Cancel\n");
    StartBrowsingTheSimulatedHost(bed);
    SetRequest(bed, "DATA", "QGPL", "CUSTOMER");
    bed.Tables().Set(ZRP_BROWSE_MEMBER, "CUSTOMER");

    EXPECT_TRUE(BrowseAsTheDeskDoes(bed));

    std::vector<std::string> rows;
    for (const std::string& line : script.Trace('A'))
        if (line.compare(0, 4, "Row ") == 0)
            rows.push_back(line.substr(4));
    ASSERT_EQ(25u, rows.size());
    EXPECT_EQ(0u, rows[0].find("1001|Anderson Hardware|Minneapolis|12500.75|")) << rows[0];
    EXPECT_EQ(0u, rows[1].find("1002|Baker & Sons|St. Paul|-250.00|")) << rows[1];
    EXPECT_EQ("CUSTOMER", bed.Tables().GetText(ZRP_BROWSE_MEMBER));
}
