#include "FieldDefinitionDlg.h"

#include "DescrEditorIds.h"
#include "DescrFile.h"
#include "DescrFileEditorDlg.h"
#include "FwModule.h"
#include "FwText.h"
#include "TextChecks.h"
#include "ZRMessages.h"
#include "ZRResourceIds.h"

#include <cstdlib>

CFieldDefinitionDlg::CFieldDefinitionDlg(int mode, CDescrFileEditorDlg& editor)
    : CFwDialog(IDD_FIELD_DEFINITION, editor.GetSafeHwnd()), m_mode(mode), m_editor(editor)
{
    const CFieldDescr* field = editor.GetSelectedField();
    if (mode == FIELD_DIALOG_CHANGE && field)
    {
        m_name = field->name;
        m_type = field->type;
        m_length = std::to_string(field->length);
        m_decimals = std::to_string(field->decimals);
        m_comment = field->comment;
    }
}

const FwMessageMap* CFieldDefinitionDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(EN_CHANGE, IDC_FIELD_NAME, &CFieldDefinitionDlg::OnTextChanged),
        FW_ON_CONTROL(EN_CHANGE, IDC_FIELD_LENGTH, &CFieldDefinitionDlg::OnTextChanged),
        FW_ON_CONTROL(EN_CHANGE, IDC_FIELD_DECIMALS, &CFieldDefinitionDlg::OnTextChanged),
        FW_ON_CONTROL(EN_CHANGE, IDC_FIELD_COMMENT, &CFieldDefinitionDlg::OnTextChanged),
        FW_ON_CONTROL(CBN_SELCHANGE, IDC_FIELD_TYPE, &CFieldDefinitionDlg::OnTypeChanged),
        FW_ON_CONTROL(BN_CLICKED, IDC_FIELD_APPLY, &CFieldDefinitionDlg::OnApply),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_HELP, &CFieldDefinitionDlg::OnHelpButton),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

BOOL CFieldDefinitionDlg::OnInitDialog()
{
    static const unsigned kCaptions[] = {IDS_DESCR_ADD_CAPTION, IDS_DESCR_INSERT_CAPTION, IDS_DESCR_CHANGE_CAPTION};
    SetWindowText(FwFormatArgs(FwLoadString(kCaptions[m_mode]), {FwLoadString(IDS_ZR_PRODUCT_SHORT_NAME)}));
    HWND types = GetDlgItem(IDC_FIELD_TYPE);
    for (unsigned id : {IDS_DESCR_CHAR, IDS_DESCR_ZONED, IDS_DESCR_PACKED, IDS_DESCR_BINARY})
    {
        SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FwLoadString(id).c_str()));
    }
    SendDlgItemMessageA(m_hWnd, IDC_FIELD_NAME, EM_LIMITTEXT, DESCR_NAME_CHARS, 0);
    SendDlgItemMessageA(m_hWnd, IDC_FIELD_LENGTH, EM_LIMITTEXT, 3, 0);
    SendDlgItemMessageA(m_hWnd, IDC_FIELD_DECIMALS, EM_LIMITTEXT, 2, 0);
    SendDlgItemMessageA(m_hWnd, IDC_FIELD_COMMENT, EM_LIMITTEXT, DESCR_COMMENT_CHARS, 0);
    m_lengthEdit.SubclassDlgItem(IDC_FIELD_LENGTH, m_hWnd);
    m_decimalsEdit.SubclassDlgItem(IDC_FIELD_DECIMALS, m_hWnd);
    UpdateData(FALSE);
    m_ready = true;
    UpdateStates();
    CenterWindow();
    return TRUE;
}

void CFieldDefinitionDlg::DoDataExchange(CFwDataExchange& exchange)
{
    exchange.Text(IDC_FIELD_NAME, m_name);
    exchange.Text(IDC_FIELD_LENGTH, m_length);
    exchange.Text(IDC_FIELD_DECIMALS, m_decimals);
    exchange.Text(IDC_FIELD_COMMENT, m_comment);
    HWND types = GetDlgItem(IDC_FIELD_TYPE);
    if (exchange.IsSaving())
    {
        int selected = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
        m_type = selected < 0 ? 0 : selected;
    }
    else
    {
        SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(m_type), 0);
    }
}

void CFieldDefinitionDlg::UpdateStates()
{
    EnableDlgItem(IDC_FIELD_DECIMALS_LABEL, !IsChar());
    EnableDlgItem(IDC_FIELD_DECIMALS, !IsChar());
    EnableDlgItem(IDC_FIELD_APPLY, m_modified);
}

