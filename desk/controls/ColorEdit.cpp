#include "ColorEdit.h"

#include <utility>

CColorEdit::CColorEdit()
    : m_textColor(GetSysColor(COLOR_WINDOWTEXT)), m_backgroundColor(GetSysColor(COLOR_BTNFACE)),
      m_backgroundBrush(CreateSolidBrush(m_backgroundColor))
{
}

const FwMessageMap* CColorEdit::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_LBUTTONDOWN, &CColorEdit::OnSwallowedMouse),
        FW_ON_MESSAGE(WM_LBUTTONDBLCLK, &CColorEdit::OnSwallowedMouse),
        FW_ON_MESSAGE(WM_RBUTTONDOWN, &CColorEdit::OnSwallowedMouse),
    };
    static const FwMessageMap map{CFwWnd::ClassMessageMap(), entries};
    return &map;
}

COLORREF CColorEdit::SetTextColor(COLORREF color)
{
    COLORREF previous = std::exchange(m_textColor, color);
    Invalidate();
    return previous;
}

COLORREF CColorEdit::SetBackgroundColor(COLORREF color)
{
    COLORREF previous = std::exchange(m_backgroundColor, color);
    m_backgroundBrush.Reset(CreateSolidBrush(color));
    Invalidate();
    return previous;
}

void CColorEdit::SetBackgroundFlag(int flag)
{
    m_backgroundFlag = flag;
    Invalidate();
}

BOOL CColorEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result)
{
    // A read-only edit asks with WM_CTLCOLORSTATIC, an editable one with WM_CTLCOLOREDIT.
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT)
    {
        return FALSE;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, m_textColor);
    if (m_backgroundFlag == 0)
    {
        return FALSE;
    }
    SetBkColor(dc, m_backgroundColor);
    *result = reinterpret_cast<LRESULT>(m_backgroundBrush.Get());
    return TRUE;
}

LRESULT CColorEdit::OnSwallowedMouse(WPARAM, LPARAM)
{
    return 0;
}
