// The wizard driven page by page through each transfer type, forward to Finish, back to the first page and forward
// again, from a timer of its own modal loop; the result goes into a profile that is saved and read back.
#include "DeskState.h"
#include "FwModule.h"
#include "FwResourceIds.h"
#include "MessageBoxWatcher.h"
#include "TempProgramFolder.h"
#include "WindowPicture.h"
#include "WizardIds.h"
#include "WizardResult.h"
#include "WizardSheet.h"
#include "ZRManagerTable.h"
#include "ZROptions.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRProfileParams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
// The manager as the wizard sees it: sessions A (free) and B (busy); connecting succeeds unless told otherwise.
struct FakeManager
{
    static inline int connects = 0;
    static inline int disconnects = 0;
    static inline bool refuseConnect = false;

    static BOOL ZRTAPI QueryHostInfo(char* text, int* count, int*)
    {
        const char records[] = {1, 'A', 0, 0, 'B', 0};
        std::memcpy(text, records, sizeof(records));
        *count = 2;
        return TRUE;
    }
    static BOOL ZRTAPI ConnectHost()
    {
        ++connects;
        return !refuseConnect;
    }
    static BOOL ZRTAPI DisconnectHost()
    {
        ++disconnects;
        return TRUE;
    }
    static ZRMFunctions Table()
    {
        ZRMFunctions table{};
        table.QueryHostInfo = QueryHostInfo;
        table.ConnectHost = ConnectHost;
        table.DisconnectHost = DisconnectHost;
        return table;
    }
};

// One run: the transfer type and the choices on pages 150 (radio index) and 153 (write-mode value).
struct WizardRun
{
    int type;
    int hostFileTypeIndex;
    int hostWriteMode;
    std::vector<int> pages;
};

int KindOf(int type)
{
    return IsAs400Type(type) ? (IsHostToPcType(type) ? 0 : 1) : (IsHostToPcType(type) ? 2 : 3);
}

int CurrentPage(HWND sheet)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    LRESULT index = SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0);
    return static_cast<int>(SendMessageA(sheet, PSM_INDEXTOID, static_cast<WPARAM>(index), 0));
}

HWND PageWindow(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void SelectByValue(HWND list, int value)
{
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == value)
        {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        }
    }
}

// Drives the wizard from a timer on its own thread: forward to Finish, back to the first page, forward again and
// Finish, making the run's choices on the way.
class CWizardDriver
{
public:
    CWizardDriver(CWizHllapiNewProfileSheet& sheet, const WizardRun& run, const std::string& folder)
        : m_sheet(sheet), m_run(run), m_folder(folder)
    {
    }

    std::vector<int> forward;
    std::vector<int> back;
    std::string summary;
    std::string helpText181;

    void Tick()
    {
        HWND sheet = m_sheet.GetSafeHwnd();
        if (!sheet || m_busy)
        {
            return;
        }
        const int page = CurrentPage(sheet);
        if (page == m_lastPage || page == 0)
        {
            return;
        }
        m_busy = true;
        m_lastPage = page;
        if (m_picturesTaken.insert(page).second && s_savePictures)
        {
            RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            TakeWindowPicture(sheet).Save("wizard-page-" + std::to_string(page));
        }
        if (m_phase == 1)
        {
            back.push_back(page);
            Press(sheet, page == IDD_PROFILE_TYPE_PAGE ? PSBTN_NEXT : PSBTN_BACK);
            m_phase = page == IDD_PROFILE_TYPE_PAGE ? 2 : 1;
            if (page == IDD_PROFILE_TYPE_PAGE)
            {
                Choose(sheet, page);
            }
        }
        else
        {
            if (m_phase == 0)
            {
                forward.push_back(page);
            }
            Choose(sheet, page);
            if (page == IDD_FINISH_PAGE)
            {
                char text[2048] = {};
                GetDlgItemTextA(PageWindow(sheet), IDC_WIZ_SUMMARY, text, sizeof(text));
                summary = text;
                Press(sheet, m_phase == 0 ? PSBTN_BACK : PSBTN_FINISH);
                if (m_phase == 0)
                {
                    back.push_back(page);
                    m_phase = 1;
                }
            }
            else
            {
                Press(sheet, PSBTN_NEXT);
            }
        }
        m_busy = false;
    }

    static inline bool s_savePictures = false;

private:
    void Press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

