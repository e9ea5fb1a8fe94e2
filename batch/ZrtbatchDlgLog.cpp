// The log area of Zrtbatch's main dialog: the log list, showing and hiding it, the details dialog and the saved log.
#include "ZrtbatchDlg.h"

#include "FwFileDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "MessageDetailsDlg.h"
#include "ZRErrorRecord.h"
#include "ZRMessages.h"
#include "resource.h"

#include <commdlg.h>

namespace
{
const COLORREF kLogImageMask = RGB(0, 128, 128);
const int kLogImageWidth = 16;
}

void CZrtbatchDlg::SetUpLogList()
{
    m_log.SubclassDlgItem(IDC_LOG_LIST, m_hWnd);
    m_log.InsertColumn(0, FwLoadString(IDS_COLUMN_DATE), LVCFMT_LEFT, 100);
    m_log.InsertColumn(1, FwLoadString(IDS_COLUMN_TIME), LVCFMT_LEFT, 70);
    m_log.InsertColumn(2, FwLoadString(IDS_COLUMN_MESSAGE), LVCFMT_LEFT, 250);
    m_log.DeleteAllItems();
    if (m_logImages.LoadBitmap(IDB_LOG_IMAGES, kLogImageWidth, 1, kLogImageMask))
    {
        m_logImages.SetBkColor(CLR_NONE);
        m_log.SetCellImageList(m_logImages.GetSafeHandle());
    }
}

RECT CZrtbatchDlg::ControlRect(UINT id) const
{
    RECT rect{};
    GetWindowRect(GetDlgItem(id), &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CZrtbatchDlg::MeasureLogLayout()
{
    RECT window;
    GetWindowRect(m_hWnd, &window);
    m_fullWidth = window.right - window.left;
    m_fullHeight = window.bottom - window.top;
    m_logGroupTop = ControlRect(IDC_LOG_GROUP).top;
    m_stopTop = ControlRect(IDC_STOP).top;
    m_collapsedHeight = m_fullHeight - (m_stopTop - m_logGroupTop);
}

void CZrtbatchDlg::MoveControlTo(UINT id, int top) const
{
    RECT rect = ControlRect(id);
    SetWindowPos(GetDlgItem(id), nullptr, rect.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZrtbatchDlg::ShowLog()
{
    SetDlgItemText(IDC_SHOW_LOG, FwLoadString(m_logShown ? IDS_HIDE_LOG : IDS_SHOW_LOG));
    int buttonTop = m_logShown ? m_stopTop : m_logGroupTop;
    for (UINT id : {IDC_STOP, IDC_HELP_BUTTON, IDC_SHOW_LOG})
    {
        MoveControlTo(id, buttonTop);
    }
    ShowWindow(GetDlgItem(IDC_LOG_LIST), m_logShown ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(IDC_LOG_GROUP), m_logShown ? SW_SHOW : SW_HIDE);
    SetWindowPos(m_hWnd, nullptr, 0, 0, m_fullWidth, m_logShown ? m_fullHeight : m_collapsedHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT CZrtbatchDlg::OnShowLog(WPARAM, LPARAM)
{
    m_logShown = !m_logShown;
    UpdateLogButtons();
    ShowLog();
    return 0;
}

void CZrtbatchDlg::UpdateLogButtons()
{
    bool hasEntries = m_log.GetItemCount() > 0;
    EnableDlgItem(IDC_CLEAR_LOG, hasEntries);
    EnableDlgItem(IDC_SAVE_LOG, hasEntries);
    EnableDlgItem(IDC_DETAILS, m_log.GetSelectedItem() >= 0);
}

LRESULT CZrtbatchDlg::OnLogItemChanged(WPARAM, LPARAM)
{
    UpdateLogButtons();
    return 0;
}

LRESULT CZrtbatchDlg::OnAddLogEntry(WPARAM, LPARAM lParam)
{
    const ErrorRecord* record = reinterpret_cast<const ErrorRecord*>(lParam);
    if (!record)
    {
        return 0;
    }
    auto entry = std::make_unique<LogRecord>();
    entry->text = record->text ? record->text : "";
    entry->time = FwLocalTimeOf(record->time);
    entry->kind = 0;
    m_log.AddEntry(std::move(entry));
    m_log.Invalidate();
    if (m_log.GetItemCount() == 1)
    {
        m_log.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    UpdateLogButtons();
    return 0;
}

LRESULT CZrtbatchDlg::OnClearLog(WPARAM, LPARAM)
{
    m_log.DeleteAllItems();
    UpdateLogButtons();
    return 0;
}

LRESULT CZrtbatchDlg::OnShowDetails(WPARAM, LPARAM)
{
    ShowMessageDetails();
    return 0;
}

LRESULT CZrtbatchDlg::OnDetails(WPARAM, LPARAM)
{
    ShowMessageDetails();
    return 0;
}

void CZrtbatchDlg::ShowMessageDetails()
{
    CMessageDetailsDlg details(m_log, m_hWnd);
    details.DoModal();
}

LRESULT CZrtbatchDlg::OnSaveToFile(WPARAM, LPARAM)
{
    CFwFileDialog dialog(FALSE, "bts", "",
                         OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN,
                         FwLoadString(IDS_SAVE_LOG_FILTER), m_hWnd);
    if (dialog.DoModal() != IDOK)
    {
        return 0;
    }
    const std::string& path = dialog.GetPathName();
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
    {
        ShowMessage(IDS_ZRG006_CANNOT_CREATE, path.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return 0;
    }
    SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
    SetEndOfFile(file.Get());
    int count = m_log.GetItemCount();
    for (int row = 0; row < count; ++row)
    {
        const LogRecord* entry = m_log.GetEntry(row);
        if (!entry)
        {
            continue;
        }
        std::string line = SavedLogLine(*entry);
        DWORD written = 0;
        if (!WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
            written != line.size())
        {
            ShowMessage(IDS_ZRG002_CANNOT_SAVE, path.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
            break;
        }
    }
    return 0;
}
