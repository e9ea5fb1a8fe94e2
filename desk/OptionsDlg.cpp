#include "OptionsDlg.h"

#include "DeskState.h"
#include "DeskToolsIds.h"
#include "FolderDialog.h"
#include "FwModule.h"
#include "PathUtilities.h"
#include "TextChecks.h"
#include "VersionLibrary.h"
#include "WindowText.h"
#include "ZRMessages.h"
#include "ZROptions.h"
#include "resource.h"

#include <cstdlib>
#include <vector>

namespace
{
const int kOptionsHelpContext = 7;
const int kTimeoutDigits = 3;
const long kTimeoutMin = 1;
const long kTimeoutMax = 180;
const int kDecimalDotIndex = 0;

int NumberOption(const CZROptions& options, int id)
{
    int value = 0;
    options.GetValue(id, &value);
    return value;
}

std::string DefaultDirectory(const CZROptions& options)
{
    int size = options.GetSize(ZRO_DEFAULT_DIRECTORY);
    std::vector<char> value(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    if (size > 0)
    {
        options.GetValue(ZRO_DEFAULT_DIRECTORY, value.data());
    }
    return value.data();
}

std::string ItemText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

bool IsTicked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
}

const FwMessageMap* COptionsDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(IDC_BROWSE, &COptionsDlg::OnBrowse),
        FW_ON_COMMAND(IDC_HELP_BUTTON, &COptionsDlg::OnHelpButton),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

COptionsDlg::COptionsDlg(CZROptions& options, HWND parent) : CFwDialog(IDD_OPTIONS, parent), m_options(options)
{
}

BOOL COptionsDlg::OnInitDialog()
{
    CVersionLibrary* library = GetVersionLibrary();
    SetWindowText(FwFormatArgs(FwLoadString(IDS_OPTIONS_CAPTION), {library ? library->GetShortProductName() : ""}));
    m_folder = DefaultDirectory(m_options);
    SetDlgItemInt(m_hWnd, IDC_TIMEOUT_SENDKEY, static_cast<UINT>(NumberOption(m_options, ZRO_HLLAPI_TIMEOUT_SENDKEY)),
                  FALSE);
    SetDlgItemInt(m_hWnd, IDC_TIMEOUT_DDS, static_cast<UINT>(NumberOption(m_options, ZRO_HLLAPI_TIMEOUT_DDS)), FALSE);
    CheckDlgButton(m_hWnd, IDC_PRESERVE_LENGTH,
                   NumberOption(m_options, ZRO_REMOVE_BLANKS) ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(m_hWnd, IDC_CONFIRM_CREATING,
                   NumberOption(m_options, ZRO_CONFIRM_CREATING) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_CONFIRM_REPLACING,
                   NumberOption(m_options, ZRO_CONFIRM_REPLACING) ? BST_CHECKED : BST_UNCHECKED);
    HWND decimal = ::GetDlgItem(m_hWnd, IDC_DECIMAL_SYMBOL);
    for (UINT id : {IDS_DECIMAL_DOT, IDS_DECIMAL_COMMA})
    {
        SendMessageA(decimal, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FwLoadString(id).c_str()));
    }
    SendMessageA(decimal, CB_SETCURSEL, NumberOption(m_options, ZRO_DECIMAL_CHAR_IS_DOT) ? kDecimalDotIndex : 1, 0);
    SendDlgItemMessageA(m_hWnd, IDC_TIMEOUT_SENDKEY, EM_LIMITTEXT, kTimeoutDigits, 0);
    SendDlgItemMessageA(m_hWnd, IDC_TIMEOUT_DDS, EM_LIMITTEXT, kTimeoutDigits, 0);
    ShowFolder();
    FwCenterWindow(m_hWnd);
    return TRUE;
}

void COptionsDlg::ShowFolder()
{
    std::string shown = m_folder;
    HWND control = ::GetDlgItem(m_hWnd, IDC_PROFILE_FOLDER);
    FitPathToWindow(shown, control);
    ::SetWindowTextA(control, shown.c_str());
}

LRESULT COptionsDlg::OnBrowse(WPARAM, LPARAM)
{
    CFolderDialog dialog(m_folder, FwLoadString(IDS_SELECT_FOLDER), m_hWnd);
    if (dialog.DoModal() == IDOK && !dialog.GetFolder().empty() && dialog.GetFolder() != m_folder)
    {
        m_folder = dialog.GetFolder();
        ShowFolder();
    }
    return 0;
}

LRESULT COptionsDlg::OnHelpButton(WPARAM, LPARAM)
{
    OnHelp();
    return 0;
}

void COptionsDlg::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, kOptionsHelpContext);
}

void COptionsDlg::RefuseParameter(UINT nameId, int focusId)
{
    ShowMessage(IDS_ZRH007_PARAMETER_INVALID, FwLoadString(nameId).c_str(), ZRMSG_MODE_BOX, ZRMSG_ERROR);
    ::SetFocus(::GetDlgItem(m_hWnd, focusId));
}

void COptionsDlg::OnOK()
{
    std::string dds = ItemText(m_hWnd, IDC_TIMEOUT_DDS);
    std::string sendKey = ItemText(m_hWnd, IDC_TIMEOUT_SENDKEY);
    if (!EnsureDirectory(m_folder.c_str(), TRUE))
    {
        RefuseParameter(IDS_NAME_PROFILE_FOLDER, IDC_BROWSE);
        return;
    }
    if (!IsIntInRange(dds.c_str(), kTimeoutMin, kTimeoutMax))
    {
        RefuseParameter(IDS_NAME_TIMEOUT_DDS, IDC_TIMEOUT_DDS);
        return;
    }
    if (!IsIntInRange(sendKey.c_str(), kTimeoutMin, kTimeoutMax))
    {
        RefuseParameter(IDS_NAME_TIMEOUT_SENDKEY, IDC_TIMEOUT_SENDKEY);
        return;
    }
    int ddsSeconds = std::atoi(dds.c_str());
    int sendKeySeconds = std::atoi(sendKey.c_str());
    int decimalIsDot = SendDlgItemMessageA(m_hWnd, IDC_DECIMAL_SYMBOL, CB_GETCURSEL, 0, 0) == kDecimalDotIndex;
    int removeBlanks = !IsTicked(m_hWnd, IDC_PRESERVE_LENGTH);
    int confirmCreating = IsTicked(m_hWnd, IDC_CONFIRM_CREATING);
    int confirmReplacing = IsTicked(m_hWnd, IDC_CONFIRM_REPLACING);
    m_options.SetValue(ZRO_DEFAULT_DIRECTORY, m_folder.c_str());
    m_options.SetValue(ZRO_HLLAPI_TIMEOUT_DDS, &ddsSeconds);
    m_options.SetValue(ZRO_HLLAPI_TIMEOUT_SENDKEY, &sendKeySeconds);
    m_options.SetValue(ZRO_DECIMAL_CHAR_IS_DOT, &decimalIsDot);
    m_options.SetValue(ZRO_REMOVE_BLANKS, &removeBlanks);
    m_options.SetValue(ZRO_CONFIRM_CREATING, &confirmCreating);
    m_options.SetValue(ZRO_CONFIRM_REPLACING, &confirmReplacing);
    Desk().profileFolderFlag = true;
    m_options.SetModified(TRUE);
    EndDialog(IDOK);
}
