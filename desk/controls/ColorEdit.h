// CColorEdit: the read-only help text of the wizard pages. It takes its text colour (and, when asked to, its
// background colour) from its own settings, and the mouse gives it no caret, no selection and no context menu.
#pragma once

#include "FwWnd.h"
#include "OwnedHandles.h"

class CColorEdit : public CFwWnd
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CColorEdit();

    // Each returns the previous colour and redraws the control.
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBackgroundColor(COLORREF color);
    // With the flag 0 only the text colour is applied, the background stays the default one.
    void SetBackgroundFlag(int flag);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnSwallowedMouse(WPARAM wParam, LPARAM lParam);

    COLORREF m_textColor;
    COLORREF m_backgroundColor;
    OwnedBrush m_backgroundBrush;
    int m_backgroundFlag = 0;
};