    void Choose(HWND sheet, int page)
    {
        HWND window = PageWindow(sheet);
        switch (page)
        {
        case IDD_PROFILE_TYPE_PAGE:
            SelectByValue(GetDlgItem(window, IDC_WIZ_TRANSFER_TYPES), m_run.type);
            break;
        case IDD_AS400_DESTINATION_PAGE:
            SetDlgItemTextA(window, IDC_WIZ_LIBRARY, "LIB");
            SetDlgItemTextA(window, IDC_WIZ_FILE, "FILE");
            break;
        case IDD_S36_FILE_DESTINATION_PAGE:
            SetDlgItemTextA(window, IDC_WIZ_FILE, "S36FILE");
            break;
        case IDD_S36_MEMBER_DESTINATION_PAGE:
            SetDlgItemTextA(window, IDC_WIZ_LIBRARY, "1LIB");
            SetDlgItemTextA(window, IDC_WIZ_MEMBER, "MEM");
            break;
        case IDD_HOST_FILE_TYPE_PAGE:
            CheckRadioButton(window, IDC_WIZ_FIRST_CHOICE, IDC_WIZ_SECOND_CHOICE,
                             m_run.hostFileTypeIndex ? IDC_WIZ_SECOND_CHOICE : IDC_WIZ_FIRST_CHOICE);
            break;
        case IDD_HOST_WRITE_MODE_PAGE:
            SelectByValue(GetDlgItem(window, IDC_WIZ_HOST_WRITE_MODES), m_run.hostWriteMode);
            break;
        case IDD_DESCR_FILE_PAGE:
            m_sheet.Values().descrFile = m_folder + "\\fields.fmt";
            break;
        case IDD_PC_DESTINATION_PAGE:
            m_sheet.Values().pcFile = m_folder + "\\data.pc";
            break;
        default:
            break;
        }
    }

    CWizHllapiNewProfileSheet& m_sheet;
    WizardRun m_run;
    std::string m_folder;
    int m_lastPage = -1;
    int m_phase = 0;
    bool m_busy = false;
    std::set<int> m_picturesTaken;
};

CWizardDriver* g_driver = nullptr;

void CALLBACK DriverTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver)
    {
        g_driver->Tick();
    }
}

std::string ReadKey(const std::string& path, const char* section, const char* key)
{
    char text[300] = {};
    GetPrivateProfileStringA(section, key, "(none)", text, sizeof(text), path.c_str());
    return text;
}

class WizardSheetTest : public ::testing::Test
{
protected:
    // Runs the wizard for a run with a new profile of its kind; the saved profile's path after Finish.
    std::string RunWizard(const WizardRun& run, CWizardDriver** driverOut, INT_PTR* result)
    {
        static const int kHosts[] = {ZRHOST_AS400, ZRHOST_AS400, ZRHOST_S36, ZRHOST_S36};
        static const int kDirections[] = {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST, ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST};
        const int kind = KindOf(run.type);
        m_profile = std::make_unique<CZRProfileHllAPI>(ZRCONN_HLLAPI, kHosts[kind], kDirections[kind], ZRTT_PLAIN);
        m_profile->CreateHostRequest();
        m_profile->CreatePcRequest();
        m_manager = FakeManager::Table();
        Desk().manager = &m_manager;
        WizardContext context{kind, m_profile.get(), &m_manager};
        CWizHllapiNewProfileSheet sheet(CWizHllapiNewProfileSheet::CaptionOf(kind), nullptr, context);
        m_driver = std::make_unique<CWizardDriver>(sheet, run, m_folder.Path());
        g_driver = m_driver.get();
        UINT_PTR timer = SetTimer(nullptr, 0, 30, DriverTimer);
        *result = sheet.DoModal();
        KillTimer(nullptr, timer);
        g_driver = nullptr;
        *driverOut = m_driver.get();
        if (*result != ID_WIZFINISH)
        {
            return std::string();
        }
        ApplyWizardResult(*m_profile, sheet.Values(), sheet.Result(), CZROptions());
        std::string path = m_folder.Path() + "\\t" + std::to_string(run.type) +
                           (IsHostToPcType(run.type) ? ".h2p" : ".p2h");
        m_profile->SetFileName(path.c_str());
        EXPECT_TRUE(m_profile->Write());
        return path;
    }

    void TearDown() override { Desk().manager = nullptr; }

    TempProgramFolder m_folder;
    MessageBoxWatcher m_boxes{GetCurrentProcessId(), [](const std::string& c) { return c.rfind("ZRT (", 0) == 0; }};
    std::unique_ptr<CZRProfileHllAPI> m_profile;
    std::unique_ptr<CWizardDriver> m_driver;
    ZRMFunctions m_manager{};
};

