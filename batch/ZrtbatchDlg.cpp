#include "ZrtbatchDlg.h"

#include "AboutDlg.h"
#include "ErrorListDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "ProfileKinds.h"
#include "ReportError.h"
#include "VersionLibrary.h"
#include "WindowText.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRMessages.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZRProgram.h"
#include "Zrtbatch.h"
#include "ZrtbatchMessages.h"
#include "resource.h"

namespace
{
const UINT_PTR kElapsedTimerId = 100;
const UINT kElapsedTimerPeriod = 1000;
// The record count is repainted at most this often: the manager posts a count every ten records, faster than the
// window can repaint them.
const UINT_PTR kCountTimerId = 101;
const DWORD kCountRepaintPeriod = 100;
const int kHelpContext = 49;
const char kConnectionMissing[] = "Default value (value not found)";
const DWORD kConnectionSize = 81;
// The manager's notification codes 10 and 11 both carry a record count.
const WPARAM kRecordCountAlso = ZRM_NOTIFY_RECORD_COUNT + 1;

// The manager's table while a transfer is prepared or runs; null between profiles.
ZRMFunctions* g_manager = nullptr;
// Set while a timer message is handled, so that a late one is dropped.
bool g_inTimer = false;

// The full path of a run-list entry, so that the profile functions never look in the Windows folder; empty
// when the entry names no path.
std::string FullPathOf(const std::string& entry)
{
    if (entry.empty())
    {
        return std::string();
    }
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(entry.c_str(), sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full, length) : std::string();
}
}

CZrtbatchDlg::CZrtbatchDlg(const CZrtbatchApp& application)
    : CFwDialog(IDD_ZRTBATCH), m_application(application), m_icon(FwLoadIcon(IDI_ZRTBATCH)),
      m_smallIcon(FwLoadIcon(IDI_ZRTBATCH, GetSystemMetrics(SM_CXSMICON))), m_hostLeftIcon(FwLoadIcon(IDI_HOST_LEFT)),
      m_pcIcon(FwLoadIcon(IDI_PC)), m_hostRightIcon(FwLoadIcon(IDI_HOST_RIGHT)),
      m_stopEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)), m_startTime(time(nullptr))
{
}

const FwMessageMap* CZrtbatchDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_ZRTBATCH_START, &CZrtbatchDlg::OnStartTransfer),
        FW_ON_MESSAGE(WM_ZRTBATCH_TRANSFER, &CZrtbatchDlg::OnTransferNotify),
        FW_ON_MESSAGE(WM_ZRTBATCH_LOG_ENTRY, &CZrtbatchDlg::OnAddLogEntry),
        FW_ON_MESSAGE(WM_ZRTBATCH_SHOW_DETAILS, &CZrtbatchDlg::OnShowDetails),
        FW_ON_MESSAGE(WM_TIMER, &CZrtbatchDlg::OnTimer),
        FW_ON_MESSAGE(WM_SETCURSOR, &CZrtbatchDlg::OnSetCursor),
        FW_ON_MESSAGE(WM_SYSCOMMAND, &CZrtbatchDlg::OnSysCommand),
        FW_ON_MESSAGE(WM_PAINT, &CZrtbatchDlg::OnPaint),
        FW_ON_MESSAGE(WM_QUERYDRAGICON, &CZrtbatchDlg::OnQueryDragIcon),
        FW_ON_COMMAND(IDC_STOP, &CZrtbatchDlg::OnStop),
        FW_ON_COMMAND(IDC_HELP_BUTTON, &CZrtbatchDlg::OnHelpButton),
        FW_ON_COMMAND(IDC_DETAILS, &CZrtbatchDlg::OnDetails),
        FW_ON_COMMAND(IDC_CLEAR_LOG, &CZrtbatchDlg::OnClearLog),
        FW_ON_COMMAND(IDC_SAVE_LOG, &CZrtbatchDlg::OnSaveToFile),
        FW_ON_COMMAND(IDC_SHOW_LOG, &CZrtbatchDlg::OnShowLog),
        FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_LOG_LIST, &CZrtbatchDlg::OnLogItemChanged),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

