#include "WizardSheet.h"

#include "FwModule.h"
#include "WizardIds.h"
#include "WizardPages.h"
#include "WizardPicture.h"
#include "ZRMessages.h"

namespace
{
const UINT kProgramIcon = 128;
}

CWizBaseSheet::CWizBaseSheet(UINT captionId, HWND parent) : CFwPropertySheet(captionId, parent)
{
    SetOptions(PSH_WIZARD, kProgramIcon);
    SetPageTitle(captionId);
}

int CWizBaseSheet::PopPage()
{
    if (m_pageHistory.size() < 2)
    {
        return 0;
    }
    m_pageHistory.pop_back();
    return static_cast<int>(m_pageHistory.back());
}

CWizPage::CWizPage(UINT templateId, CWizHllapiNewProfileSheet& sheet) : CFwPropertyPage(templateId), m_wizard(sheet)
{
}

const FwMessageMap* CWizPage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_PAINT, &CWizPage::OnPaint),
    };
    static const FwMessageMap map{CFwPropertyPage::ClassMessageMap(), entries};
    return &map;
}

WizValues& CWizPage::Values() const
{
    return m_wizard.Values();
}

int CWizPage::Type() const
{
    return m_wizard.Values().transferType;
}

BOOL CWizPage::OnInitDialog()
{
    m_helpText.SubclassDlgItem(IDC_WIZ_HELP_TEXT, m_hWnd);
    return TRUE;
}

BOOL CWizPage::OnSetActive()
{
    const UINT id = GetTemplateId();
    m_wizard.SetWizardButtons(id == IDD_PROFILE_TYPE_PAGE ? PSWIZB_NEXT
                              : id == IDD_FINISH_PAGE     ? PSWIZB_BACK | PSWIZB_FINISH
                                                          : PSWIZB_BACK | PSWIZB_NEXT);
    PrepareActivation();
    const bool forward = !IsSuccessorPage(static_cast<int>(id), m_wizard.m_lastPageId);
    if (forward)
    {
        ResetToDefaults();
        ToControls();
        m_wizard.PushPage(id);
    }
    SetDlgItemText(IDC_WIZ_HELP_TEXT, FwLoadString(HelpTextId()));
    FwSetHelpContext(HelpContext());
    if (++m_activations > 1 && !forward)
    {
        ToControls();
    }
    return TRUE;
}

LRESULT CWizPage::OnWizardNext()
{
    m_wizard.m_lastPageId = static_cast<int>(GetTemplateId());
    FromControls();
    return ChooseNextPage();
}

LRESULT CWizPage::OnWizardBack()
{
    m_wizard.m_lastPageId = static_cast<int>(GetTemplateId());
    return m_wizard.PopPage();
}

void CWizPage::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(HelpContext()));
}

int CWizPage::Refuse(UINT fieldNameId, UINT control) const
{
    ShowMessage(IDS_ZRH007_PARAMETER_INVALID, FwLoadString(fieldNameId).c_str());
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(control)), TRUE);
    return -1;
}

LRESULT CWizPage::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    DibPicture& picture = WizardPicture();
    if (picture.colors)
    {
        PaintDibBitmap(dc, picture.bitmap, picture.palette, picture.colors);
    }
    EndPaint(m_hWnd, &paint);
    return 0;
}

CWizHllapiNewProfileSheet::CWizHllapiNewProfileSheet(UINT captionId, HWND parent, const WizardContext& context)
    : CWizBaseSheet(captionId, parent), m_context(context)
{
    m_pages = MakeWizardPages(*this);
    for (const std::unique_ptr<CWizPage>& page : m_pages)
    {
        AddPage(page.get());
    }
}

CWizHllapiNewProfileSheet::~CWizHllapiNewProfileSheet() = default;

UINT CWizHllapiNewProfileSheet::CaptionOf(int kind)
{
    static const UINT kCaptions[] = {IDS_WIZ_CAPTION_AS400_TO_PC, IDS_WIZ_CAPTION_PC_TO_AS400,
                                     IDS_WIZ_CAPTION_S36_TO_PC, IDS_WIZ_CAPTION_PC_TO_S36};
    return kCaptions[kind >= 0 && kind <= 3 ? kind : 0];
}
