#include "WizardPages.h"

#include "DialogHelpers.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwModule.h"
#include "HostBrowse.h"
#include "WizardPicture.h"
#include "ZRErrorHandling.h"
#include "ZRManagerTable.h"
#include "ZRProfileParams.h"
#include "ZRProfile.h"
#include "ZRRequestPart.h"

namespace
{
const int kHostSessionId = 303;
const int kGeneralTransferType = 6;
}

std::string ListItemText(HWND list, int index)
{
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length < 0)
    {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string PageEditText(HWND page, UINT id)
{
    char text[MAX_PATH] = {};
    GetDlgItemTextA(page, static_cast<int>(id), text, sizeof(text));
    return text;
}

void CheckRadioChoice(HWND page, int checked)
{
    CheckRadioButton(page, IDC_WIZ_FIRST_CHOICE, IDC_WIZ_SECOND_CHOICE,
                     checked == 0   ? IDC_WIZ_FIRST_CHOICE
                     : checked == 1 ? IDC_WIZ_SECOND_CHOICE
                                    : 0);
}

int CheckedRadioChoice(HWND page)
{
    return IsDlgButtonChecked(page, IDC_WIZ_FIRST_CHOICE)    ? 0
           : IsDlgButtonChecked(page, IDC_WIZ_SECOND_CHOICE) ? 1
                                                             : -1;
}

int SelectListText(HWND list, const std::string& text)
{
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return static_cast<int>(index);
}

bool SelectedListItem(HWND list, std::string& text, int& value)
{
    int index = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (index < 0)
    {
        text.clear();
        value = 0;
        return false;
    }
    text = ListItemText(list, index);
    value = static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    return true;
}

// 181.
CProfileTypePage::CProfileTypePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_PROFILE_TYPE_PAGE, sheet)
{
}

BOOL CProfileTypePage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    static const struct
    {
        UINT text;
        int code;
    } kTypes[4][4] = {
        {{IDS_DATABASE, 7}, {IDS_PLAIN_TEXT, 8}, {IDS_BINARY, 9}, {IDS_DDS, 10}},
        {{IDS_DATABASE, 11}, {IDS_PLAIN_TEXT, 12}, {IDS_BINARY, 13}, {0, 0}},
        {{IDS_DATABASE, 14}, {IDS_PLAIN_TEXT, 15}, {IDS_BINARY, 16}, {IDS_SOURCE_PROCEDURE, 20}},
        {{IDS_DATABASE, 17}, {IDS_PLAIN_TEXT, 18}, {IDS_BINARY, 19}, {IDS_SOURCE_PROCEDURE, 21}},
    };
    HWND list = GetDlgItem(IDC_WIZ_TRANSFER_TYPES);
    for (const auto& entry : kTypes[m_wizard.Context().kind & 3])
    {
        if (entry.text)
        {
            AddListBoxItem(list, entry.text, entry.code);
        }
    }
    DibPicture& picture = WizardPicture();
    LoadDibBitmap(IDB_WIZARD, GetDlgItem(IDC_WIZ_PICTURE), picture.bitmap, picture.palette, picture.colors);
    return TRUE;
}

int CProfileTypePage::GetTransferType() const
{
    HWND list = GetDlgItem(IDC_WIZ_TRANSFER_TYPES);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return index < 0 ? 0 : static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void CProfileTypePage::ResetToDefaults()
{
    m_selected = ListItemText(GetDlgItem(IDC_WIZ_TRANSFER_TYPES), 0);
}

void CProfileTypePage::ToControls()
{
    SelectListText(GetDlgItem(IDC_WIZ_TRANSFER_TYPES), m_selected);
}

int CProfileTypePage::ChooseNextPage()
{
    int value = 0;
    SelectedListItem(GetDlgItem(IDC_WIZ_TRANSFER_TYPES), m_selected, value);
    const int type = GetTransferType();
    if (!type)
    {
        return -1;
    }
    Values().transferType = type;
    if (CZRProfile* profile = m_wizard.Context().profile)
    {
        int transferType = ProfileTransferType(type);
        profile->General().SetValue(kGeneralTransferType, &transferType);
    }
    return NextPage(IDD_PROFILE_TYPE_PAGE, WizChoices{type, 0, 0});
}

UINT CProfileTypePage::HelpTextId() const
{
    static const UINT kTexts[] = {IDS_WIZ_HELP_TYPES_AS400_TO_PC, IDS_WIZ_HELP_TYPES_PC_TO_AS400,
                                  IDS_WIZ_HELP_TYPES_S36, IDS_WIZ_HELP_TYPES_S36};
    return kTexts[m_wizard.Context().kind & 3];
}

int CProfileTypePage::HelpContext() const
{
    return m_wizard.Context().kind <= 1 ? 9 : 10;
}

// 147.
CSessionIdPage::CSessionIdPage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_SESSION_ID_PAGE, sheet)
{
}