void CZrtbatchDlg::DoDataExchange(CFwDataExchange& exchange)
{
    exchange.Text(IDC_RECORDS, m_records);
    exchange.Text(IDC_TRANSFER_TIME, m_time);
    exchange.Text(IDC_PROFILE_NAME, m_profileName);
    exchange.Text(IDC_STATUS, m_status);
}

BOOL CZrtbatchDlg::OnInitDialog()
{
    CFwDialog::OnInitDialog();
    FwSetMainWindow(m_hWnd);
    MeasureLogLayout();

    CVersionLibrary* library = GetVersionLibrary();
    SetWindowText(FwFormat("%s - %s", FwPathFileName(m_application.GetCommandLinePath()).c_str(),
                           library ? library->GetLongProductName().c_str() : ""));

    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    std::string about = FwLoadString(IDS_ABOUT_COMMAND);
    if (menu && !about.empty())
    {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
    if (menu)
    {
        DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.Get()));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    m_animation.Attach(GetDlgItem(IDC_ANIMATION));
    SetUpLogList();
    ShowLog();
    PostMessageA(m_hWnd, WM_ZRTBATCH_START, 0, 0);
    return TRUE;
}

LRESULT CZrtbatchDlg::OnStartTransfer(WPARAM, LPARAM)
{
    g_environmentCallbacks.hwndNotify = m_hWnd;
    StartProfile();
    return 0;
}

void CZrtbatchDlg::StartProfile()
{
    PrepareProfile();
    LogLine(__LINE__, IDS_PROFILE_STARTED, m_profileName.c_str());
    // A request that cannot be posted never ends with a notification: it ends the profile as failed instead.
    if (OpenProfile() && g_manager->RunTransferAsync(m_stopEvent.Get()))
    {
        SetDirectionIcons();
        PlayAnimation(IDR_AVI_STARTING);
    }
    else
    {
        PostMessageA(m_hWnd, WM_ZRTBATCH_TRANSFER, ZRM_NOTIFY_REQUEST_DONE, 0);
    }
    ForwardErrorsToWindow();
}

void CZrtbatchDlg::PrepareProfile()
{
    const std::vector<std::string>& runList = m_application.GetRunList();
    SetDlgItemText(IDC_PROFILE_GROUP, m_application.IsList() ? FwFormatArgs(FwLoadString(IDS_PROFILE_OF),
                                                                            {static_cast<int>(m_current + 1),
                                                                             static_cast<int>(runList.size())})
                                                             : std::string());
    m_records.assign(1, '0');
    m_profileName = runList[m_current];
    FitPathToWindow(m_profileName, GetDlgItem(IDC_PROFILE_NAME));
    m_status = FwLoadString(IDS_TRANSFER_STARTING);
    m_startTime = time(nullptr);
    UpdateElapsedTime();
}

BOOL CZrtbatchDlg::OpenProfile()
{
    const std::string& entry = m_application.GetRunList()[m_current];
    std::string path = FullPathOf(entry);
    char connection[kConnectionSize] = "";
    if (path.empty())
    {
        lstrcpynA(connection, kConnectionMissing, sizeof(connection));
    }
    else
    {
        GetPrivateProfileStringA("General", "Connection", kConnectionMissing, connection, kConnectionSize,
                                 path.c_str());
    }
    CZRProfile* profile = nullptr;
    switch (MakeProfileForConnection(connection, path, &profile))
    {
    case ProfileKindResult::UnknownConnection:
        ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_ZRG017_NO_CONNECTION,
                    entry.c_str());
        return FALSE;
    case ProfileKindResult::OutOfMemory:
        ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_ZRG012_MEMORY);
        return FALSE;
    case ProfileKindResult::Made:
        break;
    }
    InstallProfileCallbacks(profile);
    SetStrictProfileReading(TRUE);
    bool ok = profile->Read();
    int message = static_cast<int>(WM_ZRTBATCH_TRANSFER);
    profile->Notify().SetValue(ZRP_NOTIFY_MESSAGE, &message);
    m_autoClose = profile->General().Get(ZRP_AUTO_CLOSE);
    return ok && CreateTransferManager();
}

