#include "HostItems.h"

#include "DeskState.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwModule.h"
#include "FwText.h"
#include "HostBrowse.h"
#include "LocationItems.h"
#include "PanelIds.h"
#include "ProfileAccess.h"
#include "PropertyItems.h"
#include "ZRErrorHandling.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "resource.h"

#include <cstdlib>
#include <new>

namespace
{
const int kPcFileTypeRaw = 2;
const int kPcFileTypeDescription = 15;
const int kMaxRecordLength = 1760;
const int kMinAs400SourceRecordLength = 13;
const int kMaxNewFileSize = 999999;

bool ShowsAs400Location(CZRProfile& profile)
{
    return IsAs400(profile);
}

bool ShowsFileType(CZRProfile& profile)
{
    int type = PcFileTypeOf(profile);
    return IsAs400(profile) && type != kPcFileTypeRaw && type != kPcFileTypeDescription;
}

bool ShowsS36Member(CZRProfile& profile)
{
    return !IsAs400(profile) && HoldsMember(profile);
}

bool ShowsS36File(CZRProfile& profile)
{
    return !IsAs400(profile) && !HoldsMember(profile);
}

bool ShowsHostWriteMode(CZRProfile& profile)
{
    return !IsHostToPc(profile);
}

bool UsesDescriptionFile(CZRProfile& profile)
{
    return profile.IsParameterUsed(ZRP_DESCRIPTION_FILE) != FALSE;
}

bool UsesRecordLength(CZRProfile& profile)
{
    return profile.IsParameterUsed(ZRP_RECORD_LENGTH) != FALSE;
}

bool UsesNewFileSize(CZRProfile& profile)
{
    return profile.IsParameterUsed(ZRP_NUMBER_OF_RECORDS) != FALSE;
}

const std::initializer_list<ValueText> kHostFileTypeTexts = {
    {ZRHFT_DATA, IDS_HOST_DATA},
    {ZRHFT_SOURCE, IDS_HOST_SOURCE},
    {ZRHFT_MEMBER_SOURCE, IDS_HOST_SOURCE},
    {ZRHFT_MEMBER_PROCEDURE, IDS_HOST_PROCEDURE},
};

const std::initializer_list<ValueText> kHostWriteModeTexts = {
    {ZRHWM_CREATE_FILE, IDS_CREATE_FILE},       {ZRHWM_REPLACE_FILE, IDS_REPLACE_FILE},
    {ZRHWM_APPEND_FILE, IDS_APPEND_TO_FILE},    {ZRHWM_CREATE_MEMBER, IDS_CREATE_MEMBER},
    {ZRHWM_REPLACE_MEMBER, IDS_REPLACE_MEMBER}, {ZRHWM_APPEND_MEMBER, IDS_APPEND_TO_MEMBER},
};
}

CListItemHost::CListItemHost(CListItem* parent) : CListItemGroup(parent, IDS_ITEM_HOST, 3, 3, 35)
{
    AddChild(new (std::nothrow) CListItemSessionId(this));
    AddChild(new (std::nothrow) CListItemAs400Location(this), &ShowsAs400Location);
    AddChild(new (std::nothrow) CListItemHostFileType(this, false), &ShowsFileType);
    AddChild(new (std::nothrow) CListItemS36MemberLocation(this), &ShowsS36Member);
    AddChild(new (std::nothrow) CListItemHostFileType(this, true), &ShowsS36Member);
    AddChild(new (std::nothrow) CListItemS36FileLocation(this), &ShowsS36File);
    AddChild(new (std::nothrow) CListItemHostWriteMode(this), &ShowsHostWriteMode);
    m_firstDependent = m_children.size();
    AddChild(new (std::nothrow) CListItemDescrFile(this), &UsesDescriptionFile);
    AddChild(new (std::nothrow) CListItemRecordLength(this), &UsesRecordLength);
    AddChild(new (std::nothrow) CListItemNewFileSize(this), &UsesNewFileSize);
}

void CListItemHost::Relayout()
{
    RemoveChildren(m_firstDependent);
    InsertChildren(m_firstDependent);
}

CListItemSessionId::CListItemSessionId(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_SESSION, 4, 4, 3, IDD_PANEL_SESSION)
{
}

