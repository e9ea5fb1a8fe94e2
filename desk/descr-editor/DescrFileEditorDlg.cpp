#include "DescrFileEditorDlg.h"

#include "DescrEditorIds.h"
#include "DescrFile.h"
#include "FieldDefinitionDlg.h"
#include "FwControls.h"
#include "FwModule.h"
#include "FwText.h"
#include "ZRMessages.h"
#include "ZRResourceIds.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
// Restores the program's help context at the end of its scope.
class CHelpContextScope
{
public:
    explicit CHelpContextScope(int context) : m_saved(FwGetHelpContext()) { FwSetHelpContext(context); }
    ~CHelpContextScope() { FwSetHelpContext(m_saved); }
    CHelpContextScope(const CHelpContextScope&) = delete;
    CHelpContextScope& operator=(const CHelpContextScope&) = delete;

private:
    int m_saved;
};
}

CDescrFileEditorDlg::CDescrFileEditorDlg(const std::string& path, HWND parent)
    : CFwDialog(IDD_DESCR_FILE_EDITOR, parent), m_path(path)
{
}

const FwMessageMap* CDescrFileEditorDlg::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_ADD, &CDescrFileEditorDlg::OnAdd),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_INSERT, &CDescrFileEditorDlg::OnInsert),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_CHANGE, &CDescrFileEditorDlg::OnChange),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_REMOVE, &CDescrFileEditorDlg::OnRemove),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_UP, &CDescrFileEditorDlg::OnUp),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_DOWN, &CDescrFileEditorDlg::OnDown),
        FW_ON_CONTROL(BN_CLICKED, IDC_DESCR_HELP, &CDescrFileEditorDlg::OnHelpButton),
        FW_ON_NOTIFY(NM_DBLCLK, IDC_DESCR_FIELDS, &CDescrFileEditorDlg::OnDoubleClick),
        FW_ON_NOTIFY(LVN_ITEMCHANGED, IDC_DESCR_FIELDS, &CDescrFileEditorDlg::OnItemChanged),
    };
    static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
    return &map;
}

BOOL CDescrFileEditorDlg::OnInitDialog()
{
    SetWindowText(FwFormatArgs(FwLoadString(IDS_DESCR_EDITOR_CAPTION), {FwLoadString(IDS_ZR_PRODUCT_SHORT_NAME)}));
    m_list.SubclassDlgItem(IDC_DESCR_FIELDS, m_hWnd);
    static const struct
    {
        unsigned heading;
        int width;
    } kColumns[] = {{IDS_DESCR_COLUMN_NAME, 100},
                    {IDS_DESCR_COLUMN_TYPE, 70},
                    {IDS_DESCR_COLUMN_LENGTH, 60},
                    {IDS_DESCR_COLUMN_DECIMALS, 70},
                    {IDS_DESCR_COLUMN_COMMENT, 150}};
    int column = 0;
    for (const auto& entry : kColumns)
    {
        m_list.InsertColumn(column++, FwLoadString(entry.heading), LVCFMT_LEFT, entry.width);
    }
    if (!LoadFile())
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    if (m_list.GetItemCount() > 0)
    {
        SelectRow(0);
    }
    m_upIcon.Reset(FwLoadIcon(IDI_DESCR_UP, 16));
    m_downIcon.Reset(FwLoadIcon(IDI_DESCR_DOWN, 16));
    SendDlgItemMessageA(m_hWnd, IDC_DESCR_UP, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_upIcon.Get()));
    SendDlgItemMessageA(m_hWnd, IDC_DESCR_DOWN, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_downIcon.Get()));
    UpdateButtons();
    CenterWindow();
    return TRUE;
}

BOOL CDescrFileEditorDlg::LoadFile()
{
    m_list.DeleteAllItems();
    std::vector<DescrField> fields;
    DescrFileStatus status = LoadDescrFile(m_path.c_str(), fields);
    if (status != DescrFileStatus::Ok)
    {
        ShowMessage(status == DescrFileStatus::CannotOpen ? IDS_ZRH008_CANNOT_OPEN : IDS_ZRH009_DESCR_CORRUPTED,
                    m_path.c_str());
        return FALSE;
    }
    for (const DescrField& field : fields)
    {
        m_list.SetField(field.name, field.type, field.length, field.decimals, field.comment, -1);
    }
    return TRUE;
}

void CDescrFileEditorDlg::OnOK()
{
    if (m_list.GetItemCount() == 0)
    {
        ShowMessage(IDS_ZRH010_NO_FIELD);
        return;
    }
    if (GetRecordLength() > DESCR_MAX_RECORD_LENGTH)
    {
        ShowMessage(IDS_ZRH011_RECORD_TOO_LONG, DESCR_MAX_RECORD_LENGTH, ZRMSG_MODE_BOX, ZRMSG_ERROR);
        return;
    }
    std::vector<DescrField> fields(static_cast<size_t>(m_list.GetItemCount()));
    for (int row = 0; row < m_list.GetItemCount(); ++row)
    {
        const CFieldDescr* field = m_list.GetField(row);
        DescrField& out = fields[static_cast<size_t>(row)];
        std::strncpy(out.name, field->name.c_str(), DESCR_NAME_CHARS);
        std::strncpy(out.comment, field->comment.c_str(), DESCR_COMMENT_CHARS);
        out.type = field->type;
        out.length = field->length;
        out.decimals = field->decimals;
    }
    // A file that cannot be written keeps the editor open with every edit; the file keeps its old content.
    DescrFileStatus status = SaveDescrFile(m_path.c_str(), fields);
    if (status == DescrFileStatus::CannotOpen)
    {
        ShowMessage(IDS_ZRH008_CANNOT_OPEN, m_path.c_str());
        return;
    }
    if (status != DescrFileStatus::Ok)
    {
        ShowMessage(IDS_ZRH006_CANNOT_SAVE, m_path.c_str());
        return;
    }
    EndDialog(IDOK);
}

