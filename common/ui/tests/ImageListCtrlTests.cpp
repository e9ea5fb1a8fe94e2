#include "FwDialog.h"
#include "ImageListCtrl.h"
#include "ModulesListCtrl.h"
#include "UiTestIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct TextRecord : ImageListRecord
{
    explicit TextRecord(int* freed) : freed(freed) {}
    ~TextRecord() override { ++*freed; }
    int* freed;
    std::string text;
};

// Orders rows by their text and counts the records it frees.
class CCountingList : public CImageListCtrl
{
public:
    int freed = 0;
    int compared = 0;

    int Add(const std::string& text, bool withImage = false)
    {
        auto record = std::make_unique<TextRecord>(&freed);
        record->cellImages = BlankCellImages(2);
        if (withImage)
        {
            record->cellImages[1] = CellImage{1, 0};
        }
        record->text = text;
        return InsertItem(std::move(record), -1);
    }

protected:
    int CompareItems(ImageListRecord* item1, ImageListRecord* item2, int) override
    {
        ++compared;
        return static_cast<TextRecord*>(item1)->text.compare(static_cast<TextRecord*>(item2)->text);
    }
    void GetItemText(std::string& text, ImageListRecord* item, int column) override
    {
        text = column == 0 ? static_cast<TextRecord*>(item)->text : "second";
    }
};

// A dialog with one list that runs a test's script once it is shown.
template <class List>
class CListHost : public CFwDialog
{
public:
    explicit CListHost(std::function<void(CListHost&)> script)
        : CFwDialog(IDD_UI_LIST_PROBE, nullptr, GetModuleHandleA(nullptr)), m_script(std::move(script))
    {
    }

    List list;

    void ClickHeader(int column)
    {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = list.GetSafeHwnd();
        click.hdr.idFrom = IDC_UI_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(m_hWnd, WM_NOTIFY, IDC_UI_LIST, reinterpret_cast<LPARAM>(&click));
    }

    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
        {
            texts.push_back(list.GetItemString(row, column));
        }
        return texts;
    }

protected:
    BOOL OnInitDialog() override
    {
        list.SubclassDlgItem(IDC_UI_LIST, m_hWnd);
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        list.InsertColumn(1, "Value", LVCFMT_RIGHT, 80);
        PostMessageA(m_hWnd, WM_USER, 0, 0);
        return TRUE;
    }
    LRESULT WindowProcForScript(WPARAM, LPARAM)
    {
        m_script(*this);
        return 0;
    }
    const FwMessageMap* GetMessageMap() const override
    {
        static const FwMessageEntry entries[] = {FW_ON_MESSAGE(WM_USER, &CListHost::WindowProcForScript)};
        static const FwMessageMap map{CFwDialog::ClassMessageMap(), entries};
        return &map;
    }

private:
    std::function<void(CListHost&)> m_script;
};
}

TEST(ImageListCtrl, FreesEveryRecordOnceWhenRowsGo)
{
    int freedByDelete = 0;
    int freedByDeleteAll = 0;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        for (int i = 0; i < 50; ++i)
        {
            h.list.Add("row " + std::to_string(i));
        }
        h.list.DeleteItem(3);
        freedByDelete = h.list.freed;
        h.list.DeleteAllItems();
        freedByDeleteAll = h.list.freed;
        for (int i = 0; i < 10; ++i)
        {
            h.list.Add("again " + std::to_string(i));
        }
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(freedByDelete, 1);
    EXPECT_EQ(freedByDeleteAll, 50);
    EXPECT_EQ(host.list.freed, 60) << "destroying the window frees the 10 rows left";
}

TEST(ImageListCtrl, ForcesAnOwnerDrawnSingleSelectionReport)
{
    LONG_PTR style = 0;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        style = GetWindowLongPtrA(h.list.GetSafeHwnd(), GWL_STYLE);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOCOLUMNHEADER));
}

TEST(ImageListCtrl, HeaderClickSortsByTheSubclassOrder)
{
    std::vector<std::string> before;
    std::vector<std::string> after;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        for (const char* text : {"pear", "apple", "fig"})
        {
            h.list.Add(text);
        }
        before = h.Column(0);
        h.ClickHeader(0);
        after = h.Column(0);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(before, (std::vector<std::string>{"pear", "apple", "fig"}));
    EXPECT_EQ(after, (std::vector<std::string>{"apple", "fig", "pear"}));
}