void CSessionIdPage::PrepareActivation()
{
    const int last = m_wizard.m_lastPageId;
    if ((last == IDD_AS400_DESTINATION_PAGE || last == IDD_S36_FILE_DESTINATION_PAGE ||
         last == IDD_S36_MEMBER_DESTINATION_PAGE) &&
        m_wizard.Context().manager)
    {
        m_wizard.Context().manager->DisconnectHost();
    }
}

void CSessionIdPage::ResetToDefaults()
{
    CFwWaitCursor wait;
    FillSessionCombo(GetDlgItem(IDC_WIZ_SESSION), 'A');
}

int CSessionIdPage::ChooseNextPage()
{
    CFwWaitCursor wait;
    HWND combo = GetDlgItem(IDC_WIZ_SESSION);
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index < 0)
    {
        return -1;
    }
    const char letter = static_cast<char>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    Values().session = std::string(1, letter);
    const WizardContext& context = m_wizard.Context();
    if (context.profile && context.profile->HostRequest())
    {
        context.profile->HostRequest()->SetValue(kHostSessionId, Values().session.c_str());
    }
    const bool connected = context.manager && context.manager->ConnectHost();
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
    return connected ? NextPage(IDD_SESSION_ID_PAGE, WizChoices{Type(), 0, 0}) : -1;
}

// 148.
CAs400DestinationPage::CAs400DestinationPage(CWizHllapiNewProfileSheet& sheet)
    : CWizPage(IDD_AS400_DESTINATION_PAGE, sheet)
{
}

const FwMessageMap* CAs400DestinationPage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(EN_CHANGE, IDC_WIZ_LIBRARY, &CAs400DestinationPage::OnNameChanged),
        FW_ON_CONTROL(EN_CHANGE, IDC_WIZ_FILE, &CAs400DestinationPage::OnNameChanged),
        FW_ON_CONTROL(EN_CHANGE, IDC_WIZ_MEMBER, &CAs400DestinationPage::OnNameChanged),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_BROWSE_LIBRARY, &CAs400DestinationPage::OnBrowse),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_BROWSE_FILE, &CAs400DestinationPage::OnBrowse),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_BROWSE_MEMBER, &CAs400DestinationPage::OnBrowse),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_DDS, &CAs400DestinationPage::OnBrowse),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_VIEW, &CAs400DestinationPage::OnBrowse),
    };
    static const FwMessageMap map{CWizPage::ClassMessageMap(), entries};
    return &map;
}

BOOL CAs400DestinationPage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    for (UINT id : {IDC_WIZ_LIBRARY, IDC_WIZ_FILE, IDC_WIZ_MEMBER})
    {
        SendDlgItemMessageA(m_hWnd, static_cast<int>(id), EM_LIMITTEXT, 10, 0);
    }
    m_library.SubclassDlgItem(IDC_WIZ_LIBRARY, m_hWnd);
    m_file.SubclassDlgItem(IDC_WIZ_FILE, m_hWnd);
    m_member.SubclassDlgItem(IDC_WIZ_MEMBER, m_hWnd);
    return TRUE;
}

void CAs400DestinationPage::PrepareActivation()
{
    const int show = Type() == WTT_AS400_TO_PC_DDS ? SW_HIDE : SW_SHOW;
    for (UINT id : {IDC_WIZ_MEMBER_LABEL, IDC_WIZ_MEMBER, IDC_WIZ_BROWSE_MEMBER, IDC_WIZ_DDS, IDC_WIZ_VIEW})
    {
        ShowWindow(GetDlgItem(id), show);
    }
}

void CAs400DestinationPage::ResetToDefaults()
{
    Values().library.clear();
    Values().file.clear();
    Values().member = Type() == WTT_AS400_TO_PC_DDS ? "" : "*FIRST";
}

