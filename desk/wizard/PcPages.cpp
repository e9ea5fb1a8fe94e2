#include "WizardPages.h"

#include "DescrFileEditorDlg.h"
#include "DialogHelpers.h"
#include "FwModule.h"
#include "WindowText.h"

namespace
{
// The description-file type of the PC file dialog.
const int kDescriptionFileType = 15;

// Shows a full path in the path field, shortened to the field's width.
void ShowPath(HWND page, const std::string& path)
{
    HWND field = GetDlgItem(page, IDC_WIZ_PATH);
    std::string shown = path;
    FitPathToWindow(shown, field);
    SetWindowTextA(field, shown.c_str());
}
}

// 154.
CDescrFilePage::CDescrFilePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_DESCR_FILE_PAGE, sheet)
{
}

const FwMessageMap* CDescrFilePage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_BROWSE, &CDescrFilePage::OnBrowse),
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_EDIT, &CDescrFilePage::OnEdit),
    };
    static const FwMessageMap map{CWizPage::ClassMessageMap(), entries};
    return &map;
}

void CDescrFilePage::PrepareActivation()
{
    EnableDlgItem(IDC_WIZ_EDIT, !Values().descrFile.empty());
}

void CDescrFilePage::ResetToDefaults()
{
    Values().descrFile.clear();
}

void CDescrFilePage::ToControls()
{
    ShowPath(m_hWnd, Values().descrFile);
    EnableDlgItem(IDC_WIZ_EDIT, !Values().descrFile.empty());
}

LRESULT CDescrFilePage::OnBrowse(WPARAM, LPARAM)
{
    std::string path = Values().descrFile;
    if (BrowsePcFile(path, m_hWnd, kDescriptionFileType))
    {
        Values().descrFile = path;
        ToControls();
    }
    return 0;
}

LRESULT CDescrFilePage::OnEdit(WPARAM, LPARAM)
{
    const int saved = FwGetHelpContext();
    FwSetHelpContext(18);
    CDescrFileEditorDlg editor(Values().descrFile, GetParent(m_hWnd));
    editor.DoModal();
    FwSetHelpContext(saved);
    return 0;
}

int CDescrFilePage::ChooseNextPage()
{
    if (!IsPcPathValid(Values().descrFile))
    {
        return Refuse(IDS_WIZ_PC_DESCRIPTION_FILE, IDC_WIZ_BROWSE);
    }
    return NextPage(IDD_DESCR_FILE_PAGE, WizChoices{Type(), Values().hostFileType, Values().hostWriteMode});
}

UINT CDescrFilePage::HelpTextId() const
{
    return IsAs400Type(Type()) ? IDS_WIZ_HELP_DESCR_FILE_AS400 : IDS_WIZ_HELP_DESCR_FILE_S36;
}

// 146.
CPcDestinationPage::CPcDestinationPage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_PC_DESTINATION_PAGE, sheet)
{
}

const FwMessageMap* CPcDestinationPage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(BN_CLICKED, IDC_WIZ_BROWSE, &CPcDestinationPage::OnBrowse),
    };
    static const FwMessageMap map{CWizPage::ClassMessageMap(), entries};
    return &map;
}

void CPcDestinationPage::ResetToDefaults()
{
    Values().pcFile.clear();
}

void CPcDestinationPage::ToControls()
{
    ShowPath(m_hWnd, Values().pcFile);
}

LRESULT CPcDestinationPage::OnBrowse(WPARAM, LPARAM)
{
    std::string path = Values().pcFile;
    if (BrowsePcFile(path, m_hWnd, PcBrowseType(Type(), Values().pcFileType)))
    {
        Values().pcFile = path;
        ToControls();
    }
    return 0;
}

int CPcDestinationPage::ChooseNextPage()
{
    if (!IsPcPathValid(Values().pcFile))
    {
        return Refuse(IDS_WIZ_PC_FILENAME, IDC_WIZ_BROWSE);
    }
    return NextPage(IDD_PC_DESTINATION_PAGE, WizChoices{Type(), 0, 0});
}

UINT CPcDestinationPage::HelpTextId() const
{
    return IsHostToPcType(Type()) ? IDS_WIZ_HELP_PC_DESTINATION : IDS_WIZ_HELP_PC_SOURCE;
}

