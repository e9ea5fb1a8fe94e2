#include "ParamTreeCtrl.h"

#include "ListItem.h"
#include "OwnedHandles.h"

#include <cstring>

namespace
{
const COLORREF kValueColour = RGB(0, 0, 196);
}

const FwMessageMap* CParamTreeCtrl::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_PAINT, &CParamTreeCtrl::OnPaint),
        FW_ON_MESSAGE(WM_ERASEBKGND, &CParamTreeCtrl::OnEraseBackground),
    };
    static const FwMessageMap map{CFwWnd::ClassMessageMap(), entries};
    return &map;
}

CListItem* CParamTreeCtrl::GetItemOf(HTREEITEM node) const
{
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    if (!node || !SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    {
        return nullptr;
    }
    return reinterpret_cast<CListItem*>(item.lParam);
}

void CParamTreeCtrl::SelectAndFocus(const CListItem* item) const
{
    SetFocus(m_hWnd);
    SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item->GetTreeHandle()));
    SendMessageA(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item->GetTreeHandle()));
}

void CParamTreeCtrl::DeleteAllItems() const
{
    SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

LRESULT CParamTreeCtrl::OnEraseBackground(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CParamTreeCtrl::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(m_hWnd, &paint);
    RECT client;
    GetClientRect(m_hWnd, &client);
    OwnedMemoryDC memoryDC(CreateCompatibleDC(screen));
    HDC memory = memoryDC.Get();
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    {
        SelectedObject selected(memory, bitmap.Get());
        FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        CallOriginal(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
        PaintValues(memory);
        BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    }
    EndPaint(m_hWnd, &paint);
    return 0;
}

void CParamTreeCtrl::PaintValues(HDC dc) const
{
    SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    SIZE closing{};
    GetTextExtentPoint32A(dc, ">", 1, &closing);
    bool focused = GetFocus() == m_hWnd;
    HTREEITEM selected = reinterpret_cast<HTREEITEM>(SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (HTREEITEM node = reinterpret_cast<HTREEITEM>(SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
         node; node = reinterpret_cast<HTREEITEM>(
                   SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(node))))
    {
        CListItem* item = GetItemOf(node);
        RECT rect{};
        memcpy(&rect, &node, sizeof(node));
        if (!item || !item->HasValue() || !SendMessageA(m_hWnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)))
        {
            continue;
        }
        const std::string& value = item->GetValue();
        SIZE size{};
        GetTextExtentPoint32A(dc, value.c_str(), static_cast<int>(value.size()), &size);
        RECT place = rect;
        place.right = rect.right - closing.cx - 2;
        place.left = place.right - size.cx;
        bool isSelected = node == selected;
        SetBkColor(dc, GetSysColor(isSelected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW));
        SetTextColor(dc, isSelected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kValueColour);
        DrawTextA(dc, value.c_str(), static_cast<int>(value.size()), &place, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}
