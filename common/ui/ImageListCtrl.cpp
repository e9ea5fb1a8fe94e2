#include "ImageListCtrl.h"

#include "OwnedHandles.h"
#include "WindowText.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
const int kImageWidth = 16;
const int kImageHeight = 15;
const int kImageLeft = 2;
const int kImageGap = 4;
const int kTextInset = 6;
const int kHitWidth = 19;
const char kEllipsis[] = "...";

// A list-view sort calls back with the two items' data and the context; a callback must be WINAPI, which a
// lambda cannot be on 32-bit Windows.
struct SortContext
{
    std::function<int(LPARAM, LPARAM)> compare;
};

int CALLBACK CompareForSort(LPARAM item1, LPARAM item2, LPARAM data)
{
    return reinterpret_cast<SortContext*>(data)->compare(item1, item2);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    COLORREF old = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

UINT AlignmentOf(int format)
{
    switch (format & LVCFMT_JUSTIFYMASK)
    {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
}

CImageListCtrl::CImageListCtrl(BOOL grid)
    : m_grid(grid), m_textColor(GetSysColor(COLOR_WINDOWTEXT)), m_textBkColor(GetSysColor(COLOR_WINDOW)),
      m_bkColor(GetSysColor(COLOR_WINDOW))
{
}

const FwMessageMap* CImageListCtrl::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(LVM_DELETEITEM, &CImageListCtrl::OnDeleteItem),
        FW_ON_MESSAGE(LVM_DELETEALLITEMS, &CImageListCtrl::OnDeleteAllItems),
        FW_ON_MESSAGE(WM_DESTROY, &CImageListCtrl::OnDestroy),
        FW_ON_MESSAGE(LVM_SETTEXTCOLOR, &CImageListCtrl::OnSetTextColor),
        FW_ON_MESSAGE(LVM_SETTEXTBKCOLOR, &CImageListCtrl::OnSetTextBkColor),
        FW_ON_MESSAGE(LVM_SETBKCOLOR, &CImageListCtrl::OnSetBkColor),
        FW_ON_MESSAGE(WM_SIZE, &CImageListCtrl::OnSize),
        FW_ON_MESSAGE(WM_HSCROLL, &CImageListCtrl::OnHScroll),
        FW_ON_MESSAGE(WM_SETFOCUS, &CImageListCtrl::OnFocusChange),
        FW_ON_MESSAGE(WM_KILLFOCUS, &CImageListCtrl::OnFocusChange),
        FW_ON_MESSAGE(WM_PAINT, &CImageListCtrl::OnPaint),
    };
    static const FwMessageMap map{CFwListCtrl::ClassMessageMap(), entries};
    return &map;
}

void CImageListCtrl::PreSubclassWindow()
{
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING |
                                    LVS_NOCOLUMNHEADER);
    style |= LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED;
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    RECT client;
    GetClientRect(m_hWnd, &client);
    m_width = client.right;
}

std::vector<CellImage> CImageListCtrl::BlankCellImages(int columns)
{
    return std::vector<CellImage>(static_cast<size_t>(columns), CellImage{0, -1});
}

int CImageListCtrl::InsertItem(std::unique_ptr<ImageListRecord> record, int index)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index < 0 ? GetItemCount() : index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = I_IMAGECALLBACK;
    item.lParam = reinterpret_cast<LPARAM>(record.get());
    int row = CFwListCtrl::InsertItem(item);
    if (row >= 0)
    {
        record.release();
    }
    return row;
}

int CImageListCtrl::GetSelectedItem() const
{
    int count = GetItemCount();
    for (int row = 0; row < count; ++row)
    {
        if (GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED) == (LVIS_SELECTED | LVIS_FOCUSED))
        {
            return row;
        }
    }
    return -1;
}

int CImageListCtrl::GetFirstSelectedItem() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

BOOL CImageListCtrl::HitCellImage(int x, int y, int row, int column) const
{
    RECT bounds;
    if (column < 0 || column >= GetColumnCount() || !GetItemRect(row, &bounds, LVIR_BOUNDS))
    {
        return FALSE;
    }
    int left = bounds.left;
    for (int c = 0; c < column; ++c)
    {
        left += GetColumnWidth(c);
    }
    return y >= bounds.top && y < bounds.bottom && x >= left && x < left + kHitWidth;
}

