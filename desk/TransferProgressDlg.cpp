#include "TransferProgressDlg.h"

#include "DeskState.h"
#include "ErrorListDialog.h"
#include "FwApp.h"
#include "FwDocument.h"
#include "FwFrameWnd.h"
#include "FwModule.h"
#include "FwText.h"
#include "VersionLibrary.h"
#include "WindowText.h"
#include "ZRMessages.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZRServiceCallbacks.h"
#include "resource.h"

namespace
{
const UINT_PTR kElapsedTimerId = 100;
const UINT kElapsedTimerPeriod = 1000;
const int kHelpContext = 47;
// Posted to itself when a record count arrived: the newest count is shown once the queued ones are read.
const UINT WM_ZRTDESK_SHOW_COUNT = WM_USER + 7;
// The manager's notification codes 10 and 11 both carry a record count.
const WPARAM kRecordCountAlso = ZRM_NOTIFY_RECORD_COUNT + 1;
}

CTransferProgressDlg::CTransferProgressDlg(HWND parent)
    : CFwDialog(IDD_TRANSFER_PROGRESS, parent), m_icon(FwLoadIcon(IDR_MAINFRAME)),
      m_smallIcon(FwLoadIcon(IDR_MAINFRAME, GetSystemMetrics(SM_CXSMICON))), m_hostLeftIcon(FwLoadIcon(IDI_HOST_LEFT)),
      m_pcIcon(FwLoadIcon(IDI_PC)), m_hostRightIcon(FwLoadIcon(IDI_HOST_RIGHT)),
      m_stopEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)), m_startTime(time(nullptr))
{
}

const FwMessageMap* CTransferProgressDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_ZRTDESK_TRANSFER, &CTransferProgressDlg::OnTransferNotify),
        FW_ON_MESSAGE(WM_ZRTDESK_SHOW_COUNT, &CTransferProgressDlg::OnShowRecordCount),
        FW_ON_MESSAGE(WM_TIMER, &CTransferProgressDlg::OnTimer),
        FW_ON_MESSAGE(WM_SETCURSOR, &CTransferProgressDlg::OnSetCursor),
        FW_ON_MESSAGE(WM_PAINT, &CTransferProgressDlg::OnPaint),
        FW_ON_MESSAGE(WM_QUERYDRAGICON, &CTransferProgressDlg::OnQueryDragIcon),
        FW_ON_COMMAND(IDC_STOP, &CTransferProgressDlg::OnStop),
        FW_ON_COMMAND(IDC_HELP_BUTTON, &CTransferProgressDlg::OnHelpButton),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

void CTransferProgressDlg::DoDataExchange(CFwDataExchange& exchange)
{
    exchange.Text(IDC_RECORDS, m_records);
    exchange.Text(IDC_TRANSFER_TIME, m_time);
    exchange.Text(IDC_PROFILE_NAME, m_profileName);
    exchange.Text(IDC_STATUS, m_status);
}

BOOL CTransferProgressDlg::OnInitDialog()
{
    m_status = FwLoadString(IDS_TRANSFER_STARTING);
    CVersionLibrary* library = GetVersionLibrary();
    SetWindowText(FwFormatArgs(FwLoadString(IDS_PROGRESS_CAPTION), {library ? library->GetShortProductName() : ""}));
    m_startTime = time(nullptr);
    m_time = FwFormatSpan(0, "%Dd %Hh %Mm %Ss");
    CFwApp* application = CFwApp::Current();
    CFwDocument* document = application && application->GetDocTemplate() ? application->GetDocTemplate()->GetDocument()
                                                                         : nullptr;
    m_profileName = document && !document->GetPathName().empty() ? document->GetPathName()
                                                                 : FwLoadString(IDS_FW_UNTITLED);
    FitPathToWindow(m_profileName, GetDlgItem(IDC_PROFILE_NAME));
    CFwDialog::OnInitDialog();

    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE))
    {
        DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.Get()));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
    g_environmentCallbacks.hwndNotify = m_hWnd;
    CenterWindow();
    SetDirectionIcons();
    m_animation.Attach(GetDlgItem(IDC_ANIMATION));
    ZRMFunctions* manager = Desk().manager;
    // A request that cannot be posted never ends with a notification: it takes the end path of a failed transfer.
    if (manager && manager->TransferAsync(m_stopEvent.Get()))
    {
        PlayAnimation(IDR_AVI_STARTING);
    }
    else
    {
        PostMessageA(m_hWnd, WM_ZRTDESK_TRANSFER, ZRM_NOTIFY_REQUEST_DONE, 0);
    }
    return TRUE;
}

