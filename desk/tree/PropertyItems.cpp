#include "PropertyItems.h"

#include "DescrEditorIds.h"
#include "DescrFileEditorDlg.h"
#include "DialogHelpers.h"
#include "FwModule.h"
#include "FwText.h"
#include "PanelIds.h"
#include "ProfileAccess.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "resource.h"

#include <new>

namespace
{
const int kPcFileTypeRaw = 2;
const int kPcFileTypePlain = 3;
const int kPcFileTypeDescription = 15;
const char kForbiddenInFileNames[] = "*?<>|";

const std::initializer_list<ValueText> kCodePageTexts = {
    {ZRCS_EBCDIC_TO_ASCII, IDS_EBCDIC_TO_ASCII},
    {ZRCS_EBCDIC_TO_ANSI, IDS_EBCDIC_TO_ANSI},
    {ZRCS_ASCII_TO_EBCDIC, IDS_ASCII_TO_EBCDIC},
    {ZRCS_ANSI_TO_EBCDIC, IDS_ANSI_TO_EBCDIC},
};

const std::initializer_list<ValueText> kPcFileTypeTexts = {
    {4, IDS_PCFT_TXT_TAB}, {5, IDS_PCFT_CSV},   {6, IDS_PCFT_PRN},    {7, IDS_PCFT_TXT_FIXED}, {8, IDS_PCFT_DIF},
    {9, IDS_PCFT_DBF},     {10, IDS_PCFT_DR1},  {11, IDS_PCFT_DR2},   {12, IDS_PCFT_WKQ},      {13, IDS_PCFT_WKS},
    {14, IDS_PCFT_XLS5},   {16, IDS_PCFT_MDB7}, {17, IDS_PCFT_MDB97}, {18, IDS_PCFT_XLS7},     {19, IDS_PCFT_XLS97},
};

// The list of the PC file types, host to PC and PC to host.
const std::initializer_list<ValueText> kPcFileTypesHostToPc = {
    {5, IDS_PCFT_CSV},   {6, IDS_PCFT_PRN},   {4, IDS_PCFT_TXT_TAB}, {7, IDS_PCFT_TXT_FIXED}, {8, IDS_PCFT_DIF},
    {9, IDS_PCFT_DBF},   {10, IDS_PCFT_DR1},  {11, IDS_PCFT_DR2},    {12, IDS_PCFT_WKQ},      {13, IDS_PCFT_WKS},
    {14, IDS_PCFT_XLS5}, {18, IDS_PCFT_XLS7}, {19, IDS_PCFT_XLS97},
};
const std::initializer_list<ValueText> kPcFileTypesPcToHost = {
    {5, IDS_PCFT_CSV}, {6, IDS_PCFT_PRN},  {4, IDS_PCFT_TXT_TAB}, {7, IDS_PCFT_TXT_FIXED}, {8, IDS_PCFT_DIF},
    {9, IDS_PCFT_DBF}, {10, IDS_PCFT_DR1}, {11, IDS_PCFT_DR2},    {18, IDS_PCFT_XLS7},     {19, IDS_PCFT_XLS97},
};

const std::initializer_list<ValueText> kPcWriteModeTexts = {
    {ZRPCWM_CREATE, IDS_CREATE_FILE},
    {ZRPCWM_REPLACE, IDS_REPLACE_FILE},
    {ZRPCWM_APPEND, IDS_APPEND_TO_FILE},
};

bool IsUsableFileName(const std::string& name)
{
    return !name.empty() && name.find_first_of(kForbiddenInFileNames) == std::string::npos;
}

bool IsHostToPcProfile()
{
    CZRProfile* profile = GetCurrentProfile();
    return profile && IsHostToPc(*profile);
}

bool IsSelectionChange(UINT code)
{
    return code == LBN_SELCHANGE;
}
}

bool ShowsCodePage(CZRProfile& profile)
{
    int type = PcFileTypeOf(profile);
    return type != kPcFileTypeRaw && type != kPcFileTypeDescription;
}

bool ShowsPcFileType(CZRProfile& profile)
{
    int type = PcFileTypeOf(profile);
    return type != kPcFileTypeRaw && type != kPcFileTypePlain && type != kPcFileTypeDescription;
}

bool ShowsPcWriteMode(CZRProfile& profile)
{
    return IsHostToPc(profile);
}