void CAs400DestinationPage::ToControls()
{
    SetDlgItemText(IDC_WIZ_LIBRARY, Values().library);
    SetDlgItemText(IDC_WIZ_FILE, Values().file);
    SetDlgItemText(IDC_WIZ_MEMBER, Values().member);
    UpdateEnabling();
}

void CAs400DestinationPage::FromControls()
{
    Values().library = PageEditText(m_hWnd, IDC_WIZ_LIBRARY);
    Values().file = PageEditText(m_hWnd, IDC_WIZ_FILE);
    Values().member = PageEditText(m_hWnd, IDC_WIZ_MEMBER);
}

void CAs400DestinationPage::UpdateEnabling() const
{
    const bool library = !PageEditText(m_hWnd, IDC_WIZ_LIBRARY).empty();
    const bool file = library && !PageEditText(m_hWnd, IDC_WIZ_FILE).empty();
    const bool member = file && !PageEditText(m_hWnd, IDC_WIZ_MEMBER).empty();
    for (UINT id : {IDC_WIZ_FILE_LABEL, IDC_WIZ_FILE, IDC_WIZ_BROWSE_FILE})
    {
        EnableDlgItem(id, library);
    }
    if (Type() == WTT_AS400_TO_PC_DDS)
    {
        return;
    }
    for (UINT id : {IDC_WIZ_MEMBER_LABEL, IDC_WIZ_MEMBER, IDC_WIZ_BROWSE_MEMBER, IDC_WIZ_DDS})
    {
        EnableDlgItem(id, file);
    }
    EnableDlgItem(IDC_WIZ_VIEW, member);
}

LRESULT CAs400DestinationPage::OnNameChanged(WPARAM, LPARAM)
{
    UpdateEnabling();
    return 0;
}

LRESULT CAs400DestinationPage::OnBrowse(WPARAM wParam, LPARAM)
{
    if (!ConfirmHostBrowse())
    {
        return 0;
    }
    FromControls();
    WizValues& values = Values();
    std::string* target = nullptr;
    int resultId = 0;
    switch (LOWORD(wParam))
    {
    case IDC_WIZ_BROWSE_LIBRARY:
        BrowseHost(m_hWnd, ZR_BROWSE_TABLES, "", "", "", values.library);
        target = &values.library;
        resultId = ZRP_BROWSE_LIBRARY;
        break;
    case IDC_WIZ_BROWSE_FILE:
        BrowseHost(m_hWnd, ZR_BROWSE_TABLES, values.library, "", "", values.file);
        target = &values.file;
        resultId = ZRP_BROWSE_FILE;
        break;
    case IDC_WIZ_BROWSE_MEMBER:
        BrowseHost(m_hWnd, ZR_BROWSE_TABLES, values.library, values.file, "", values.member);
        target = &values.member;
        resultId = ZRP_BROWSE_MEMBER;
        break;
    case IDC_WIZ_DDS:
        BrowseHost(m_hWnd, ZR_BROWSE_COLUMNS, values.library, values.file, "", "");
        break;
    default:
        BrowseHost(m_hWnd, ZR_BROWSE_DATA, values.library, values.file, values.member, "");
        break;
    }
    std::string chosen = resultId ? GetBrowseResult(resultId) : std::string();
    if (target && !chosen.empty())
    {
        *target = chosen;
        ToControls();
    }
    return 0;
}

int CAs400DestinationPage::ChooseNextPage()
{
    if (!IsAs400NameValid(Values().library))
    {
        return Refuse(IDS_WIZ_HOST_LIBRARY_NAME, IDC_WIZ_LIBRARY);
    }
    if (!IsAs400NameValid(Values().file))
    {
        return Refuse(IDS_WIZ_HOST_FILE_NAME, IDC_WIZ_FILE);
    }
    if (Type() != WTT_AS400_TO_PC_DDS && !IsAs400NameValid(Values().member))
    {
        return Refuse(IDS_WIZ_HOST_MEMBER_NAME, IDC_WIZ_MEMBER);
    }
    return NextPage(IDD_AS400_DESTINATION_PAGE, WizChoices{Type(), 0, 0});
}