LRESULT CTransferProgressDlg::OnTransferNotify(WPARAM code, LPARAM value)
{
    switch (code)
    {
    case ZRM_NOTIFY_STEP:
        OnStepFinished(value);
        break;
    case ZRM_NOTIFY_RECORD_COUNT:
    case kRecordCountAlso:
        m_latestCount = static_cast<long long>(value);
        if (!m_countPending)
        {
            m_countPending = PostMessageA(m_hWnd, WM_ZRTDESK_SHOW_COUNT, 0, 0) != FALSE;
        }
        break;
    case ZRM_NOTIFY_REQUEST_DONE:
        OnRequestFinished(value != 0);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CTransferProgressDlg::OnShowRecordCount(WPARAM, LPARAM)
{
    m_countPending = false;
    ShowRecordCount();
    return 0;
}

void CTransferProgressDlg::ShowRecordCount()
{
    m_records = FwFormat("%lld", m_latestCount);
    SetDlgItemText(IDC_RECORDS, m_records);
}

void CTransferProgressDlg::OnStepFinished(LPARAM step)
{
    switch (step)
    {
    case ZRM_STEP_OPEN_TRANSFER:
        // After Stop the time stays frozen and the status keeps saying that the transfer terminates.
        if (!m_stopped)
        {
            SetStatus(IDS_TRANSFER_RUNNING);
            StartTimer();
            PlayAnimation(IDR_AVI_RUNNING);
        }
        break;
    case ZRM_STEP_TRANSFER_DATA:
        StopTimer();
        if (!m_stopped)
        {
            SetStatus(IDS_TRANSFER_CLOSING);
        }
        break;
    case ZRM_STEP_CLOSE_TRANSFER:
        EndRunning();
        m_animation.Close();
        Invalidate();
        break;
    default:
        break;
    }
}

void CTransferProgressDlg::OnRequestFinished(BOOL succeeded)
{
    StopTimer();
    ShowRecordCount();
    if (m_stopped)
    {
        SetStatus(IDS_TRANSFER_CANCELED);
        m_busyCursor = false;
        EnableWindow(m_hWnd, TRUE);
    }
    else
    {
        SetStatus(succeeded ? IDS_TRANSFER_COMPLETED : IDS_TRANSFER_FAILED);
    }
    // The request is over whatever steps were reported: the dialog can close.
    EndRunning();
    ShowErrorList(FALSE);
}

void CTransferProgressDlg::EndRunning()
{
    SetDlgItemText(IDC_STOP, FwLoadString(IDS_CLOSE));
    m_running = false;
}

LRESULT CTransferProgressDlg::OnStop(WPARAM, LPARAM)
{
    StopTimer();
    if (!m_running)
    {
        EndDialog(IDCANCEL);
        return 0;
    }
    SetEvent(m_stopEvent.Get());
    SetStatus(IDS_TRANSFER_TERMINATING);
    m_stopped = true;
    m_busyCursor = true;
    EnableWindow(m_hWnd, FALSE);
    return 0;
}

void CTransferProgressDlg::OnOK()
{
    OnCancel();
}

void CTransferProgressDlg::OnCancel()
{
    if (m_running)
    {
        ShowMessage(IDS_CANNOT_CLOSE_TRANSFER, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return;
    }
    StopTimer();
    EndDialog(IDCANCEL);
}

LRESULT CTransferProgressDlg::OnTimer(WPARAM timerId, LPARAM)
{
    if (m_inTimer)
    {
        return 0;
    }
    if (timerId != m_timerId || m_timerId == 0)
    {
        return Default();
    }
    m_inTimer = true;
    UpdateElapsedTime();
    m_inTimer = false;
    return 0;
}

void CTransferProgressDlg::StartTimer()
{
    m_timerId = SetTimer(m_hWnd, kElapsedTimerId, kElapsedTimerPeriod, nullptr);
}

void CTransferProgressDlg::StopTimer()
{
    if (m_timerId)
    {
        UpdateElapsedTime();
        KillTimer(m_hWnd, m_timerId);
        m_timerId = 0;
    }
}

void CTransferProgressDlg::UpdateElapsedTime()
{
    m_time = FwFormatSpan(static_cast<long long>(difftime(time(nullptr), m_startTime)), "%Dd %Hh %Mm %Ss");
    SetDlgItemText(IDC_TRANSFER_TIME, m_time);
}

void CTransferProgressDlg::SetStatus(UINT id)
{
    m_status = FwLoadString(id);
    SetDlgItemText(IDC_STATUS, m_status);
}

void CTransferProgressDlg::PlayAnimation(UINT id)
{
    m_animation.Close();
    m_animation.Open(id);
    m_animation.Play(0, -1, -1);
}

void CTransferProgressDlg::SetDirectionIcons()
{
    CZRProfile* profile = GetCurrentProfile();
    bool hostToPc = profile && profile->General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    FwSetStaticIcon(GetDlgItem(IDC_SOURCE_PICTURE), hostToPc ? m_hostRightIcon.Get() : m_pcIcon.Get());
    FwSetStaticIcon(GetDlgItem(IDC_DESTINATION_PICTURE), hostToPc ? m_pcIcon.Get() : m_hostLeftIcon.Get());
}

LRESULT CTransferProgressDlg::OnHelpButton(WPARAM, LPARAM)
{
    FwWinHelp(HELP_CONTEXT, kHelpContext);
    return 0;
}

LRESULT CTransferProgressDlg::OnSetCursor(WPARAM, LPARAM)
{
    if (m_busyCursor)
    {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    return Default();
}

LRESULT CTransferProgressDlg::OnPaint(WPARAM, LPARAM)
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

LRESULT CTransferProgressDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_icon.Get());
}