bool ShowsDecimalSymbol(CZRProfile& profile)
{
    return profile.General().Get(ZRP_TRANSFER_TYPE) == ZRTT_CONVERSION;
}

CListItemCodePage::CListItemCodePage(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_CODE_PAGE, 2, 2, 34, IDD_PANEL_CODE_PAGE)
{
}

void CListItemCodePage::UpdateValue()
{
    SetValueFrom(GetParamInt(ZRP_CHARACTER_SET), kCodePageTexts);
}

void CListItemCodePage::OnPanelInit()
{
    bool hostToPc = IsHostToPcProfile();
    m_panel->SetText(IDC_ITEM_FIRST_CHOICE, FwLoadString(hostToPc ? IDS_EBCDIC_TO_ANSI : IDS_ANSI_TO_EBCDIC));
    m_panel->SetText(IDC_ITEM_SECOND_CHOICE, FwLoadString(hostToPc ? IDS_EBCDIC_TO_ASCII : IDS_ASCII_TO_EBCDIC));
}

void CListItemCodePage::Refresh()
{
    int value = GetParamInt(ZRP_CHARACTER_SET);
    bool first = value == ZRCS_EBCDIC_TO_ANSI || value == ZRCS_ANSI_TO_EBCDIC;
    bool second = value == ZRCS_EBCDIC_TO_ASCII || value == ZRCS_ASCII_TO_EBCDIC;
    m_panel->SetCheck(IDC_ITEM_FIRST_CHOICE, first);
    m_panel->SetCheck(IDC_ITEM_SECOND_CHOICE, second);
}

void CListItemCodePage::Apply()
{
    bool hostToPc = IsHostToPcProfile();
    if (m_panel->IsChecked(IDC_ITEM_FIRST_CHOICE))
    {
        SetParamInt(ZRP_CHARACTER_SET, hostToPc ? ZRCS_EBCDIC_TO_ANSI : ZRCS_ANSI_TO_EBCDIC);
    }
    else if (m_panel->IsChecked(IDC_ITEM_SECOND_CHOICE))
    {
        SetParamInt(ZRP_CHARACTER_SET, hostToPc ? ZRCS_EBCDIC_TO_ASCII : ZRCS_ASCII_TO_EBCDIC);
    }
    Commit();
}

void CListItemCodePage::OnPanelCommand(UINT id, UINT code)
{
    if ((id == IDC_ITEM_FIRST_CHOICE || id == IDC_ITEM_SECOND_CHOICE) && code == BN_CLICKED)
    {
        Apply();
    }
}

CListItemDecimalSymbol::CListItemDecimalSymbol(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_DECIMAL_SYMBOL, 22, 15, 6, IDD_PANEL_DECIMAL_SYMBOL)
{
}

void CListItemDecimalSymbol::UpdateValue()
{
    m_value = FwLoadString(GetParamInt(ZRP_DECIMAL_CHAR_IS_DOT) ? IDS_DECIMAL_SYMBOL_DOT : IDS_DECIMAL_SYMBOL_COMMA);
}

void CListItemDecimalSymbol::OnPanelInit()
{
    CListItemPanel::ExchangeGuard guard(*m_panel);
    HWND combo = m_panel->GetDlgItem(IDC_ITEM_DECIMAL_SYMBOL);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (UINT text : {IDS_DECIMAL_SYMBOL_DOT, IDS_DECIMAL_SYMBOL_COMMA})
    {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FwLoadString(text).c_str()));
    }
}

void CListItemDecimalSymbol::Refresh()
{
    CListItemPanel::ExchangeGuard guard(*m_panel);
    SendMessageA(m_panel->GetDlgItem(IDC_ITEM_DECIMAL_SYMBOL), CB_SETCURSEL,
                 GetParamInt(ZRP_DECIMAL_CHAR_IS_DOT) ? 0 : 1, 0);
}

void CListItemDecimalSymbol::Apply()
{
    LRESULT index = SendMessageA(m_panel->GetDlgItem(IDC_ITEM_DECIMAL_SYMBOL), CB_GETCURSEL, 0, 0);
    SetParamInt(ZRP_DECIMAL_CHAR_IS_DOT, index == 0 ? 1 : 0);
    Commit();
}

