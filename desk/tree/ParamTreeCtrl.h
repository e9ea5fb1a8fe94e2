// CParamTreeCtrl: the tree control of the main view. Each node's data is its item; the label is "name <value>",
// and the value between the angle brackets is painted over in its own colour.
#pragma once

#include "FwWnd.h"

#include <commctrl.h>

class CListItem;

class CParamTreeCtrl : public CFwWnd
{
    FW_DECLARE_MESSAGE_MAP()

public:
    // The item of a node, or null.
    CListItem* GetItemOf(HTREEITEM node) const;
    // Focuses the tree, selects the item's node and scrolls it into view.
    void SelectAndFocus(const CListItem* item) const;
    void DeleteAllItems() const;

private:
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    void PaintValues(HDC dc) const;
};
