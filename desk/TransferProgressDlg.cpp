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
const int kHelpContext = 47;
// The manager's notification codes 10 and 11 both carry a record count.
const WPARAM kRecordCountAlso = ZRM_NOTIFY_RECORD_COUNT + 1;
}

CTransferProgressDlg::CTransferProgressDlg(HWND parent)
    : CFwDialog(IDD_TRANSFER_PROGRESS, parent), m_progress(IDC_TRANSFER_TIME, IDC_RECORDS), m_icon(IDR_MAINFRAME),
      m_pictures(IDI_HOST_LEFT, IDI_PC, IDI_HOST_RIGHT), m_stopEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
}

const FwMessageMap* CTransferProgressDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_ZRTDESK_TRANSFER, &CTransferProgressDlg::OnTransferNotify),
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
    exchange.Text(IDC_RECORDS, m_progress.RecordsText());
    exchange.Text(IDC_TRANSFER_TIME, m_progress.TimeText());
    exchange.Text(IDC_PROFILE_NAME, m_profileName);
    exchange.Text(IDC_STATUS, m_status);
}

BOOL CTransferProgressDlg::OnInitDialog()
{
    m_status = FwLoadString(IDS_TRANSFER_STARTING);
    CVersionLibrary* library = GetVersionLibrary();
    SetWindowText(FwFormatArgs(FwLoadString(IDS_PROGRESS_CAPTION), {library ? library->GetShortProductName() : ""}));
    m_progress.Attach(m_hWnd);
    m_progress.Restart();
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
    m_icon.Apply(m_hWnd);
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
        m_progress.TakeRecordCount(value);
        break;
    case ZRM_NOTIFY_REQUEST_DONE:
        OnRequestFinished(value != 0);
        break;
    default:
        break;
    }
    return 0;
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
            m_progress.StartTimer();
            PlayAnimation(IDR_AVI_RUNNING);
        }
        break;
    case ZRM_STEP_TRANSFER_DATA:
        m_progress.StopTimer();
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
    m_progress.StopTimer();
    m_progress.ShowRecordCount();
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
    m_progress.Freeze();
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
    m_progress.StopTimer();
    EndDialog(IDCANCEL);
}

LRESULT CTransferProgressDlg::OnTimer(WPARAM timerId, LPARAM)
{
    return m_progress.OnTimer(timerId) ? 0 : Default();
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
    m_pictures.Show(GetDlgItem(IDC_SOURCE_PICTURE), GetDlgItem(IDC_DESTINATION_PICTURE), hostToPc);
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
    return m_icon.PaintMinimized(m_hWnd) ? 0 : Default();
}

LRESULT CTransferProgressDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return m_icon.DragIcon();
}
