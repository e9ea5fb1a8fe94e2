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
const int kHelpContext = 49;
const char kConnectionMissing[] = "Default value (value not found)";
const DWORD kConnectionSize = 81;
// The manager's notification codes 10 and 11 both carry a record count.
const WPARAM kRecordCountAlso = ZRM_NOTIFY_RECORD_COUNT + 1;

// The manager's table while a transfer is prepared or runs; null between profiles.
ZRMFunctions* g_manager = nullptr;

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
    : CFwDialog(IDD_ZRTBATCH), m_application(application), m_progress(IDC_TRANSFER_TIME, IDC_RECORDS),
      m_icon(IDI_ZRTBATCH), m_pictures(IDI_HOST_LEFT, IDI_PC, IDI_HOST_RIGHT),
      m_stopEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr))
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
    exchange.Text(IDC_RECORDS, m_progress.RecordsText());
    exchange.Text(IDC_TRANSFER_TIME, m_progress.TimeText());
    exchange.Text(IDC_PROFILE_NAME, m_profileName);
    exchange.Text(IDC_STATUS, m_status);
}

BOOL CZrtbatchDlg::OnInitDialog()
{
    CFwDialog::OnInitDialog();
    FwSetMainWindow(m_hWnd);
    m_progress.Attach(m_hWnd);
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
    m_icon.Apply(m_hWnd);

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
    m_progress.Restart();
    m_profileName = runList[m_current];
    FitPathToWindow(m_profileName, GetDlgItem(IDC_PROFILE_NAME));
    m_status = FwLoadString(IDS_TRANSFER_STARTING);
    UpdateData(FALSE);
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
        m_progress.TakeRecordCount(value);
        break;
    case ZRM_NOTIFY_REQUEST_DONE:
        m_progress.ShowRecordCount();
        OnRequestFinished(value != 0);
        break;
    default:
        break;
    }
    return 0;
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
            m_progress.StartTimer();
            PlayAnimation(IDR_AVI_RUNNING);
        }
        break;
    case ZRM_STEP_TRANSFER_DATA:
        m_progress.StopTimer();
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
    m_progress.StopTimer();
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
        LogLine(__LINE__, IDS_TRANSFER_COMPLETED_RECORDS, m_progress.RecordsText().c_str());
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
    m_progress.Freeze();
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
    m_progress.StopTimer();
    EndDialog(IDCANCEL);
}

LRESULT CZrtbatchDlg::OnTimer(WPARAM timerId, LPARAM)
{
    return m_progress.OnTimer(timerId) ? 0 : Default();
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
    m_pictures.Show(GetDlgItem(IDC_SOURCE_PICTURE), GetDlgItem(IDC_DESTINATION_PICTURE), hostToPc);
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
    return m_icon.PaintMinimized(m_hWnd) ? 0 : Default();
}

LRESULT CZrtbatchDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return m_icon.DragIcon();
}
