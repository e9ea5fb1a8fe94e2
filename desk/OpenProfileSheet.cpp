#include "OpenProfileSheet.h"

#include "DeskState.h"
#include "FwApp.h"
#include "FwDocument.h"
#include "FwModule.h"
#include "FwText.h"
#include "ProfileDocManager.h"
#include "VersionLibrary.h"
#include "ZRMessages.h"
#include "ZrtdeskApp.h"
#include "resource.h"

#include <commdlg.h>

namespace
{
const int kStartHelpContext = 1;
const int kNewCommandHelpContext = 43;
const int kKindImageSize = 32;
const COLORREF kMaskColour = RGB(0, 128, 128);
const int kNameLimit = 260;
const DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN;

struct KindEntry
{
    UINT textId;
    int image;
    int kind;
};
const KindEntry kKinds[] = {
    {IDS_KIND_AS400_TO_PC, 0, ZRNEW_AS400_TO_PC},   {IDS_KIND_PC_TO_AS400, 1, ZRNEW_PC_TO_AS400},
    {IDS_KIND_S36_TO_PC, 0, ZRNEW_S36_TO_PC},       {IDS_KIND_PC_TO_S36, 1, ZRNEW_PC_TO_S36},
    {IDS_KIND_PROFILE_LIST, 2, ZRNEW_PROFILE_LIST},
};

// Runs New through the framework with the program's help context kept.
void RunNew()
{
    int saved = FwGetHelpContext();
    CZrtdeskApp::Current()->NewProfileKeepingTitle();
    FwSetHelpContext(saved);
}

std::string ControlText(HWND page, UINT id)
{
    char text[kNameLimit + 1] = "";
    GetDlgItemTextA(page, static_cast<int>(id), text, sizeof(text));
    return text;
}

void BrowseInto(HWND page, UINT controlId, UINT filterId)
{
    std::string path = ControlText(page, controlId);
    if (PromptProfileFile(path, TRUE, kOpenFlags, filterId, nullptr, page))
    {
        SetDlgItemTextA(page, static_cast<int>(controlId), path.c_str());
    }
}
}

BOOL CheckProfileFileName(const std::string& text, std::initializer_list<const char*> extensions, std::string& fullPath)
{
    if (text.empty())
    {
        ShowMessage(IDS_ZRH004_NO_FILE_NAME, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return FALSE;
    }
    char full[kNameLimit + 1];
    DWORD length = GetFullPathNameA(text.c_str(), sizeof(full), full, nullptr);
    fullPath = length > 0 && length < sizeof(full) ? std::string(full, length) : text;
    DWORD attributes = GetFileAttributesA(fullPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        ShowMessage(IDS_ZRH002_NOT_FOUND, fullPath.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return FALSE;
    }
    std::string extension = FwPathExtension(fullPath);
    for (const char* accepted : extensions)
    {
        if (FwEqualsNoCase(extension, accepted))
        {
            return TRUE;
        }
    }
    ShowMessage(IDS_ZRH003_BAD_EXTENSION, fullPath.c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
    return FALSE;
}

CNewProfilePage::CNewProfilePage(UINT captionId, int helpContext)
    : CFwPropertyPage(IDD_NEW_PAGE), m_captionId(captionId), m_helpContext(helpContext)
{
}

const FwMessageMap* CNewProfilePage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_NOTIFY(NM_DBLCLK, IDC_NEW_KINDS, &CNewProfilePage::OnDoubleClick),
    };
    static const FwMessageMap map{CFwPropertyPage::ClassMessageMap(), entries};
    return &map;
}

BOOL CNewProfilePage::OnInitDialog()
{
    CVersionLibrary* library = GetVersionLibrary();
    ::SetWindowTextA(GetParent(m_hWnd),
                     FwFormatArgs(FwLoadString(m_captionId), {library ? library->GetShortProductName() : ""}).c_str());
    m_kinds.SubclassDlgItem(IDC_NEW_KINDS, m_hWnd);
    m_images.LoadBitmap(IDB_NEW_KINDS, kKindImageSize, 1, kMaskColour);
    m_images.SetBkColor(CLR_NONE);
    m_kinds.SetImageList(m_images.GetSafeHandle(), LVSIL_NORMAL);
    for (const KindEntry& entry : kKinds)
    {
        std::string text = FwLoadString(entry.textId);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = m_kinds.GetItemCount();
        item.pszText = text.data();
        item.iImage = entry.image;
        item.lParam = entry.kind;
        m_kinds.InsertItem(item);
    }
    m_kinds.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return TRUE;
}

BOOL CNewProfilePage::OnSetActive()
{
    FwSetHelpContext(m_helpContext);
    return TRUE;
}

BOOL CNewProfilePage::OnApply()
{
    if (!IsActivePage())
    {
        return TRUE;
    }
    int selected = m_kinds.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED);
    if (selected < 0)
    {
        return FALSE;
    }
    int kind = static_cast<int>(m_kinds.GetItemData(selected));
    Desk().newProfileKind = kind;
    // A New that never reaches the wizard (Cancel at the save question) must not count as finished.
    Desk().wizardFinished = false;
    RunNew();
    if (kind == ZRNEW_PROFILE_LIST)
    {
        return CFwApp::Current()->GetDocTemplate()->GetDocument() != nullptr && FwGetMainWindow() != nullptr &&
               Desk().listMode == ZRLIST_PROFILE_LIST;
    }
    return Desk().wizardFinished;
}

