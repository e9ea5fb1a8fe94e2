// CDescrFileEditorDlg: shows the fields of one description file, lets the user add, insert, change, remove and
// reorder them through the field dialog, and writes the file on OK. A file it cannot read closes it at once,
// unwritten; a file it cannot write keeps it open with every edit.
#pragma once

#include "FieldsListCtrl.h"
#include "FwDialog.h"
#include "OwnedHandles.h"

#include <string>

class CDescrFileEditorDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CDescrFileEditorDlg(const std::string& path, HWND parent = nullptr);

    // The field from the field dialog: appended, inserted before the selected row, or put in place of the selected
    // row. The new row is selected.
    void AddField(const std::string& name, int type, const std::string& length, const std::string& decimals,
                  const std::string& comment);
    void InsertField(const std::string& name, int type, const std::string& length, const std::string& decimals,
                     const std::string& comment);
    void ReplaceField(const std::string& name, int type, const std::string& length, const std::string& decimals,
                      const std::string& comment);

    // Sum of the lengths of all fields in the list.
    int GetRecordLength() const;
    // The selected field, or null.
    const CFieldDescr* GetSelectedField() const;

    // Reads the file into the list; FALSE (after its message) when it cannot.
    BOOL LoadFile();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp() override;

private:
    LRESULT OnAdd(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsert(WPARAM wParam, LPARAM lParam);
    LRESULT OnChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnRemove(WPARAM wParam, LPARAM lParam);
    LRESULT OnUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnItemChanged(WPARAM wParam, LPARAM lParam);

    void RunFieldDialog(int mode);
    void PutField(int index, const std::string& name, int type, const std::string& length, const std::string& decimals,
                  const std::string& comment);
    void MoveSelection(int step);
    void SelectRow(int row);
    void UpdateButtons();

    std::string m_path;
    CFieldsListCtrl m_list;
    OwnedIcon m_upIcon;
    OwnedIcon m_downIcon;
};