UINT CAs400DestinationPage::HelpTextId() const
{
    return Type() == WTT_AS400_TO_PC_DDS ? IDS_WIZ_HELP_DDS
           : IsHostToPcType(Type())      ? IDS_WIZ_HELP_AS400_FROM
                                         : IDS_WIZ_HELP_AS400_TO;
}

// 157.
CS36FileDestinationPage::CS36FileDestinationPage(CWizHllapiNewProfileSheet& sheet)
    : CWizPage(IDD_S36_FILE_DESTINATION_PAGE, sheet)
{
}

BOOL CS36FileDestinationPage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_WIZ_FILE, EM_LIMITTEXT, 8, 0);
    m_file.SubclassDlgItem(IDC_WIZ_FILE, m_hWnd);
    return TRUE;
}

void CS36FileDestinationPage::ResetToDefaults()
{
    Values().s36File.clear();
}

void CS36FileDestinationPage::ToControls()
{
    SetDlgItemText(IDC_WIZ_FILE, Values().s36File);
}

void CS36FileDestinationPage::FromControls()
{
    Values().s36File = PageEditText(m_hWnd, IDC_WIZ_FILE);
}

int CS36FileDestinationPage::ChooseNextPage()
{
    if (!IsS36NameValid(Values().s36File))
    {
        return Refuse(IDS_WIZ_HOST_FILE_NAME, IDC_WIZ_FILE);
    }
    return NextPage(IDD_S36_FILE_DESTINATION_PAGE, WizChoices{Type(), 0, 0});
}

UINT CS36FileDestinationPage::HelpTextId() const
{
    return IsHostToPcType(Type()) ? IDS_WIZ_HELP_S36_FILE_FROM : IDS_WIZ_HELP_S36_FILE_TO;
}

// 158.
CS36MemberDestinationPage::CS36MemberDestinationPage(CWizHllapiNewProfileSheet& sheet)
    : CWizPage(IDD_S36_MEMBER_DESTINATION_PAGE, sheet)
{
}

const FwMessageMap* CS36MemberDestinationPage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(EN_CHANGE, IDC_WIZ_LIBRARY, &CS36MemberDestinationPage::OnLibraryChanged),
    };
    static const FwMessageMap map{CWizPage::ClassMessageMap(), entries};
    return &map;
}

BOOL CS36MemberDestinationPage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_WIZ_LIBRARY, EM_LIMITTEXT, 8, 0);
    SendDlgItemMessageA(m_hWnd, IDC_WIZ_MEMBER, EM_LIMITTEXT, 8, 0);
    m_library.SubclassDlgItem(IDC_WIZ_LIBRARY, m_hWnd);
    m_member.SubclassDlgItem(IDC_WIZ_MEMBER, m_hWnd);
    return TRUE;
}

void CS36MemberDestinationPage::PrepareActivation()
{
    UpdateEnabling();
}

void CS36MemberDestinationPage::ResetToDefaults()
{
    Values().s36Library.clear();
    Values().s36Member.clear();
}

void CS36MemberDestinationPage::ToControls()
{
    SetDlgItemText(IDC_WIZ_LIBRARY, Values().s36Library);
    SetDlgItemText(IDC_WIZ_MEMBER, Values().s36Member);
    UpdateEnabling();
}

void CS36MemberDestinationPage::FromControls()
{
    Values().s36Library = PageEditText(m_hWnd, IDC_WIZ_LIBRARY);
    Values().s36Member = PageEditText(m_hWnd, IDC_WIZ_MEMBER);
}

void CS36MemberDestinationPage::UpdateEnabling() const
{
    const bool library = !PageEditText(m_hWnd, IDC_WIZ_LIBRARY).empty();
    EnableDlgItem(IDC_WIZ_MEMBER_LABEL, library);
    EnableDlgItem(IDC_WIZ_MEMBER, library);
}

LRESULT CS36MemberDestinationPage::OnLibraryChanged(WPARAM, LPARAM)
{
    UpdateEnabling();
    return 0;
}

int CS36MemberDestinationPage::ChooseNextPage()
{
    if (!IsS36NameValid(Values().s36Library))
    {
        return Refuse(IDS_WIZ_HOST_LIBRARY_NAME, IDC_WIZ_LIBRARY);
    }
    if (!IsS36NameValid(Values().s36Member))
    {
        return Refuse(IDS_WIZ_HOST_MEMBER_NAME, IDC_WIZ_MEMBER);
    }
    return NextPage(IDD_S36_MEMBER_DESTINATION_PAGE, WizChoices{Type(), 0, 0});
}