LRESULT CNewProfilePage::OnDoubleClick(WPARAM, LPARAM)
{
    if (GetSheet())
    {
        GetSheet()->PressOk();
    }
    return 0;
}

CExistingProfilePage::CExistingProfilePage() : CFwPropertyPage(IDD_EXISTING_PAGE)
{
}

const FwMessageMap* CExistingProfilePage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(IDC_BROWSE, &CExistingProfilePage::OnBrowse),
    };
    static const FwMessageMap map{CFwPropertyPage::ClassMessageMap(), entries};
    return &map;
}

BOOL CExistingProfilePage::OnInitDialog()
{
    HWND combo = GetDlgItem(IDC_EXISTING_NAME);
    if (CFwRecentFileList* recent = CFwApp::Current()->GetRecentFileList())
    {
        for (size_t i = 0; i < recent->GetSize(); ++i)
        {
            std::string entry = recent->GetEntry(i);
            if (!entry.empty())
            {
                SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
            }
        }
    }
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) > 0)
    {
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
    SendMessageA(combo, CB_LIMITTEXT, kNameLimit, 0);
    return TRUE;
}

BOOL CExistingProfilePage::OnSetActive()
{
    FwSetHelpContext(kStartHelpContext);
    return TRUE;
}

BOOL CExistingProfilePage::OnApply()
{
    if (!IsActivePage())
    {
        return TRUE;
    }
    std::string text = ControlText(m_hWnd, IDC_EXISTING_NAME);
    std::string full;
    if (!CheckProfileFileName(text, {".h2p", ".p2h", ".prl"}, full))
    {
        return FALSE;
    }
    return CFwApp::Current()->OpenDocumentFile(text.c_str()) != nullptr;
}

LRESULT CExistingProfilePage::OnBrowse(WPARAM, LPARAM)
{
    BrowseInto(m_hWnd, IDC_EXISTING_NAME, IDS_FILTER_PROFILES);
    return 0;
}

CImportProfilePage::CImportProfilePage() : CFwPropertyPage(IDD_IMPORT_PAGE)
{
}

const FwMessageMap* CImportProfilePage::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(IDC_BROWSE, &CImportProfilePage::OnBrowse),
    };
    static const FwMessageMap map{CFwPropertyPage::ClassMessageMap(), entries};
    return &map;
}

BOOL CImportProfilePage::OnInitDialog()
{
    SendDlgItemMessageA(m_hWnd, IDC_IMPORT_NAME, EM_LIMITTEXT, kNameLimit, 0);
    return TRUE;
}

BOOL CImportProfilePage::OnSetActive()
{
    FwSetHelpContext(kStartHelpContext);
    return TRUE;
}

BOOL CImportProfilePage::OnApply()
{
    if (!IsActivePage())
    {
        return TRUE;
    }
    std::string text = ControlText(m_hWnd, IDC_IMPORT_NAME);
    std::string full;
    if (!CheckProfileFileName(text, {".ftp"}, full))
    {
        return FALSE;
    }
    Desk().newProfileKind = ZRNEW_IMPORT;
    Desk().importPath = full;
    RunNew();
    return CFwApp::Current()->GetDocTemplate()->GetDocument() != nullptr && FwGetMainWindow() != nullptr;
}

LRESULT CImportProfilePage::OnBrowse(WPARAM, LPARAM)
{
    BrowseInto(m_hWnd, IDC_IMPORT_NAME, IDS_FILTER_FOREIGN);
    return 0;
}

COpenProfileSheet::COpenProfileSheet()
    : CFwPropertySheet(IDS_SHEET_CAPTION, nullptr), m_newPage(IDS_OPEN_PROFILE_CAPTION, kStartHelpContext)
{
    SetOptions(PSH_NOAPPLYNOW | PSH_HASHELP, IDR_MAINFRAME);
    AddPage(&m_newPage);
    AddPage(&m_existingPage);
    AddPage(&m_importPage);
}

CNewProfileSheet::CNewProfileSheet(HWND parent)
    : CFwPropertySheet(IDS_SHEET_CAPTION, parent), m_newPage(IDS_NEW_PROFILE_CAPTION, kNewCommandHelpContext)
{
    SetOptions(PSH_NOAPPLYNOW, 0);
    AddPage(&m_newPage);
}
