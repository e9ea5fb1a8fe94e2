#include "PropertyItem.h"

#include "FwModule.h"
#include "FwText.h"
#include "ProfileAccess.h"
#include "ZRMessages.h"
#include "resource.h"

CPropertyItem::CPropertyItem(CListItem* parent, UINT nameId, int kind, int image, int helpContext, UINT templateId)
    : CListItem(parent), m_templateId(templateId)
{
    m_name = FwLoadString(nameId);
    m_hasValue = true;
    SetLook(kind, image, helpContext);
}

BOOL CPropertyItem::InsertIntoTree(HTREEITEM parent)
{
    UpdateValue();
    return InsertNode(parent);
}

void CPropertyItem::SetValueFrom(int value, std::initializer_list<ValueText> table)
{
    for (const ValueText& entry : table)
    {
        if (entry.value == value)
        {
            m_value = FwLoadString(entry.stringId);
            return;
        }
    }
}

void CPropertyItem::Commit()
{
    MarkProfileModified();
    UpdateValue();
    RefreshNode();
}

BOOL CPropertyItem::Reject(UINT argumentId)
{
    std::string argument = FwLoadString(argumentId);
    ShowMessage(IDS_ZRH007_PARAMETER_INVALID, argument.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
    Select();
    return FALSE;
}

void CPropertyItem::FillList(UINT id, std::initializer_list<ValueText> entries)
{
    CListItemPanel::ExchangeGuard guard(*m_panel);
    HWND list = m_panel->GetDlgItem(id);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const ValueText& entry : entries)
    {
        std::string text = FwLoadString(entry.stringId);
        LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), entry.value);
    }
}

bool IsValidHostName(const std::string& name, bool hostName)
{
    if (name.empty() || name.find_first_of(" /()") != std::string::npos)
    {
        return false;
    }
    return !hostName || name[0] < '0' || name[0] > '9';
}