BOOL CZrtbatchDlg::CreateTransferManager()
{
    if (!m_application.GetManagerFactory()(&g_profileCallbacks, GetErrorSinkFunctions(), &g_optionCallbacks,
                                           &g_environmentCallbacks, &g_manager) ||
        !g_manager)
    {
        ReportError(__FILE__, __LINE__, GetErrorSinkFunctions(), GetOwnModule(), IDS_ZRG014_NO_MANAGER);
        return FALSE;
    }
    return TRUE;
}

void CZrtbatchDlg::ReleaseTransfer()
{
    if (g_manager)
    {
        g_manager->DisconnectHost();
        g_manager->UnloadHost();
        g_manager->Release();
        g_manager = nullptr;
    }
    if (CZRProfile* profile = GetCurrentProfile())
    {
        InstallProfileCallbacks(nullptr);
        delete profile;
    }
}

LRESULT CZrtbatchDlg::OnTransferNotify(WPARAM code, LPARAM value)
{
    switch (code)
    {
    case ZRM_NOTIFY_STEP:
        OnStepFinished(value);
        ForwardErrorsToWindow();
        break;
    case ZRM_NOTIFY_RECORD_COUNT:
    case kRecordCountAlso:
        OnRecordCount(value);
        break;
    case ZRM_NOTIFY_REQUEST_DONE:
        ShowRecordCount();
        OnRequestFinished(value != 0);
        break;
    default:
        break;
    }
    return 0;
}

void CZrtbatchDlg::OnRecordCount(LPARAM count)
{
    // Taking a count costs next to nothing; repainting it for each one would leave the dialog working through a
    // backlog of counts long after the last record.
    m_records = FwFormat("%d", static_cast<int>(count));
    if (GetTickCount() - m_countShownAt >= kCountRepaintPeriod)
    {
        ShowRecordCount();
    }
    else if (!m_countTimerId)
    {
        m_countTimerId = SetTimer(m_hWnd, kCountTimerId, kCountRepaintPeriod, nullptr);
    }
}

void CZrtbatchDlg::ShowRecordCount()
{
    if (m_countTimerId)
    {
        KillTimer(m_hWnd, m_countTimerId);
        m_countTimerId = 0;
    }
    SetDlgItemText(IDC_RECORDS, m_records);
    m_countShownAt = GetTickCount();
}

void CZrtbatchDlg::OnStepFinished(LPARAM step)
{
    switch (step)
    {
    case ZRM_STEP_OPEN_TRANSFER:
        // After Stop the time stays frozen and the status keeps saying that the transfer terminates.
        if (!m_stopping)
        {
            SetStatus(IDS_TRANSFER_RUNNING);
            StartTimer();
            PlayAnimation(IDR_AVI_RUNNING);
        }
        break;
    case ZRM_STEP_TRANSFER_DATA:
        StopTimer();
        if (!m_stopping)
        {
            SetStatus(IDS_TRANSFER_CLOSING);
        }
        break;
    case ZRM_STEP_CLOSE_TRANSFER:
        m_animation.Close();
        Invalidate();
        break;
    default:
        break;
    }
}

void CZrtbatchDlg::OnRequestFinished(BOOL succeeded)
{
    StopTimer();
    ReleaseTransfer();
    if (m_stopping)
    {
        SetStatus(IDS_TRANSFER_CANCELED);
        LogLine(__LINE__, IDS_TRANSFER_CANCELED);
        SetDlgItemText(IDC_STOP, FwLoadString(IDS_CLOSE));
        m_running = false;
        if (HANDLE failure = m_application.GetFailureEvent())
        {
            SetEvent(failure);
        }
        m_waitCursor = false;
        EnableWindow(m_hWnd, TRUE);
        return;
    }
    UpdateData(TRUE);
    if (succeeded)
    {
        LogLine(__LINE__, IDS_TRANSFER_COMPLETED_RECORDS, m_records.c_str());
        SetStatus(IDS_TRANSFER_COMPLETED);
    }
    else
    {
        LogLine(__LINE__, IDS_TRANSFER_FAILED);
        SetStatus(IDS_TRANSFER_FAILED);
        m_allOk = false;
    }
    ForwardErrorsToWindow();
    ++m_current;
    if (m_current < m_application.GetRunList().size())
    {
        StartProfile();
    }
    else
    {
        EndRun();
    }
}