void CDescrFileEditorDlg::OnHelp()
{
    FwWinHelp(HELP_CONTEXT, HELP_CONTEXT_DESCR_EDITOR);
}

int CDescrFileEditorDlg::GetRecordLength() const
{
    int total = 0;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
    {
        total += m_list.GetField(row)->length;
    }
    return total;
}

const CFieldDescr* CDescrFileEditorDlg::GetSelectedField() const
{
    return m_list.GetField(m_list.GetFirstSelectedItem());
}

void CDescrFileEditorDlg::AddField(const std::string& name, int type, const std::string& length,
                                   const std::string& decimals, const std::string& comment)
{
    PutField(-1, name, type, length, decimals, comment);
}

void CDescrFileEditorDlg::InsertField(const std::string& name, int type, const std::string& length,
                                      const std::string& decimals, const std::string& comment)
{
    PutField(m_list.GetFirstSelectedItem(), name, type, length, decimals, comment);
}

void CDescrFileEditorDlg::ReplaceField(const std::string& name, int type, const std::string& length,
                                       const std::string& decimals, const std::string& comment)
{
    int row = m_list.GetFirstSelectedItem();
    if (row < 0)
    {
        return;
    }
    m_list.DeleteItem(row);
    PutField(row, name, type, length, decimals, comment);
}

void CDescrFileEditorDlg::PutField(int index, const std::string& name, int type, const std::string& length,
                                   const std::string& decimals, const std::string& comment)
{
    int row = m_list.SetField(name, type, std::atoi(length.c_str()), std::atoi(decimals.c_str()), comment, index);
    if (row >= 0)
    {
        SelectRow(row);
    }
    UpdateButtons();
}

void CDescrFileEditorDlg::SelectRow(int row)
{
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(row, FALSE);
}

void CDescrFileEditorDlg::UpdateButtons()
{
    const int rows = m_list.GetItemCount();
    const int selected = m_list.GetFirstSelectedItem();
    const bool any = selected >= 0;
    EnableDlgItem(IDC_DESCR_INSERT, any);
    EnableDlgItem(IDC_DESCR_CHANGE, any);
    EnableDlgItem(IDC_DESCR_REMOVE, any);
    EnableDlgItem(IDC_DESCR_UP, any && rows >= 2 && selected > 0);
    EnableDlgItem(IDC_DESCR_DOWN, any && rows >= 2 && selected < rows - 1);
}

void CDescrFileEditorDlg::RunFieldDialog(int mode)
{
    {
        CHelpContextScope help(HELP_CONTEXT_FIELD_DEFINITION);
        CFieldDefinitionDlg dialog(mode, *this);
        if (dialog.DoModal() == IDOK)
        {
            dialog.ApplyTo(*this);
        }
    }
    SetFocus(m_list.GetSafeHwnd());
}

LRESULT CDescrFileEditorDlg::OnAdd(WPARAM, LPARAM)
{
    RunFieldDialog(FIELD_DIALOG_ADD);
    return 0;
}

LRESULT CDescrFileEditorDlg::OnInsert(WPARAM, LPARAM)
{
    RunFieldDialog(FIELD_DIALOG_INSERT);
    return 0;
}

LRESULT CDescrFileEditorDlg::OnChange(WPARAM, LPARAM)
{
    RunFieldDialog(FIELD_DIALOG_CHANGE);
    return 0;
}

LRESULT CDescrFileEditorDlg::OnRemove(WPARAM, LPARAM)
{
    int row = m_list.GetFirstSelectedItem();
    const CFieldDescr* field = m_list.GetField(row);
    if (!field)
    {
        return 0;
    }
    if (AskQuestion(IDS_DESCR_REMOVE_FIELD, field->name, ZRQUESTION_YES_DEFAULT) == IDYES)
    {
        m_list.DeleteItem(row);
        int rows = m_list.GetItemCount();
        if (rows > 0)
        {
            SelectRow(row < rows ? row : rows - 1);
        }
        UpdateButtons();
    }
    SetFocus(m_list.GetSafeHwnd());
    return 0;
}

void CDescrFileEditorDlg::MoveSelection(int step)
{
    int row = m_list.GetFirstSelectedItem();
    int other = row + step;
    if (row < 0 || other < 0 || other >= m_list.GetItemCount())
    {
        return;
    }
    m_list.SwapFields(row, other);
    SelectRow(other);
    UpdateButtons();
}

LRESULT CDescrFileEditorDlg::OnUp(WPARAM, LPARAM)
{
    MoveSelection(-1);
    return 0;
}

LRESULT CDescrFileEditorDlg::OnDown(WPARAM, LPARAM)
{
    MoveSelection(1);
    return 0;
}

LRESULT CDescrFileEditorDlg::OnHelpButton(WPARAM, LPARAM)
{
    OnHelp();
    return 0;
}

LRESULT CDescrFileEditorDlg::OnDoubleClick(WPARAM, LPARAM)
{
    if (m_list.GetFirstSelectedItem() >= 0)
    {
        RunFieldDialog(FIELD_DIALOG_CHANGE);
    }
    return 0;
}

LRESULT CDescrFileEditorDlg::OnItemChanged(WPARAM, LPARAM)
{
    UpdateButtons();
    return 0;
}