void CListItemDecimalSymbol::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_DECIMAL_SYMBOL && code == CBN_SELCHANGE)
    {
        Apply();
    }
}

CListItemAutoClose::CListItemAutoClose(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_AUTO_CLOSE, 18, 12, 6, IDD_PANEL_AUTO_CLOSE)
{
}

void CListItemAutoClose::UpdateValue()
{
    m_value = FwLoadString(GetParamInt(ZRP_AUTO_CLOSE) ? IDS_YES : IDS_NO);
}

void CListItemAutoClose::Refresh()
{
    m_panel->SetCheck(IDC_ITEM_AUTO_CLOSE, GetParamInt(ZRP_AUTO_CLOSE) != 0);
}

void CListItemAutoClose::Apply()
{
    SetParamInt(ZRP_AUTO_CLOSE, m_panel->IsChecked(IDC_ITEM_AUTO_CLOSE) ? 1 : 0);
    Commit();
}

void CListItemAutoClose::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_AUTO_CLOSE && code == BN_CLICKED)
    {
        Apply();
    }
}

CListItemPreserveFieldLength::CListItemPreserveFieldLength(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_PRESERVE_FIELD_LENGTH, 19, 13, 6, IDD_PANEL_PRESERVE_FIELD_LENGTH)
{
}

void CListItemPreserveFieldLength::UpdateValue()
{
    m_value = FwLoadString(GetParamInt(ZRP_REMOVE_BLANKS) ? IDS_NO : IDS_YES);
}

void CListItemPreserveFieldLength::Refresh()
{
    m_panel->SetCheck(IDC_ITEM_PRESERVE_FIELD_LENGTH, GetParamInt(ZRP_REMOVE_BLANKS) == 0);
}

void CListItemPreserveFieldLength::Apply()
{
    SetParamInt(ZRP_REMOVE_BLANKS, m_panel->IsChecked(IDC_ITEM_PRESERVE_FIELD_LENGTH) ? 0 : 1);
    Commit();
}

void CListItemPreserveFieldLength::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_PRESERVE_FIELD_LENGTH && code == BN_CLICKED)
    {
        Apply();
    }
}

CListItemDescrFile::CListItemDescrFile(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_DESCR_FILE, 11, 5, 36, IDD_PANEL_DESCR_FILE)
{
}

void CListItemDescrFile::UpdateValue()
{
    m_value = GetParamText(ZRP_DESCRIPTION_FILE);
}

void CListItemDescrFile::Refresh()
{
    m_fileName = GetParamText(ZRP_DESCRIPTION_FILE);
}

void CListItemDescrFile::Apply()
{
    SetParamText(ZRP_DESCRIPTION_FILE, m_fileName);
    Commit();
}

BOOL CListItemDescrFile::Validate()
{
    return IsUsableFileName(GetParamText(ZRP_DESCRIPTION_FILE)) ? TRUE : Reject(IDS_ARG_PC_DESCRIPTION_FILE);
}

void CListItemDescrFile::OnPanelCommand(UINT id, UINT code)
{
    if (code != BN_CLICKED)
    {
        return;
    }
    if (id == IDC_ITEM_BROWSE)
    {
        BrowsePcFile(m_fileName, m_panel->GetSafeHwnd(), kPcFileTypeDescription);
        // The panel is gone when the selection moved while the dialog ran; the choice is stored all the same.
        if (m_panel)
        {
            m_panel->Enable(IDC_ITEM_EDIT, !m_fileName.empty());
        }
        Apply();
    }
    else if (id == IDC_ITEM_EDIT)
    {
        int helpContext = FwGetHelpContext();
        FwSetHelpContext(HELP_CONTEXT_DESCR_EDITOR);
        CDescrFileEditorDlg editor(m_fileName);
        editor.DoModal();
        FwSetHelpContext(helpContext);
    }
}

CListItemPcLocation::CListItemPcLocation(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_LOCATION, 14, 5, 40, IDD_PANEL_PC_LOCATION)
{
}

void CListItemPcLocation::UpdateValue()
{
    m_value = GetParamText(ZRP_PC_FILE_NAME);
}

void CListItemPcLocation::Refresh()
{
    m_fileName = GetParamText(ZRP_PC_FILE_NAME);
}