void CZrtbatchDlg::EndRun()
{
    SetDlgItemText(IDC_STOP, FwLoadString(IDS_CLOSE));
    m_running = false;
    HANDLE event = m_allOk ? m_application.GetSuccessEvent() : m_application.GetFailureEvent();
    if (event)
    {
        SetEvent(event);
    }
    if (m_allOk && m_autoClose)
    {
        EndDialog(IDOK);
    }
}

LRESULT CZrtbatchDlg::OnStop(WPARAM, LPARAM)
{
    StopTimer();
    if (m_running)
    {
        SetEvent(m_stopEvent.Get());
        SetStatus(IDS_TRANSFER_TERMINATING);
        m_stopping = true;
        m_waitCursor = true;
        EnableWindow(m_hWnd, FALSE);
    }
    else
    {
        EndDialog(IDCANCEL);
    }
    return 0;
}

void CZrtbatchDlg::OnOK()
{
    OnCancel();
}

void CZrtbatchDlg::OnCancel()
{
    if (m_running)
    {
        ShowMessage(IDS_CANNOT_CLOSE, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return;
    }
    StopTimer();
    EndDialog(IDCANCEL);
}

LRESULT CZrtbatchDlg::OnTimer(WPARAM timerId, LPARAM)
{
    if (g_inTimer)
    {
        return 0;
    }
    if (timerId == m_countTimerId && m_countTimerId != 0)
    {
        ShowRecordCount();
        return 0;
    }
    if (timerId != m_timerId || m_timerId == 0)
    {
        return Default();
    }
    g_inTimer = true;
    UpdateElapsedTime();
    g_inTimer = false;
    return 0;
}

void CZrtbatchDlg::StartTimer()
{
    m_timerId = SetTimer(m_hWnd, kElapsedTimerId, kElapsedTimerPeriod, nullptr);
}

void CZrtbatchDlg::StopTimer()
{
    // After Stop the time stays as it was when the user stopped.
    if (!m_stopping)
    {
        UpdateElapsedTime();
    }
    if (m_timerId)
    {
        KillTimer(m_hWnd, m_timerId);
        m_timerId = 0;
    }
}

void CZrtbatchDlg::UpdateElapsedTime()
{
    m_time = FwFormatSpan(static_cast<long long>(difftime(time(nullptr), m_startTime)), "%Dd %Hh %Mm %Ss");
    UpdateData(FALSE);
}

void CZrtbatchDlg::SetStatus(UINT id)
{
    m_status = FwLoadString(id);
    UpdateData(FALSE);
}

void CZrtbatchDlg::LogLine(int line, UINT id, const char* argument)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), id, argument);
    ForwardErrorsToWindow();
}

void CZrtbatchDlg::SetDirectionIcons()
{
    CZRProfile* profile = GetCurrentProfile();
    bool hostToPc = profile && profile->General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    FwSetStaticIcon(GetDlgItem(IDC_SOURCE_PICTURE), hostToPc ? m_hostRightIcon.Get() : m_pcIcon.Get());
    FwSetStaticIcon(GetDlgItem(IDC_DESTINATION_PICTURE), hostToPc ? m_pcIcon.Get() : m_hostLeftIcon.Get());
}

void CZrtbatchDlg::PlayAnimation(UINT id)
{
    m_animation.Close();
    m_animation.Open(id);
    m_animation.Play(0, -1, -1);
}

LRESULT CZrtbatchDlg::OnHelpButton(WPARAM, LPARAM)
{
    FwWinHelp(HELP_CONTEXT, kHelpContext);
    return 0;
}

LRESULT CZrtbatchDlg::OnSetCursor(WPARAM, LPARAM)
{
    if (m_waitCursor)
    {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    return Default();
}

LRESULT CZrtbatchDlg::OnSysCommand(WPARAM command, LPARAM)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg about(m_hWnd);
        about.DoModal();
        return 0;
    }
    return Default();
}

LRESULT CZrtbatchDlg::OnPaint(WPARAM, LPARAM)
{
    if (!IsIconic(m_hWnd))
    {
        return Default();
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon.Get());
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CZrtbatchDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_icon.Get());
}