void CListItemSessionId::UpdateValue()
{
    m_sessionText = GetSessionText(GetSessionLetter());
    m_value = m_sessionText;
}

void CListItemSessionId::OnPanelInit()
{
    CFwWaitCursor waitCursor;
    CListItemPanel::ExchangeGuard guard(*m_panel);
    FillSessionCombo(m_panel->GetDlgItem(IDC_ITEM_SESSION), GetSessionLetter());
}

void CListItemSessionId::Apply()
{
    HWND combo = m_panel->GetDlgItem(IDC_ITEM_SESSION);
    int data = m_panel->GetSelectedData(IDC_ITEM_SESSION);
    if (data < 0)
    {
        return;
    }
    char letter = static_cast<char>(data);
    CListItemPanel::ExchangeGuard guard(*m_panel);
    if (letter == GetSessionLetter())
    {
        FillSessionCombo(combo, letter);
    }
    else
    {
        CFwWaitCursor waitCursor;
        ZRMFunctions* manager = Desk().manager;
        if (manager)
        {
            manager->DisconnectHost();
        }
        SetSessionLetter(letter);
        MarkProfileModified();
        ClearErrorList();
        if (manager)
        {
            manager->ConnectHost();
        }
        FillSessionCombo(combo, letter);
    }
    // The error list that the refill may show can outlive the panel.
    m_sessionText = m_panel ? m_panel->GetText(IDC_ITEM_SESSION) : GetSessionText(letter);
    m_value = m_sessionText;
    RefreshNode();
}

void CListItemSessionId::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_SESSION && code == CBN_SELCHANGE)
    {
        Apply();
    }
}

CListItemHostFileType::CListItemHostFileType(CListItemHost* parent, bool memberType)
    : CPropertyItem(parent, memberType ? IDS_ITEM_MEMBER_TYPE : IDS_ITEM_FILE_TYPE, 6, 6, memberType ? 32 : 33,
                    IDD_PANEL_HOST_FILE_TYPE),
      m_host(parent), m_memberType(memberType)
{
}

void CListItemHostFileType::UpdateValue()
{
    SetValueFrom(GetParamInt(ZRP_HOST_FILE_TYPE), kHostFileTypeTexts);
}

void CListItemHostFileType::OnPanelInit()
{
    m_panel->SetText(IDC_ITEM_TYPE_GROUP,
                     FwLoadString(m_memberType ? IDS_HOST_MEMBER_TYPE_GROUP : IDS_HOST_FILE_TYPE_GROUP));
    m_panel->SetText(IDC_ITEM_FIRST_CHOICE, FwLoadString(m_memberType ? IDS_HOST_SOURCE : IDS_HOST_DATA));
    m_panel->SetText(IDC_ITEM_SECOND_CHOICE, FwLoadString(m_memberType ? IDS_HOST_PROCEDURE : IDS_HOST_SOURCE));
}

void CListItemHostFileType::Refresh()
{
    int type = GetParamInt(ZRP_HOST_FILE_TYPE);
    m_panel->SetCheck(IDC_ITEM_FIRST_CHOICE, type == ZRHFT_DATA || type == ZRHFT_MEMBER_SOURCE);
    m_panel->SetCheck(IDC_ITEM_SECOND_CHOICE, type == ZRHFT_SOURCE || type == ZRHFT_MEMBER_PROCEDURE);
}

void CListItemHostFileType::Apply()
{
    if (m_panel->IsChecked(IDC_ITEM_FIRST_CHOICE))
    {
        SetParamInt(ZRP_HOST_FILE_TYPE, m_memberType ? ZRHFT_MEMBER_SOURCE : ZRHFT_DATA);
    }
    else if (m_panel->IsChecked(IDC_ITEM_SECOND_CHOICE))
    {
        SetParamInt(ZRP_HOST_FILE_TYPE, m_memberType ? ZRHFT_MEMBER_PROCEDURE : ZRHFT_SOURCE);
    }
    Commit();
    m_host->Relayout();
}

void CListItemHostFileType::OnPanelCommand(UINT id, UINT code)
{
    if ((id == IDC_ITEM_FIRST_CHOICE || id == IDC_ITEM_SECOND_CHOICE) && code == BN_CLICKED)
    {
        Apply();
    }
}