UINT CS36MemberDestinationPage::HelpTextId() const
{
    return IsHostToPcType(Type()) ? IDS_WIZ_HELP_S36_MEMBER_FROM : IDS_WIZ_HELP_S36_MEMBER_TO;
}

// 150.
CHostFileTypePage::CHostFileTypePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_HOST_FILE_TYPE_PAGE, sheet)
{
}

void CHostFileTypePage::PrepareActivation()
{
    const bool member = IsS36MemberType(Type());
    SetDlgItemText(IDC_WIZ_TYPE_GROUP,
                   FwLoadString(member ? IDS_WIZ_HOST_MEMBER_TYPE_GROUP : IDS_WIZ_HOST_FILE_TYPE_GROUP));
    SetDlgItemText(IDC_WIZ_FIRST_CHOICE, FwLoadString(member ? IDS_WIZ_SOURCE : IDS_WIZ_DATA));
    SetDlgItemText(IDC_WIZ_SECOND_CHOICE, FwLoadString(member ? IDS_WIZ_PROCEDURE : IDS_WIZ_SOURCE));
}

void CHostFileTypePage::ResetToDefaults()
{
    m_checked = 0;
}

void CHostFileTypePage::ToControls()
{
    CheckRadioChoice(m_hWnd, m_checked);
}

void CHostFileTypePage::FromControls()
{
    m_checked = CheckedRadioChoice(m_hWnd);
    Values().hostFileType = HostFileTypeValue(Type(), m_checked);
}

int CHostFileTypePage::ChooseNextPage()
{
    return NextPage(IDD_HOST_FILE_TYPE_PAGE, WizChoices{Type(), Values().hostFileType, 0});
}

UINT CHostFileTypePage::HelpTextId() const
{
    return IsS36MemberType(Type())  ? IDS_WIZ_HELP_MEMBER_TYPE
           : IsHostToPcType(Type()) ? IDS_WIZ_HELP_HOST_FILE_TYPE_FROM
                                    : IDS_WIZ_HELP_HOST_FILE_TYPE_TO;
}

int CHostFileTypePage::HelpContext() const
{
    return IsS36MemberType(Type()) ? 16 : 15;
}

// 153.
CHostWriteModePage::CHostWriteModePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_HOST_WRITE_MODE_PAGE, sheet)
{
}

void CHostWriteModePage::PrepareActivation()
{
    HWND list = GetDlgItem(IDC_WIZ_HOST_WRITE_MODES);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    FillHostWriteModeList(list, IsAs400Type(Type())     ? HostWriteModes::As400PcToHost
                                : IsS36FileType(Type()) ? HostWriteModes::S36File
                                                        : HostWriteModes::S36Member);
}

void CHostWriteModePage::ResetToDefaults()
{
    Values().hostWriteModeText = ListItemText(GetDlgItem(IDC_WIZ_HOST_WRITE_MODES), 0);
}

void CHostWriteModePage::ToControls()
{
    SelectListText(GetDlgItem(IDC_WIZ_HOST_WRITE_MODES), Values().hostWriteModeText);
}

void CHostWriteModePage::FromControls()
{
    SelectedListItem(GetDlgItem(IDC_WIZ_HOST_WRITE_MODES), Values().hostWriteModeText, Values().hostWriteMode);
}

int CHostWriteModePage::ChooseNextPage()
{
    return NextPage(IDD_HOST_WRITE_MODE_PAGE, WizChoices{Type(), Values().hostFileType, Values().hostWriteMode});
}

UINT CHostWriteModePage::HelpTextId() const
{
    return IsAs400Type(Type())     ? IDS_WIZ_HELP_HOST_WRITE_MODE_AS400
           : IsS36FileType(Type()) ? IDS_WIZ_HELP_HOST_WRITE_MODE_S36_FILE
                                   : IDS_WIZ_HELP_HOST_WRITE_MODE_S36_MEMBER;
}

// 155.
CRecordLengthPage::CRecordLengthPage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_RECORD_LENGTH_PAGE, sheet)
{
}

BOOL CRecordLengthPage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_WIZ_RECORD_LENGTH, EM_LIMITTEXT, 4, 0);
    m_length.SubclassDlgItem(IDC_WIZ_RECORD_LENGTH, m_hWnd);
    return TRUE;
}