const WizardRun kRuns[] = {
    {7, 0, 0, {181, 147, 148, 150, 151, 146, 152, 189, 145}},
    {8, 0, 0, {181, 147, 148, 150, 146, 152, 189, 145}},
    {9, 0, 0, {181, 147, 148, 146, 152, 145}},
    {10, 0, 0, {181, 147, 148, 146, 152, 145}},
    {11, 0, 1, {181, 147, 148, 150, 153, 154, 151, 146, 189, 145}},
    {11, 1, 1, {181, 147, 148, 150, 153, 155, 151, 146, 189, 145}},
    {12, 0, 5, {181, 147, 148, 150, 153, 146, 189, 145}},
    {13, 0, 1, {181, 147, 148, 153, 154, 146, 145}},
    {14, 0, 0, {181, 147, 157, 154, 151, 146, 152, 189, 145}},
    {15, 0, 0, {181, 147, 157, 146, 152, 189, 145}},
    {16, 0, 0, {181, 147, 157, 146, 152, 145}},
    {17, 0, 1, {181, 147, 157, 153, 154, 156, 151, 146, 189, 145}},
    {18, 0, 1, {181, 147, 157, 153, 155, 156, 146, 189, 145}},
    {19, 0, 2, {181, 147, 157, 153, 146, 145}},
    {20, 1, 0, {181, 147, 158, 150, 146, 152, 189, 145}},
    {21, 0, 4, {181, 147, 158, 150, 153, 146, 189, 145}},
};
}

TEST_F(WizardSheetTest, EachTransferTypeVisitsItsPagesForwardAndBackAndFinishesIntoItsProfile)
{
    CWizardDriver::s_savePictures = true;
    DWORD gdiAfterFirstRun = 0;
    for (const WizardRun& run : kRuns)
    {
        SCOPED_TRACE("type " + std::to_string(run.type) + " write mode " + std::to_string(run.hostWriteMode));
        CWizardDriver* driver = nullptr;
        INT_PTR result = 0;
        std::string path = RunWizard(run, &driver, &result);
        ASSERT_EQ(result, ID_WIZFINISH);
        EXPECT_EQ(driver->forward, run.pages);
        std::vector<int> reversed(run.pages.rbegin(), run.pages.rend());
        EXPECT_EQ(driver->back, reversed);
        EXPECT_EQ(m_driver.get(), driver);

        const char* transfer = IsDatabaseType(run.type) ? "Conversion"
                               : IsBinaryType(run.type) ? "Binary"
                               : run.type == 10         ? "DDS"
                                                        : "Plain";
        EXPECT_EQ(ReadKey(path, "General", "Transfer type"), transfer);
        EXPECT_EQ(ReadKey(path, "Host request", "Presentation space ID"), "A");
        EXPECT_EQ(ReadKey(path, "PC request", "Filename"), m_folder.Path() + "\\data.pc");
        EXPECT_NE(driver->summary.find("Short HLLAPI name:  A\r\n"), std::string::npos);
        if (!gdiAfterFirstRun)
        {
            gdiAfterFirstRun = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        }
    }
    // The wizard's picture is loaded once for the program: further runs leave no GDI objects behind.
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiAfterFirstRun + 5);
    CWizardDriver::s_savePictures = false;
    EXPECT_EQ(m_boxes.Seen().size(), 0u);
}

namespace
{
// Types a refused value into a page, presses Next, waits for the box and then types the good value.
struct Refusal
{
    int page;
    UINT control;
    const char* bad;
    const char* good;
};

// Drives one run forward to Finish, trying each refusal once on its page.
class CRefusalDriver
{
public:
    CRefusalDriver(CWizHllapiNewProfileSheet& sheet, int type, std::vector<Refusal> refusals,
                   const MessageBoxWatcher& boxes, const std::string& folder)
        : m_sheet(sheet), m_type(type), m_refusals(std::move(refusals)), m_boxes(boxes), m_folder(folder)
    {
    }

