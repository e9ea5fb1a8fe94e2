#include "FwProbeDialog.h"

#include "FwModule.h"

const FwMessageMap* CProbeList::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_SETTEXT, &CProbeList::OnSetText),
    };
    static const FwMessageMap map{CFwListCtrl::ClassMessageMap(), entries};
    return &map;
}

BOOL CProbeList::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM)
    {
        events.push_back("draw");
        *result = TRUE;
        return TRUE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOA)
    {
        NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        if (info->item.mask & LVIF_TEXT)
        {
            std::string text = "row " + std::to_string(info->item.lParam) + " col " +
                               std::to_string(info->item.iSubItem);
            lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
        }
        *result = 0;
        return TRUE;
    }
    return FALSE;
}

LRESULT CProbeList::OnSetText(WPARAM, LPARAM lParam)
{
    events.push_back(std::string("settext ") + reinterpret_cast<const char*>(lParam));
    return Default();
}

CProbeDialog::CProbeDialog(std::function<void(CProbeDialog&)> script)
    : CFwDialog(IDD_FW_PROBE, nullptr, GetModuleHandleA(nullptr)), script(std::move(script))
{
}

const FwMessageMap* CProbeDialog::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(kRunScript, &CProbeDialog::OnRunScript),
        FW_ON_MESSAGE(kPrivate, &CProbeDialog::OnPrivate),
        FW_ON_COMMAND(IDC_FW_BUTTON, &CProbeDialog::OnButton),
        FW_ON_CONTROL(EN_CHANGE, IDC_FW_EDIT, &CProbeDialog::OnEditChange),
        FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_FW_LIST, &CProbeDialog::OnItemChanged),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

BOOL CProbeDialog::OnInitDialog()
{
    CFwDialog::OnInitDialog();
    list.SubclassDlgItem(IDC_FW_LIST, m_hWnd);
    events.push_back("init");
    if (endInInit)
    {
        EndDialog(5);
        return TRUE;
    }
    PostMessageA(m_hWnd, kRunScript, 0, 0);
    return TRUE;
}

void CProbeDialog::OnOK()
{
    events.push_back("ok");
    if (!refuseOk)
    {
        CFwDialog::OnOK();
    }
}

void CProbeDialog::DoDataExchange(CFwDataExchange& exchange)
{
    exchange.Text(IDC_FW_TEXT, text);
}

LRESULT CProbeDialog::OnRunScript(WPARAM, LPARAM)
{
    script(*this);
    return 0;
}

LRESULT CProbeDialog::OnPrivate(WPARAM wParam, LPARAM lParam)
{
    events.push_back("private " + std::to_string(wParam) + " " + std::to_string(lParam));
    return 1234;
}

LRESULT CProbeDialog::OnButton(WPARAM, LPARAM)
{
    events.push_back("button");
    return 0;
}

LRESULT CProbeDialog::OnEditChange(WPARAM, LPARAM)
{
    events.push_back("edit changed");
    return 0;
}

LRESULT CProbeDialog::OnItemChanged(WPARAM, LPARAM lParam)
{
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (change->uNewState & LVIS_SELECTED)
    {
        events.push_back("selected " + std::to_string(change->iItem));
    }
    return 0;
}
