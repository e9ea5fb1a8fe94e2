// Wrappers of the list-view control and of image lists.
#pragma once

#include "FwWnd.h"
#include "OwnedHandles.h"

#include <commctrl.h>

// An image list, destroyed with the object.
class CFwImageList
{
public:
    // Loads bitmap `id` (from the resource module) as images `width` pixels wide, with the mask colour.
    BOOL LoadBitmap(UINT id, int width, int grow, COLORREF mask);
    void SetBkColor(COLORREF colour) const;
    HIMAGELIST GetSafeHandle() const { return m_list.Get(); }
    void Destroy();

private:
    OwnedImageList m_list;
};

class CFwListCtrl : public CFwWnd
{
public:
    int InsertColumn(int column, const std::string& heading, int format, int width) const;
    int GetColumnCount() const;
    int GetColumnWidth(int column) const;
    int GetColumnFormat(int column) const;

    int InsertItem(const LVITEMA& item) const;
    BOOL DeleteItem(int item) const;
    BOOL DeleteAllItems() const;
    int GetItemCount() const;
    LPARAM GetItemData(int item) const;
    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemState(int item, UINT state, UINT mask) const;
    int GetNextItem(int start, UINT flags) const;
    BOOL EnsureVisible(int item, BOOL partialOk) const;
    BOOL GetItemRect(int item, RECT* rect, int code) const;
    BOOL RedrawItems(int first, int last) const;
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data) const;
    HIMAGELIST SetImageList(HIMAGELIST list, int kind) const;
    std::string GetItemString(int item, int column) const;
};
