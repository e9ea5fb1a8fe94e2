#include "MessageDetailsDlg.h"

#include "FwModule.h"
#include "FwText.h"
#include "VersionLibrary.h"
#include "resource.h"

namespace
{
const int kDetailsHelpContext = 50;
}

CMessageDetailsDlg::CMessageDetailsDlg(const CLogListCtrl& list, HWND parent)
    : CFwDialog(IDD_MESSAGE_DETAILS, parent), m_list(list)
{
}

const FwMessageMap* CMessageDetailsDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(IDC_DETAILS_NEXT, &CMessageDetailsDlg::OnNext),
        FW_ON_COMMAND(IDC_DETAILS_PREVIOUS, &CMessageDetailsDlg::OnPrevious),
        FW_ON_COMMAND(IDC_DETAILS_HELP, &CMessageDetailsDlg::OnHelpButton),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

BOOL CMessageDetailsDlg::OnInitDialog()
{
    CFwDialog::OnInitDialog();
    CVersionLibrary* library = GetVersionLibrary();
    SetWindowText(FwFormatArgs(FwLoadString(IDS_MESSAGE_DETAILS_TITLE),
                               {library ? library->GetShortProductName() : std::string()}));
    m_index = m_list.GetSelectedItem();
    if (m_index < 0)
    {
        EndDialog(IDOK);
        return TRUE;
    }
    ShowItem();
    return TRUE;
}

void CMessageDetailsDlg::ShowItem()
{
    const LogRecord* entry = m_index >= 0 && m_index < m_list.GetItemCount() ? m_list.GetEntry(m_index) : nullptr;
    if (!entry)
    {
        return;
    }
    SetDlgItemText(IDC_DETAILS_MESSAGE, entry->text);
    SetDlgItemText(IDC_DETAILS_DATE, LogDateText(entry->time));
    SetDlgItemText(IDC_DETAILS_TIME, LogTimeText(entry->time));
    UpdateButtons();
}

void CMessageDetailsDlg::FocusControl(UINT id)
{
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(id)), TRUE);
}

void CMessageDetailsDlg::UpdateButtons()
{
    int count = m_list.GetItemCount();
    if (count == 1)
    {
        EnableDlgItem(IDC_DETAILS_PREVIOUS, FALSE);
        EnableDlgItem(IDC_DETAILS_NEXT, FALSE);
    }
    else if (m_index == 0)
    {
        EnableDlgItem(IDC_DETAILS_NEXT, TRUE);
        FocusControl(IDC_DETAILS_NEXT);
        EnableDlgItem(IDC_DETAILS_PREVIOUS, FALSE);
    }
    else if (m_index == count - 1)
    {
        EnableDlgItem(IDC_DETAILS_PREVIOUS, TRUE);
        FocusControl(IDC_DETAILS_PREVIOUS);
        EnableDlgItem(IDC_DETAILS_NEXT, FALSE);
    }
    else
    {
        EnableDlgItem(IDC_DETAILS_PREVIOUS, TRUE);
        EnableDlgItem(IDC_DETAILS_NEXT, TRUE);
    }
}

LRESULT CMessageDetailsDlg::OnNext(WPARAM, LPARAM)
{
    if (m_index + 1 < m_list.GetItemCount())
    {
        ++m_index;
        FocusControl(IDC_DETAILS_NEXT);
        ShowItem();
    }
    return 0;
}

LRESULT CMessageDetailsDlg::OnPrevious(WPARAM, LPARAM)
{
    if (m_index > 0)
    {
        --m_index;
        FocusControl(IDC_DETAILS_PREVIOUS);
        ShowItem();
    }
    return 0;
}

void CMessageDetailsDlg::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, kDetailsHelpContext);
}

LRESULT CMessageDetailsDlg::OnHelpButton(WPARAM, LPARAM)
{
    OnHelp();
    return 0;
}