TEST(ImageListCtrl, ModulesListKeepsItsOrderOnAHeaderClick)
{
    std::vector<std::string> after;
    std::vector<std::string> versions;
    CListHost<CModulesListCtrl> host([&](CListHost<CModulesListCtrl>& h) {
        h.list.InsertColumn(2, "Description", LVCFMT_LEFT, 100);
        EXPECT_TRUE(h.list.AddModule("ZRTMGR.DLL", "1.0", "manager"));
        EXPECT_TRUE(h.list.AddModule("ZRTBATCH.EXE", "1.1", "batch"));
        EXPECT_TRUE(h.list.AddModule("A.DLL", "", ""));
        h.ClickHeader(0);
        after = h.Column(0);
        versions = h.Column(1);
        EXPECT_EQ(h.list.GetItemString(1, 2), "batch");
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(after, (std::vector<std::string>{"ZRTMGR.DLL", "ZRTBATCH.EXE", "A.DLL"}));
    EXPECT_EQ(versions, (std::vector<std::string>{"1.0", "1.1", ""}));
}

TEST(ImageListCtrl, SelectedItemMustAlsoHaveTheFocus)
{
    int selectedOnly = 0;
    int firstSelected = 0;
    int both = 0;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        for (int i = 0; i < 4; ++i)
        {
            h.list.Add(std::to_string(i));
        }
        h.list.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
        h.list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        selectedOnly = h.list.GetSelectedItem();
        firstSelected = h.list.GetFirstSelectedItem();
        h.list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
        both = h.list.GetSelectedItem();
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(selectedOnly, -1);
    EXPECT_EQ(firstSelected, 2);
    EXPECT_EQ(both, 2);
}

TEST(ImageListCtrl, CellTextsAreBoundedTo259Characters)
{
    std::string shown;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        h.list.Add(std::string(300, 'x'));
        RedrawWindow(h.list.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        shown = h.list.GetItemString(0, 0);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(shown, std::string(259, 'x'));
}

TEST(ImageListCtrl, TextIsCutWithDotsOnlyWhenWiderThanTheSpace)
{
    std::string text = "Transfer completed successfully.";
    std::string exact;
    std::string narrower;
    int narrowerWidth = 0;
    int available = 0;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        HDC dc = GetDC(h.list.GetSafeHwnd());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(h.list.GetSafeHwnd(), WM_GETFONT, 0, 0)));
        SIZE size;
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        bool cut = true;
        exact = CImageListCtrl::FitCellText(dc, text, size.cx, &cut);
        EXPECT_FALSE(cut);
        available = size.cx - 1;
        narrower = CImageListCtrl::FitCellText(dc, text, available, &cut);
        EXPECT_TRUE(cut);
        GetTextExtentPoint32A(dc, narrower.c_str(), static_cast<int>(narrower.size()), &size);
        narrowerWidth = size.cx;
        SelectObject(dc, old);
        ReleaseDC(h.list.GetSafeHwnd(), dc);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(exact, text);
    ASSERT_GE(narrower.size(), 3u);
    EXPECT_EQ(narrower.substr(narrower.size() - 3), "...");
    EXPECT_EQ(text.compare(0, narrower.size() - 3, narrower, 0, narrower.size() - 3), 0);
    EXPECT_LE(narrowerWidth, available);
}

TEST(ImageListCtrl, HitsTheImageStripAtTheCellsLeftEdge)
{
    BOOL inside = FALSE;
    BOOL outside = TRUE;
    BOOL otherColumn = TRUE;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        h.list.Add("a", true);
        RECT row;
        h.list.GetItemRect(0, &row, LVIR_BOUNDS);
        int y = (row.top + row.bottom) / 2;
        int secondLeft = row.left + h.list.GetColumnWidth(0);
        inside = h.list.HitCellImage(secondLeft + 18, y, 0, 1);
        outside = h.list.HitCellImage(secondLeft + 19, y, 0, 1);
        otherColumn = h.list.HitCellImage(secondLeft + 5, y, 0, 0);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
    EXPECT_FALSE(otherColumn);
}

TEST(ImageListCtrl, DrawsTheFocusedSelectedRowInTheHighlightColour)
{
    COLORREF pixel = 0;
    COLORREF empty = 0;
    CListHost<CCountingList> host([&](CListHost<CCountingList>& h) {
        h.list.Add("selected");
        h.list.Add("plain");
        SetFocus(h.list.GetSafeHwnd());
        h.list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        RedrawWindow(h.list.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT first;
        RECT second;
        h.list.GetItemRect(0, &first, LVIR_BOUNDS);
        h.list.GetItemRect(1, &second, LVIR_BOUNDS);
        HDC dc = GetDC(h.list.GetSafeHwnd());
        pixel = GetPixel(dc, first.right - 3, (first.top + first.bottom) / 2);
        empty = GetPixel(dc, second.right - 3, (second.top + second.bottom) / 2);
        ReleaseDC(h.list.GetSafeHwnd(), dc);
        h.EndDialog(IDOK);
    });
    host.DoModal();
    EXPECT_EQ(pixel, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(empty, GetSysColor(COLOR_WINDOW));
}