LRESULT CFieldDefinitionDlg::OnTextChanged(WPARAM, LPARAM)
{
    if (m_ready)
    {
        m_modified = true;
        UpdateStates();
    }
    return 0;
}

LRESULT CFieldDefinitionDlg::OnTypeChanged(WPARAM, LPARAM)
{
    int selected = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_FIELD_TYPE, CB_GETCURSEL, 0, 0));
    m_type = selected < 0 ? 0 : selected;
    m_modified = true;
    UpdateStates();
    return 0;
}

void CFieldDefinitionDlg::Refuse(unsigned messageId, unsigned fieldNameId, UINT control) const
{
    if (fieldNameId)
    {
        ShowMessage(messageId, FwLoadString(fieldNameId).c_str());
    }
    else if (messageId == IDS_ZRH011_RECORD_TOO_LONG)
    {
        ShowMessage(messageId, DESCR_MAX_RECORD_LENGTH, ZRMSG_MODE_BOX, ZRMSG_ERROR);
    }
    else
    {
        ShowMessage(messageId);
    }
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(control)), TRUE);
}

BOOL CFieldDefinitionDlg::Validate()
{
    UpdateData(TRUE);
    if (m_name.empty())
    {
        Refuse(IDS_ZRH007_PARAMETER_INVALID, IDS_DESCR_NAME, IDC_FIELD_NAME);
        return FALSE;
    }
    const int length = std::atoi(m_length.c_str());
    if (m_length.empty() || !IsDigits(m_length.c_str()) || length == 0)
    {
        Refuse(IDS_ZRH007_PARAMETER_INVALID, IDS_DESCR_LENGTH, IDC_FIELD_LENGTH);
        return FALSE;
    }
    if (!IsChar())
    {
        if (m_decimals.empty() || !IsDigits(m_decimals.c_str()))
        {
            Refuse(IDS_ZRH007_PARAMETER_INVALID, IDS_DESCR_DECIMAL_DIGITS, IDC_FIELD_DECIMALS);
            return FALSE;
        }
        if (length < std::atoi(m_decimals.c_str()))
        {
            Refuse(IDS_DESCR_DECIMALS_ABOVE_LENGTH, 0, IDC_FIELD_DECIMALS);
            return FALSE;
        }
    }
    int total = m_editor.GetRecordLength() + length;
    const CFieldDescr* replaced = m_editor.GetSelectedField();
    if (m_mode == FIELD_DIALOG_CHANGE && replaced)
    {
        total -= replaced->length;
    }
    if (total > DESCR_MAX_RECORD_LENGTH)
    {
        Refuse(IDS_ZRH011_RECORD_TOO_LONG, 0, IDC_FIELD_LENGTH);
        return FALSE;
    }
    if (IsChar())
    {
        m_decimals = "0";
    }
    return TRUE;
}

void CFieldDefinitionDlg::ApplyTo(CDescrFileEditorDlg& editor) const
{
    switch (m_mode)
    {
    case FIELD_DIALOG_INSERT:
        editor.InsertField(m_name, m_type, m_length, m_decimals, m_comment);
        break;
    case FIELD_DIALOG_CHANGE:
        editor.ReplaceField(m_name, m_type, m_length, m_decimals, m_comment);
        break;
    default:
        editor.AddField(m_name, m_type, m_length, m_decimals, m_comment);
        break;
    }
}

void CFieldDefinitionDlg::OnOK()
{
    if (!m_modified)
    {
        EndDialog(IDCANCEL);
        return;
    }
    if (Validate())
    {
        EndDialog(IDOK);
    }
}

LRESULT CFieldDefinitionDlg::OnApply(WPARAM, LPARAM)
{
    if (!Validate())
    {
        return 0;
    }
    if (IsChar())
    {
        m_ready = false;
        SetDlgItemText(IDC_FIELD_DECIMALS, m_decimals);
        m_ready = true;
    }
    ApplyTo(m_editor);
    m_modified = false;
    UpdateStates();
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_FIELD_NAME)), TRUE);
    return 0;
}

void CFieldDefinitionDlg::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, HELP_CONTEXT_FIELD_DEFINITION);
}

LRESULT CFieldDefinitionDlg::OnHelpButton(WPARAM, LPARAM)
{
    OnHelp();
    return 0;
}
