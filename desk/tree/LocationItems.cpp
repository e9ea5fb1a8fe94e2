#include "LocationItems.h"

#include "FwModule.h"
#include "FwText.h"
#include "HostBrowse.h"
#include "PanelIds.h"
#include "ProfileAccess.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"

namespace
{
const int kAs400NameLength = 10;
const int kS36NameLength = 8;
const int kPcFileTypeDescription = 15;

bool TakesDescriptionOnly()
{
    return GetParamInt(ZRP_PC_FILE_TYPE) == kPcFileTypeDescription;
}

void StoreLocation(const std::string& location)
{
    SetParamText(LocationParamId(), location);
}
}

CListItemAs400Location::CListItemAs400Location(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_LOCATION, 5, 5, 30, IDD_PANEL_AS400_LOCATION)
{
}

void CListItemAs400Location::UpdateValue()
{
    m_value = GetParamText(LocationParamId());
}

void CListItemAs400Location::OnPanelInit()
{
    HWND panel = m_panel->GetSafeHwnd();
    m_libraryEdit.SubclassDlgItem(IDC_ITEM_LIBRARY, panel);
    m_fileEdit.SubclassDlgItem(IDC_ITEM_FILE, panel);
    m_memberEdit.SubclassDlgItem(IDC_ITEM_MEMBER, panel);
    for (UINT edit : {IDC_ITEM_LIBRARY, IDC_ITEM_FILE, IDC_ITEM_MEMBER})
    {
        m_panel->LimitText(edit, kAs400NameLength);
    }
    if (TakesDescriptionOnly())
    {
        for (UINT control :
             {IDC_ITEM_MEMBER_LABEL, IDC_ITEM_MEMBER, IDC_ITEM_BROWSE_MEMBER, IDC_ITEM_DDS, IDC_ITEM_VIEW})
        {
            m_panel->Show(control, false);
        }
    }
    ApplyEnableRule();
}

void CListItemAs400Location::Exchange(bool save)
{
    if (save)
    {
        m_library = m_panel->GetText(IDC_ITEM_LIBRARY);
        m_file = m_panel->GetText(IDC_ITEM_FILE);
        m_member = m_panel->GetText(IDC_ITEM_MEMBER);
        return;
    }
    m_panel->SetText(IDC_ITEM_LIBRARY, m_library);
    m_panel->SetText(IDC_ITEM_FILE, m_file);
    m_panel->SetText(IDC_ITEM_MEMBER, m_member);
}

void CListItemAs400Location::ApplyEnableRule()
{
    bool library = !m_library.empty();
    for (UINT control : {IDC_ITEM_FILE_LABEL, IDC_ITEM_FILE, IDC_ITEM_BROWSE_FILE})
    {
        m_panel->Enable(control, library);
    }
    if (TakesDescriptionOnly())
    {
        return;
    }
    bool file = library && !m_file.empty();
    for (UINT control : {IDC_ITEM_MEMBER_LABEL, IDC_ITEM_MEMBER, IDC_ITEM_BROWSE_MEMBER, IDC_ITEM_DDS})
    {
        m_panel->Enable(control, file);
    }
    m_panel->Enable(IDC_ITEM_VIEW, file && !m_member.empty());
}

void CListItemAs400Location::Refresh()
{
    m_library = LocationPart(0);
    m_file = LocationPart(1);
    m_member = TakesDescriptionOnly() ? std::string() : LocationPart(2);
    ApplyEnableRule();
    Exchange(false);
}

void CListItemAs400Location::Apply()
{
    Exchange(true);
    std::string file = m_library.empty() ? std::string() : m_file;
    std::string member = file.empty() || TakesDescriptionOnly() ? std::string() : m_member;
    StoreLocation(FwFormat("%s/%s(%s)", m_library.c_str(), file.c_str(), member.c_str()));
    Commit();
}

BOOL CListItemAs400Location::Validate()
{
    if (!IsValidHostName(LocationPart(0), true))
    {
        return Reject(IDS_ARG_HOST_LIBRARY_NAME);
    }
    if (!IsValidHostName(LocationPart(1), true))
    {
        return Reject(IDS_ARG_HOST_FILE_NAME);
    }
    if (!TakesDescriptionOnly() && !IsValidHostName(LocationPart(2), true))
    {
        return Reject(IDS_ARG_HOST_MEMBER_NAME);
    }
    return TRUE;
}