void CImageListCtrl::SetCellImageList(HIMAGELIST list)
{
    m_imageList = list;
    SetImageList(list, LVSIL_SMALL);
}

std::string CImageListCtrl::FitCellText(HDC dc, const std::string& text, int available, bool* cut)
{
    *cut = false;
    if (TextWidth(dc, text) <= available)
    {
        return text;
    }
    *cut = true;
    std::string shortened = text;
    while (!shortened.empty())
    {
        shortened.pop_back();
        if (TextWidth(dc, shortened + kEllipsis) <= available)
        {
            break;
        }
    }
    return shortened + kEllipsis;
}

int CImageListCtrl::CompareItems(ImageListRecord*, ImageListRecord*, int)
{
    return 1;
}

void CImageListCtrl::GetItemText(std::string& text, ImageListRecord*, int)
{
    text.clear();
}

int CImageListCtrl::GetItemImage(ImageListRecord*)
{
    return 0;
}

std::string CImageListCtrl::CellText(ImageListRecord* record, int column)
{
    std::string text;
    if (record)
    {
        GetItemText(text, record, column);
    }
    if (text.size() > kMaxCellText)
    {
        text.resize(kMaxCellText);
    }
    return text;
}

void CImageListCtrl::DrawItem(const DRAWITEMSTRUCT& draw)
{
    HDC dc = draw.hDC;
    int row = static_cast<int>(draw.itemID);
    ImageListRecord* record = reinterpret_cast<ImageListRecord*>(draw.itemData);
    m_textColor = GetSysColor(COLOR_WINDOWTEXT);
    m_textBkColor = GetSysColor(COLOR_WINDOW);

    UINT state = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT);
    bool hasFocus = GetFocus() == m_hWnd;
    bool showAlways = (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    bool selected = (state & LVIS_SELECTED) && (hasFocus || showAlways);
    COLORREF textColour = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : m_textColor;
    COLORREF backColour = selected ? GetSysColor(COLOR_HIGHLIGHT) : m_textBkColor;

    RECT rowRect = draw.rcItem;
    rowRect.right = std::max(static_cast<int>(rowRect.right), m_width);
    FillSolid(dc, rowRect, backColour);

    OwnedPen gridPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)));
    SelectedObject pen(dc, gridPen.Get());
    COLORREF oldText = SetTextColor(dc, textColour);
    int oldMode = SetBkMode(dc, TRANSPARENT);

    int left = draw.rcItem.left;
    int columns = GetColumnCount();
    for (int column = 0; column < columns; ++column)
    {
        int width = GetColumnWidth(column);
        RECT cell{left, draw.rcItem.top, left + width, draw.rcItem.bottom};
        if (m_grid)
        {
            DrawLine(dc, cell.right - 1, cell.top, cell.right - 1, cell.bottom);
            cell.right -= 1;
        }
        if (record && static_cast<size_t>(column) < record->cellImages.size() && record->cellImages[column].hasImage &&
            m_imageList)
        {
            UINT style = ILD_TRANSPARENT | ((selected || (state & LVIS_CUT)) ? ILD_BLEND50 : 0);
            ImageList_DrawEx(m_imageList, record->cellImages[column].index, dc, cell.left + kImageLeft, cell.top,
                             kImageWidth, kImageHeight, CLR_DEFAULT, CLR_DEFAULT, style);
            cell.left += kImageLeft + kImageWidth + kImageGap;
        }
        if (cell.right > cell.left)
        {
            FillSolid(dc, cell, backColour);
            bool cut = false;
            std::string text = FitCellText(dc, CellText(record, column), cell.right - cell.left - 2 * kTextInset, &cut);
            RECT textRect{cell.left + kTextInset, cell.top, cell.right - kTextInset, cell.bottom};
            UINT alignment = cut ? DT_LEFT : AlignmentOf(GetColumnFormat(column));
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                      alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        left += width;
    }

    if (m_grid)
    {
        RECT client;
        GetClientRect(m_hWnd, &client);
        RECT first;
        int height = draw.rcItem.bottom - draw.rcItem.top;
        if (height > 0 && GetItemRect(0, &first, LVIR_BOUNDS))
        {
            for (int y = first.bottom - 1; y < client.bottom; y += height)
            {
                DrawLine(dc, client.left, y, client.right, y);
            }
        }
    }

    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldText);

    if ((state & LVIS_FOCUSED) && hasFocus)
    {
        DrawFocusRect(dc, &rowRect);
    }
}