void CListItemPcLocation::Apply()
{
    SetParamText(ZRP_PC_FILE_NAME, m_fileName);
    Commit();
}

BOOL CListItemPcLocation::Validate()
{
    return IsUsableFileName(GetParamText(ZRP_PC_FILE_NAME)) ? TRUE : Reject(IDS_ARG_PC_FILENAME);
}

void CListItemPcLocation::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_BROWSE && code == BN_CLICKED)
    {
        BrowsePcFile(m_fileName, m_panel->GetSafeHwnd(), GetParamInt(ZRP_PC_FILE_TYPE));
        Apply();
    }
}

CListItemPcFileType::CListItemPcFileType(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_FILE_TYPE, 15, 6, 41, IDD_PANEL_PC_FILE_TYPE)
{
}

void CListItemPcFileType::UpdateValue()
{
    SetValueFrom(GetParamInt(ZRP_PC_FILE_TYPE), kPcFileTypeTexts);
}

void CListItemPcFileType::OnPanelInit()
{
    FillList(IDC_ITEM_PC_FILE_TYPES, IsHostToPcProfile() ? kPcFileTypesHostToPc : kPcFileTypesPcToHost);
}

void CListItemPcFileType::Refresh()
{
    m_panel->SelectData(IDC_ITEM_PC_FILE_TYPES, GetParamInt(ZRP_PC_FILE_TYPE));
}

void CListItemPcFileType::Apply()
{
    int type = m_panel->GetSelectedData(IDC_ITEM_PC_FILE_TYPES);
    if (type > 0)
    {
        SetParamInt(ZRP_PC_FILE_TYPE, type);
    }
    Commit();
}

void CListItemPcFileType::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_PC_FILE_TYPES && IsSelectionChange(code))
    {
        Apply();
    }
}

CListItemPcWriteMode::CListItemPcWriteMode(CListItem* parent)
    : CPropertyItem(parent, IDS_ITEM_WRITE_MODE, 16, 7, 42, IDD_PANEL_PC_WRITE_MODE)
{
}

void CListItemPcWriteMode::UpdateValue()
{
    SetValueFrom(GetParamInt(ZRP_PC_WRITE_MODE), kPcWriteModeTexts);
}

void CListItemPcWriteMode::OnPanelInit()
{
    if (GetParamInt(ZRP_PC_FILE_TYPE) == kPcFileTypeDescription)
    {
        FillList(IDC_ITEM_PC_WRITE_MODES, {{ZRPCWM_CREATE, IDS_CREATE_FILE}, {ZRPCWM_REPLACE, IDS_REPLACE_FILE}});
    }
    else
    {
        FillList(IDC_ITEM_PC_WRITE_MODES, kPcWriteModeTexts);
    }
}

void CListItemPcWriteMode::Refresh()
{
    m_panel->SelectData(IDC_ITEM_PC_WRITE_MODES, GetParamInt(ZRP_PC_WRITE_MODE));
}

void CListItemPcWriteMode::Apply()
{
    int mode = m_panel->GetSelectedData(IDC_ITEM_PC_WRITE_MODES);
    if (mode > 0)
    {
        SetParamInt(ZRP_PC_WRITE_MODE, mode);
    }
    Commit();
}

void CListItemPcWriteMode::OnPanelCommand(UINT id, UINT code)
{
    if (id == IDC_ITEM_PC_WRITE_MODES && IsSelectionChange(code))
    {
        Apply();
    }
}

CListItemPc::CListItemPc(CListItem* parent) : CListItemGroup(parent, IDS_ITEM_PC, 13, 10, 5)
{
    AddChild(new (std::nothrow) CListItemPcLocation(this));
    AddChild(new (std::nothrow) CListItemPcFileType(this), &ShowsPcFileType);
    AddChild(new (std::nothrow) CListItemPcWriteMode(this), &ShowsPcWriteMode);
}

CListItemAdvanced::CListItemAdvanced(CListItem* parent) : CListItemGroup(parent, IDS_ITEM_ADVANCED, 17, 11, 6)
{
    AddChild(new (std::nothrow) CListItemAutoClose(this));
    AddChild(new (std::nothrow) CListItemPreserveFieldLength(this));
    AddChild(new (std::nothrow) CListItemDecimalSymbol(this), &ShowsDecimalSymbol);
}