void CListItemAs400Location::Browse(UINT button)
{
    // The selection may have moved on while the confirmation ran.
    if (!ConfirmHostBrowse() || !m_panel)
    {
        return;
    }
    HWND owner = m_panel->GetSafeHwnd();
    std::string* target = nullptr;
    int resultId = 0;
    switch (button)
    {
    case IDC_ITEM_BROWSE_LIBRARY:
        Exchange(true);
        BrowseHost(owner, ZR_BROWSE_TABLES, "", "", "", m_library);
        target = &m_library;
        resultId = ZRP_BROWSE_LIBRARY;
        break;
    case IDC_ITEM_BROWSE_FILE:
        Exchange(true);
        BrowseHost(owner, ZR_BROWSE_TABLES, m_library, "", "", m_file);
        target = &m_file;
        resultId = ZRP_BROWSE_FILE;
        break;
    case IDC_ITEM_BROWSE_MEMBER:
        Exchange(true);
        BrowseHost(owner, ZR_BROWSE_TABLES, m_library, m_file, "", m_member);
        target = &m_member;
        resultId = ZRP_BROWSE_MEMBER;
        break;
    case IDC_ITEM_DDS:
        BrowseHost(owner, ZR_BROWSE_COLUMNS, m_library, m_file, "", "");
        break;
    default:
        BrowseHost(owner, ZR_BROWSE_DATA, m_library, m_file, m_member, "");
        break;
    }
    std::string chosen = resultId ? GetBrowseResult(resultId) : std::string();
    if (target && !chosen.empty() && GetPanel())
    {
        *target = chosen;
        Exchange(false);
        ApplyEnableRule();
        Apply();
    }
}

void CListItemAs400Location::OnPanelCommand(UINT id, UINT code)
{
    if ((id == IDC_ITEM_LIBRARY || id == IDC_ITEM_FILE || id == IDC_ITEM_MEMBER) && code == EN_CHANGE)
    {
        Exchange(true);
        ApplyEnableRule();
        Apply();
    }
    else if (code == BN_CLICKED && (id == IDC_ITEM_BROWSE_LIBRARY || id == IDC_ITEM_BROWSE_FILE ||
                                    id == IDC_ITEM_BROWSE_MEMBER || id == IDC_ITEM_DDS || id == IDC_ITEM_VIEW))
    {
        Browse(id);
    }
}

CListItemS36FileLocation::CListItemS36FileLocation(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_LOCATION, 8, 5, 30, IDD_PANEL_S36_FILE_LOCATION)
{
}

void CListItemS36FileLocation::UpdateValue()
{
    m_value = GetParamText(LocationParamId());
}

void CListItemS36FileLocation::OnPanelInit()
{
    m_fileEdit.SubclassDlgItem(IDC_ITEM_FILE, m_panel->GetSafeHwnd());
    m_panel->LimitText(IDC_ITEM_FILE, kS36NameLength);
}

void CListItemS36FileLocation::Refresh()
{
    m_panel->SetText(IDC_ITEM_FILE, LocationPart(0));
}

void CListItemS36FileLocation::Apply()
{
    StoreLocation(m_panel->GetText(IDC_ITEM_FILE));
    Commit();
}

BOOL CListItemS36FileLocation::Validate()
{
    return IsValidHostName(LocationPart(0), false) ? TRUE : Reject(IDS_ARG_HOST_FILE_NAME);
}

void CListItemS36FileLocation::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_FILE && code == EN_CHANGE)
    {
        Apply();
    }
}

CListItemS36MemberLocation::CListItemS36MemberLocation(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_LOCATION, 9, 5, 30, IDD_PANEL_S36_MEMBER_LOCATION)
{
}

void CListItemS36MemberLocation::UpdateValue()
{
    m_value = GetParamText(LocationParamId());
}

void CListItemS36MemberLocation::OnPanelInit()
{
    m_libraryEdit.SubclassDlgItem(IDC_ITEM_LIBRARY, m_panel->GetSafeHwnd());
    m_memberEdit.SubclassDlgItem(IDC_ITEM_MEMBER, m_panel->GetSafeHwnd());
    m_panel->LimitText(IDC_ITEM_LIBRARY, kS36NameLength);
    m_panel->LimitText(IDC_ITEM_MEMBER, kS36NameLength);
    ApplyEnableRule();
}

void CListItemS36MemberLocation::ApplyEnableRule()
{
    bool library = !m_panel->GetText(IDC_ITEM_LIBRARY).empty();
    m_panel->Enable(IDC_ITEM_MEMBER_LABEL, library);
    m_panel->Enable(IDC_ITEM_MEMBER, library);
}

void CListItemS36MemberLocation::Refresh()
{
    m_panel->SetText(IDC_ITEM_LIBRARY, LocationPart(0));
    m_panel->SetText(IDC_ITEM_MEMBER, LocationPart(1));
    ApplyEnableRule();
}

void CListItemS36MemberLocation::Apply()
{
    std::string library = m_panel->GetText(IDC_ITEM_LIBRARY);
    std::string member = library.empty() ? std::string() : m_panel->GetText(IDC_ITEM_MEMBER);
    StoreLocation(FwFormat("%s(%s)", library.c_str(), member.c_str()));
    Commit();
}

BOOL CListItemS36MemberLocation::Validate()
{
    if (!IsValidHostName(LocationPart(0), false))
    {
        return Reject(IDS_ARG_HOST_LIBRARY_NAME);
    }
    return IsValidHostName(LocationPart(1), false) ? TRUE : Reject(IDS_ARG_HOST_MEMBER_NAME);
}

void CListItemS36MemberLocation::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_LIBRARY && code == EN_CHANGE)
    {
        ApplyEnableRule();
        Apply();
    }
    else if (id == IDC_ITEM_MEMBER && code == EN_CHANGE)
    {
        Apply();
    }
}
