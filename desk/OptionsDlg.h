// COptionsDlg: the dialog of the program's global options. It edits the options Zrtdesk keeps in memory, which
// reach the registry at exit.
#pragma once

#include "FwDialog.h"

#include <string>

class CZROptions;

class COptionsDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    COptionsDlg(CZROptions& options, HWND parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp() override;

private:
    LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);
    void ShowFolder();
    // The box "Parameter '<name>' is invalid.", then the focus on control `focusId`.
    void RefuseParameter(UINT nameId, int focusId);

    CZROptions& m_options;
    std::string m_folder;
};