void CRecordLengthPage::ResetToDefaults()
{
    Values().recordLength = IsAs400Type(Type()) ? "92" : "80";
}

void CRecordLengthPage::ToControls()
{
    SetDlgItemText(IDC_WIZ_RECORD_LENGTH, Values().recordLength);
}

void CRecordLengthPage::FromControls()
{
    Values().recordLength = PageEditText(m_hWnd, IDC_WIZ_RECORD_LENGTH);
}

int CRecordLengthPage::ChooseNextPage()
{
    if (!IsRecordLengthValid(Type(), Values().hostFileType, Values().recordLength))
    {
        return Refuse(IDS_WIZ_RECORD_LENGTH, IDC_WIZ_RECORD_LENGTH);
    }
    return NextPage(IDD_RECORD_LENGTH_PAGE, WizChoices{Type(), Values().hostFileType, Values().hostWriteMode});
}

UINT CRecordLengthPage::HelpTextId() const
{
    return Type() == WTT_PC_TO_AS400_DATABASE ? IDS_WIZ_HELP_RECORD_LENGTH_DATABASE
           : Type() == WTT_PC_TO_AS400_PLAIN  ? IDS_WIZ_HELP_RECORD_LENGTH_PLAIN
                                              : IDS_WIZ_HELP_RECORD_LENGTH_S36;
}

// 156.
CNumberOfRecordsPage::CNumberOfRecordsPage(CWizHllapiNewProfileSheet& sheet)
    : CWizPage(IDD_NUMBER_OF_RECORDS_PAGE, sheet)
{
}

BOOL CNumberOfRecordsPage::OnInitDialog()
{
    CWizPage::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_WIZ_NUMBER_OF_RECORDS, EM_LIMITTEXT, 6, 0);
    m_number.SubclassDlgItem(IDC_WIZ_NUMBER_OF_RECORDS, m_hWnd);
    return TRUE;
}

void CNumberOfRecordsPage::ResetToDefaults()
{
    Values().numberOfRecords = "1000";
}

void CNumberOfRecordsPage::ToControls()
{
    SetDlgItemText(IDC_WIZ_NUMBER_OF_RECORDS, Values().numberOfRecords);
}

void CNumberOfRecordsPage::FromControls()
{
    Values().numberOfRecords = PageEditText(m_hWnd, IDC_WIZ_NUMBER_OF_RECORDS);
}

int CNumberOfRecordsPage::ChooseNextPage()
{
    if (!IsNumberOfRecordsValid(Values().numberOfRecords))
    {
        return Refuse(IDS_WIZ_NEW_HOST_FILE_SIZE, IDC_WIZ_NUMBER_OF_RECORDS);
    }
    return NextPage(IDD_NUMBER_OF_RECORDS_PAGE, WizChoices{Type(), 0, Values().hostWriteMode});
}

std::vector<std::unique_ptr<CWizPage>> MakeWizardPages(CWizHllapiNewProfileSheet& sheet)
{
    std::vector<std::unique_ptr<CWizPage>> pages;
    pages.push_back(std::make_unique<CProfileTypePage>(sheet));
    pages.push_back(std::make_unique<CSessionIdPage>(sheet));
    pages.push_back(std::make_unique<CAs400DestinationPage>(sheet));
    pages.push_back(std::make_unique<CS36FileDestinationPage>(sheet));
    pages.push_back(std::make_unique<CS36MemberDestinationPage>(sheet));
    pages.push_back(std::make_unique<CHostFileTypePage>(sheet));
    pages.push_back(std::make_unique<CHostWriteModePage>(sheet));
    pages.push_back(std::make_unique<CDescrFilePage>(sheet));
    pages.push_back(std::make_unique<CRecordLengthPage>(sheet));
    pages.push_back(std::make_unique<CNumberOfRecordsPage>(sheet));
    pages.push_back(std::make_unique<CPcDestinationPage>(sheet));
    pages.push_back(std::make_unique<CPcFileTypePage>(sheet));
    pages.push_back(std::make_unique<CPcWriteModePage>(sheet));
    pages.push_back(std::make_unique<CCodePageConversionPage>(sheet));
    pages.push_back(std::make_unique<CFinishPage>(sheet));
    return pages;
}
