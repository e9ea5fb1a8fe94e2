#include "FwListCtrl.h"

#include "FwModule.h"

void CFwImageList::Destroy()
{
    m_list.Reset();
}

BOOL CFwImageList::LoadBitmap(UINT id, int width, int grow, COLORREF mask)
{
    m_list.Reset(ImageList_LoadImageA(FwFindResourceModule(RT_BITMAP, id), MAKEINTRESOURCEA(id), width, grow, mask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION));
    return m_list.IsValid();
}

void CFwImageList::SetBkColor(COLORREF colour) const
{
    if (m_list)
    {
        ImageList_SetBkColor(m_list.Get(), colour);
    }
}

int CFwListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) const
{
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(heading.c_str());
    info.iSubItem = column;
    return static_cast<int>(
        SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
}

int CFwListCtrl::GetColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CFwListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int CFwListCtrl::GetColumnFormat(int column) const
{
    LVCOLUMNA info{};
    info.mask = LVCF_FMT;
    SendMessageA(m_hWnd, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return info.fmt;
}

int CFwListCtrl::InsertItem(const LVITEMA& item) const
{
    return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CFwListCtrl::DeleteItem(int item) const
{
    return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
}

BOOL CFwListCtrl::DeleteAllItems() const
{
    return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

int CFwListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

LPARAM CFwListCtrl::GetItemData(int item) const
{
    LVITEMA info{};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    if (!SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info)))
    {
        return 0;
    }
    return info.lParam;
}

UINT CFwListCtrl::GetItemState(int item, UINT mask) const
{
    return static_cast<UINT>(SendMessageA(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

BOOL CFwListCtrl::SetItemState(int item, UINT state, UINT mask) const
{
    LVITEMA info{};
    info.state = state;
    info.stateMask = mask;
    return static_cast<BOOL>(
        SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

int CFwListCtrl::GetNextItem(int start, UINT flags) const
{
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

BOOL CFwListCtrl::EnsureVisible(int item, BOOL partialOk) const
{
    return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk));
}

BOOL CFwListCtrl::GetItemRect(int item, RECT* rect, int code) const
{
    rect->left = code;
    return static_cast<BOOL>(
        SendMessageA(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

BOOL CFwListCtrl::RedrawItems(int first, int last) const
{
    return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(first), last));
}

BOOL CFwListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM data) const
{
    return static_cast<BOOL>(
        SendMessageA(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(data), reinterpret_cast<LPARAM>(compare)));
}

HIMAGELIST CFwListCtrl::SetImageList(HIMAGELIST list, int kind) const
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessageA(m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
}

std::string CFwListCtrl::GetItemString(int item, int column) const
{
    std::string text(1024, '\0');
    LVITEMA info{};
    info.iSubItem = column;
    info.pszText = text.data();
    info.cchTextMax = static_cast<int>(text.size());
    int length = static_cast<int>(
        SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}
