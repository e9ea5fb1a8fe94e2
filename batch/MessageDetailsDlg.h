// CMessageDetailsDlg (dialog 157): one log entry at a time, whole, with Previous and Next.
#pragma once

#include "FwDialog.h"
#include "LogListCtrl.h"

class CMessageDetailsDlg : public CFwDialog
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CMessageDetailsDlg(const CLogListCtrl& list, HWND parent);

protected:
    BOOL OnInitDialog() override;
    void OnHelp() override;

private:
    void ShowItem();
    void UpdateButtons();
    void FocusControl(UINT id);
    LRESULT OnNext(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrevious(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpButton(WPARAM wParam, LPARAM lParam);

    const CLogListCtrl& m_list;
    int m_index = -1;
};