BOOL CImageListCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM)
    {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return TRUE;
    }
    if (message != WM_NOTIFY)
    {
        return FALSE;
    }
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code)
    {
    case LVN_GETDISPINFOA:
        FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
        *result = 0;
        return TRUE;
    case LVN_COLUMNCLICK:
        SortByColumn(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
        *result = 0;
        return TRUE;
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
        // The records are freed where the rows are deleted (OnDeleteItem, OnDeleteAllItems, OnDestroy).
        *result = FALSE;
        return TRUE;
    default:
        return FALSE;
    }
}

void CImageListCtrl::FillDisplayInfo(NMLVDISPINFOA& info)
{
    ImageListRecord* record = reinterpret_cast<ImageListRecord*>(info.item.lParam);
    if (!record && info.item.iItem >= 0)
    {
        record = RecordOf(info.item.iItem);
    }
    if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0)
    {
        std::string text = CellText(record, info.item.iSubItem);
        lstrcpynA(info.item.pszText, text.c_str(), info.item.cchTextMax);
    }
    if (info.item.mask & LVIF_IMAGE)
    {
        info.item.iImage = record ? GetItemImage(record) : 0;
    }
}

void CImageListCtrl::SortByColumn(int column)
{
    SortContext context{[this, column](LPARAM item1, LPARAM item2) {
        return CompareItems(reinterpret_cast<ImageListRecord*>(item1), reinterpret_cast<ImageListRecord*>(item2),
                            column);
    }};
    SortItems(CompareForSort, reinterpret_cast<LPARAM>(&context));
}

LRESULT CImageListCtrl::OnDeleteItem(WPARAM wParam, LPARAM)
{
    ImageListRecord* record = RecordOf(static_cast<int>(wParam));
    LRESULT deleted = Default();
    if (deleted)
    {
        delete record;
    }
    return deleted;
}

LRESULT CImageListCtrl::OnDeleteAllItems(WPARAM, LPARAM)
{
    std::vector<ImageListRecord*> records;
    int count = GetItemCount();
    for (int row = 0; row < count; ++row)
    {
        records.push_back(RecordOf(row));
    }
    LRESULT deleted = Default();
    if (deleted)
    {
        for (ImageListRecord* record : records)
        {
            delete record;
        }
    }
    return deleted;
}

LRESULT CImageListCtrl::OnDestroy(WPARAM, LPARAM)
{
    SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0);
    return Default();
}

LRESULT CImageListCtrl::OnSetTextColor(WPARAM, LPARAM lParam)
{
    m_textColor = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CImageListCtrl::OnSetTextBkColor(WPARAM, LPARAM lParam)
{
    m_textBkColor = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CImageListCtrl::OnSetBkColor(WPARAM, LPARAM lParam)
{
    m_bkColor = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CImageListCtrl::OnSize(WPARAM, LPARAM lParam)
{
    m_width = LOWORD(lParam);
    return Default();
}

LRESULT CImageListCtrl::OnHScroll(WPARAM, LPARAM)
{
    LRESULT result = Default();
    Invalidate();
    return result;
}

LRESULT CImageListCtrl::OnFocusChange(WPARAM, LPARAM)
{
    LRESULT result = Default();
    RedrawSelectedRows();
    return result;
}

void CImageListCtrl::RedrawSelectedRows() const
{
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
    {
        RedrawItems(row, row);
    }
}

LRESULT CImageListCtrl::OnPaint(WPARAM, LPARAM)
{
    RECT bounds;
    if (GetItemCount() > 0 && GetItemRect(0, &bounds, LVIR_BOUNDS))
    {
        RECT client;
        GetClientRect(m_hWnd, &client);
        if (bounds.right < client.right)
        {
            RECT right{bounds.right, client.top, client.right, client.bottom};
            InvalidateRect(m_hWnd, &right, FALSE);
        }
    }
    return Default();
}