    void Tick()
    {
        HWND sheet = m_sheet.GetSafeHwnd();
        if (!sheet || m_waitingForBox > m_boxes.Seen().size())
        {
            return;
        }
        const int page = CurrentPage(sheet);
        HWND window = PageWindow(sheet);
        if (m_waitingForBox)
        {
            // The box was answered and the page stayed: the next bad value on the same page, else the good one.
            m_waitingForBox = 0;
            const Refusal& done = m_refusals[m_current++];
            if (m_current < m_refusals.size() && m_refusals[m_current].page == page)
            {
                SetDlgItemTextA(window, static_cast<int>(m_refusals[m_current].control), m_refusals[m_current].bad);
                m_waitingForBox = m_boxes.Seen().size() + 1;
            }
            else
            {
                SetDlgItemTextA(window, static_cast<int>(done.control), done.good);
            }
            Press(sheet, PSBTN_NEXT);
            return;
        }
        if (page == m_lastPage)
        {
            return;
        }
        m_lastPage = page;
        if (page == IDD_PROFILE_TYPE_PAGE)
        {
            SelectByValue(GetDlgItem(window, IDC_WIZ_TRANSFER_TYPES), m_type);
        }
        if (page == IDD_AS400_DESTINATION_PAGE)
        {
            SetDlgItemTextA(window, IDC_WIZ_LIBRARY, "LIB");
            SetDlgItemTextA(window, IDC_WIZ_FILE, "FILE");
        }
        if (page == IDD_HOST_FILE_TYPE_PAGE)
        {
            CheckRadioButton(window, IDC_WIZ_FIRST_CHOICE, IDC_WIZ_SECOND_CHOICE, IDC_WIZ_SECOND_CHOICE);
        }
        if (page == IDD_PC_DESTINATION_PAGE)
        {
            m_sheet.Values().pcFile = m_folder + "\\data.txt";
        }
        if (m_current < m_refusals.size() && m_refusals[m_current].page == page)
        {
            SetDlgItemTextA(window, static_cast<int>(m_refusals[m_current].control), m_refusals[m_current].bad);
            m_waitingForBox = m_boxes.Seen().size() + 1;
        }
        Press(sheet, page == IDD_FINISH_PAGE ? PSBTN_FINISH : PSBTN_NEXT);
    }

private:
    void Press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

    CWizHllapiNewProfileSheet& m_sheet;
    int m_type;
    std::vector<Refusal> m_refusals;
    const MessageBoxWatcher& m_boxes;
    std::string m_folder;
    size_t m_current = 0;
    size_t m_waitingForBox = 0;
    int m_lastPage = -1;
};

CRefusalDriver* g_refusalDriver = nullptr;

void CALLBACK RefusalTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_refusalDriver)
    {
        g_refusalDriver->Tick();
    }
}
}

TEST_F(WizardSheetTest, RefusedValuesKeepThePageAndNameTheField)
{
    // A plain upload to a new AS/400 source file: library "1LIB", a record length of 12 (a source file needs 13)
    // and a pasted "20ab" are each refused on their page.
    m_profile = std::make_unique<CZRProfileHllAPI>(ZRCONN_HLLAPI, ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
    m_profile->CreateHostRequest();
    m_profile->CreatePcRequest();
    m_manager = FakeManager::Table();
    Desk().manager = &m_manager;
    WizardContext context{1, m_profile.get(), &m_manager};
    CWizHllapiNewProfileSheet sheet(CWizHllapiNewProfileSheet::CaptionOf(1), nullptr, context);
    CRefusalDriver driver(sheet, 12,
                          {{IDD_AS400_DESTINATION_PAGE, IDC_WIZ_LIBRARY, "1LIB", "LIB"},
                           {IDD_RECORD_LENGTH_PAGE, IDC_WIZ_RECORD_LENGTH, "12", "13"},
                           {IDD_RECORD_LENGTH_PAGE, IDC_WIZ_RECORD_LENGTH, "20ab", "20"}},
                          m_boxes, m_folder.Path());
    g_refusalDriver = &driver;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, RefusalTimer);
    INT_PTR result = sheet.DoModal();
    KillTimer(nullptr, timer);
    g_refusalDriver = nullptr;

    ASSERT_EQ(result, ID_WIZFINISH);
    std::vector<SeenDialog> seen = m_boxes.Seen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, "Error ZRH007: Parameter 'Host library name' is invalid.");
    EXPECT_EQ(seen[1].text, "Error ZRH007: Parameter 'Record length' is invalid.");
    EXPECT_EQ(seen[2].text, "Error ZRH007: Parameter 'Record length' is invalid.");
    EXPECT_EQ(sheet.Values().recordLength, "20");
    EXPECT_EQ(sheet.Result().hostFileType, 2);
}
