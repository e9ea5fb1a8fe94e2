// CZrtdeskView: the form view (dialog 101) that holds the profile's property tree (1001) and the placeholder (1002)
// over which the selected item's panel lies.
#pragma once

#include "FwListCtrl.h"
#include "FwView.h"
#include "ParamTreeCtrl.h"

class CZrtdeskView : public CFwFormView
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CZrtdeskView();
    ~CZrtdeskView() override;

    void OnInitialUpdate() override;

protected:
    void OnInitForm() override;

private:
    LRESULT OnGetDispInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);

    CParamTreeCtrl m_tree;
    CFwImageList m_images;
};