CListItemHostWriteMode::CListItemHostWriteMode(CListItemHost* parent)
    : CPropertyItem(parent, IDS_ITEM_WRITE_MODE, 7, 7, 37, IDD_PANEL_HOST_WRITE_MODE), m_host(parent)
{
}

void CListItemHostWriteMode::UpdateValue()
{
    SetValueFrom(GetParamInt(ZRP_HOST_WRITE_MODE), kHostWriteModeTexts);
}

void CListItemHostWriteMode::OnPanelInit()
{
    CZRProfile* profile = GetCurrentProfile();
    HostWriteModes modes = HostWriteModes::As400PcToHost;
    if (profile && !IsAs400(*profile))
    {
        modes = HoldsMember(*profile) ? HostWriteModes::S36Member : HostWriteModes::S36File;
    }
    CListItemPanel::ExchangeGuard guard(*m_panel);
    FillHostWriteModeList(m_panel->GetDlgItem(IDC_ITEM_HOST_WRITE_MODES), modes);
}

void CListItemHostWriteMode::Refresh()
{
    m_panel->SelectData(IDC_ITEM_HOST_WRITE_MODES, GetParamInt(ZRP_HOST_WRITE_MODE));
}

void CListItemHostWriteMode::Apply()
{
    int mode = m_panel->GetSelectedData(IDC_ITEM_HOST_WRITE_MODES);
    if (mode > 0)
    {
        SetParamInt(ZRP_HOST_WRITE_MODE, mode);
    }
    Commit();
    m_host->Relayout();
}

void CListItemHostWriteMode::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_HOST_WRITE_MODES && code == LBN_SELCHANGE)
    {
        Apply();
    }
}

CListItemHostNumber::CListItemHostNumber(CListItem* parent, const NumberDefinition& definition)
    : CPropertyItem(parent, definition.nameId, definition.kind, definition.image, definition.helpContext,
                    definition.templateId),
      m_paramId(definition.paramId), m_editId(definition.editId), m_maxCharacters(definition.maxCharacters),
      m_argumentId(definition.argumentId), m_maximum(definition.maximum)
{
}

void CListItemHostNumber::UpdateValue()
{
    m_value = FwFormat("%d", GetParamInt(m_paramId));
}

void CListItemHostNumber::OnPanelInit()
{
    m_panel->LimitText(m_editId, m_maxCharacters);
}

void CListItemHostNumber::Refresh()
{
    m_panel->SetText(m_editId, FwFormat("%d", GetParamInt(m_paramId)));
}

void CListItemHostNumber::Apply()
{
    SetParamInt(m_paramId, atoi(m_panel->GetText(m_editId).c_str()));
    Commit();
}

BOOL CListItemHostNumber::Validate()
{
    int value = GetParamInt(m_paramId);
    return value >= Minimum() && value <= m_maximum ? TRUE : Reject(m_argumentId);
}

void CListItemHostNumber::OnPanelCommand(UINT id, UINT code)
{
    if (id == m_editId && code == EN_CHANGE)
    {
        Apply();
    }
}

CListItemRecordLength::CListItemRecordLength(CListItem* parent)
    : CListItemHostNumber(parent, {IDS_ITEM_RECORD_LENGTH, 10, 8, 38, IDD_PANEL_RECORD_LENGTH, ZRP_RECORD_LENGTH,
                                   IDC_ITEM_RECORD_LENGTH, 4, IDS_ARG_RECORD_LENGTH, kMaxRecordLength})
{
}

int CListItemRecordLength::Minimum() const
{
    CZRProfile* profile = GetCurrentProfile();
    if (profile && IsAs400(*profile) && GetParamInt(ZRP_HOST_FILE_TYPE) != ZRHFT_DATA)
    {
        return kMinAs400SourceRecordLength;
    }
    return 1;
}

CListItemNewFileSize::CListItemNewFileSize(CListItem* parent)
    : CListItemHostNumber(parent, {IDS_ITEM_NEW_FILE_SIZE, 12, 9, 39, IDD_PANEL_NEW_FILE_SIZE, ZRP_NUMBER_OF_RECORDS,
                                   IDC_ITEM_NEW_FILE_SIZE, 6, IDS_ARG_NEW_HOST_FILE_SIZE, kMaxNewFileSize})
{
}
