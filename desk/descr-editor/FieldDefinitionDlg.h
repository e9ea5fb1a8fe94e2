// CFieldDefinitionDlg: the dialog that adds, inserts or changes one field of the description-file editor. Apply
// hands the field to the editor and keeps the dialog open; OK after an Apply without further changes ends as Cancel,
// so that nothing is applied twice.
#pragma once

#include "EditFilters.h"
#include "FwDialog.h"

#include <string>

class CDescrFileEditorDlg;

enum FieldDialogMode
{
    FIELD_DIALOG_ADD = 0,
    FIELD_DIALOG_INSERT = 1,
    FIELD_DIALOG_CHANGE = 2,
};

class CFieldDefinitionDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    // Change mode starts with the editor's selected field.
    CFieldDefinitionDlg(int mode, CDescrFileEditorDlg& editor);

    // Checks the values in the controls; on failure shows why, focuses the field and gives FALSE.
    BOOL Validate();
    // Hands the values to the editor by mode.
    void ApplyTo(CDescrFileEditorDlg& editor) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp() override;
    void DoDataExchange(CFwDataExchange& exchange) override;

private:
    LRESULT OnTextChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnTypeChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnApply(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);

    void UpdateStates();
    void Refuse(unsigned messageId, unsigned fieldNameId, UINT control) const;
    bool IsChar() const { return m_type == 0; }

    int m_mode;
    CDescrFileEditorDlg& m_editor;
    std::string m_name;
    int m_type = 0;
    std::string m_length = "0";
    std::string m_decimals = "0";
    std::string m_comment;
    bool m_modified = true;
    bool m_ready = false;
    CDigitsEdit m_lengthEdit;
    CDigitsEdit m_decimalsEdit;
};
