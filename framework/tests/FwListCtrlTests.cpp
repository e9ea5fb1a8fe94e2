#include "FwProbeDialog.h"

#include <gtest/gtest.h>

TEST(FwListCtrl, WrapsItemsColumnsStatesAndData)
{
    CProbeDialog dialog([](CProbeDialog& d) {
        CFwListCtrl& list = d.list;
        EXPECT_EQ(list.InsertColumn(0, "Date", LVCFMT_LEFT, 100), 0);
        EXPECT_EQ(list.InsertColumn(1, "Size", LVCFMT_RIGHT, 70), 1);
        EXPECT_EQ(list.GetColumnCount(), 2);
        EXPECT_EQ(list.GetColumnWidth(1), 70);
        EXPECT_EQ(list.GetColumnFormat(1) & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
        for (int i = 0; i < 3; ++i)
        {
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = i;
            item.pszText = LPSTR_TEXTCALLBACKA;
            item.lParam = 100 + i;
            EXPECT_EQ(list.InsertItem(item), i);
        }
        EXPECT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemData(2), 102);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), static_cast<UINT>(LVIS_SELECTED));
        RECT row;
        EXPECT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
        EXPECT_GT(row.bottom, row.top);
        EXPECT_TRUE(list.DeleteItem(0));
        EXPECT_EQ(list.GetItemData(0), 101);
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetItemCount(), 0);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}