// 151.
CPcFileTypePage::CPcFileTypePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_PC_FILE_TYPE_PAGE, sheet)
{
}

void CPcFileTypePage::PrepareActivation()
{
    HWND list = GetDlgItem(IDC_WIZ_PC_FILE_TYPES);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (IsHostToPcType(Type()))
    {
        FillPcFileTypeList(list);
    }
    else
    {
        FillPcFileTypeListReduced(list);
    }
}

void CPcFileTypePage::ResetToDefaults()
{
    Values().pcFileTypeText = ListItemText(GetDlgItem(IDC_WIZ_PC_FILE_TYPES), 0);
}

void CPcFileTypePage::ToControls()
{
    SelectListText(GetDlgItem(IDC_WIZ_PC_FILE_TYPES), Values().pcFileTypeText);
}

void CPcFileTypePage::FromControls()
{
    SelectedListItem(GetDlgItem(IDC_WIZ_PC_FILE_TYPES), Values().pcFileTypeText, Values().pcFileType);
}

UINT CPcFileTypePage::HelpTextId() const
{
    return IsHostToPcType(Type()) ? IDS_WIZ_HELP_PC_FILE_TYPE_DESTINATION : IDS_WIZ_HELP_PC_FILE_TYPE_SOURCE;
}

// 152.
CPcWriteModePage::CPcWriteModePage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_PC_WRITE_MODE_PAGE, sheet)
{
}

void CPcWriteModePage::PrepareActivation()
{
    HWND list = GetDlgItem(IDC_WIZ_PC_WRITE_MODES);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    FillWriteModeList(list, Type() != WTT_AS400_TO_PC_DDS);
}

void CPcWriteModePage::ResetToDefaults()
{
    Values().pcWriteModeText = ListItemText(GetDlgItem(IDC_WIZ_PC_WRITE_MODES), 0);
}

void CPcWriteModePage::ToControls()
{
    SelectListText(GetDlgItem(IDC_WIZ_PC_WRITE_MODES), Values().pcWriteModeText);
}

void CPcWriteModePage::FromControls()
{
    SelectedListItem(GetDlgItem(IDC_WIZ_PC_WRITE_MODES), Values().pcWriteModeText, Values().pcWriteMode);
}

UINT CPcWriteModePage::HelpTextId() const
{
    return Type() == WTT_AS400_TO_PC_DDS ? IDS_WIZ_HELP_PC_WRITE_MODE_DDS : IDS_WIZ_HELP_PC_WRITE_MODE;
}

// 189.
CCodePageConversionPage::CCodePageConversionPage(CWizHllapiNewProfileSheet& sheet)
    : CWizPage(IDD_CODE_PAGE_CONVERSION_PAGE, sheet)
{
}

void CCodePageConversionPage::PrepareActivation()
{
    const bool toPc = IsHostToPcType(Type());
    SetDlgItemText(IDC_WIZ_FIRST_CHOICE, FwLoadString(toPc ? IDS_WIZ_EBCDIC_TO_ANSI : IDS_WIZ_ANSI_TO_EBCDIC));
    SetDlgItemText(IDC_WIZ_SECOND_CHOICE, FwLoadString(toPc ? IDS_WIZ_EBCDIC_TO_ASCII : IDS_WIZ_ASCII_TO_EBCDIC));
}

void CCodePageConversionPage::ResetToDefaults()
{
    m_checked = DefaultConversionIndex(Type(), Values().pcFileType);
    Values().conversion = ConversionValue(Type(), m_checked);
}

void CCodePageConversionPage::ToControls()
{
    CheckRadioChoice(m_hWnd, m_checked);
}

void CCodePageConversionPage::FromControls()
{
    m_checked = CheckedRadioChoice(m_hWnd);
    Values().conversion = ConversionValue(Type(), m_checked);
}

UINT CCodePageConversionPage::HelpTextId() const
{
    return IsHostToPcType(Type()) ? IDS_WIZ_HELP_CONVERSION_FROM : IDS_WIZ_HELP_CONVERSION_TO;
}

// 145.
CFinishPage::CFinishPage(CWizHllapiNewProfileSheet& sheet) : CWizPage(IDD_FINISH_PAGE, sheet)
{
}

void CFinishPage::BuildSummary()
{
    SetDlgItemText(IDC_WIZ_SUMMARY, BuildWizardSummary(Values(), m_wizard.Result()));
}
