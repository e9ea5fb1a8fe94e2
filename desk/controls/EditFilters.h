// Edit controls that take only some typed characters; a refused character is dropped with the simple beep. Pasted
// text is not filtered: the dialogs check their values again before they use them.
#pragma once

#include "FwWnd.h"

// Whether a typed character passes each filter. `selectionStart` is where the typed character goes.
bool DigitsEditAccepts(char character);
bool HostNameEditAccepts(char character, int selectionStart);
bool NoSpaceEditAccepts(char character);

class CFilterEdit : public CFwWnd
{
    FW_DECLARE_MESSAGE_MAP()

protected:
    virtual bool Accepts(char character, int selectionStart) const = 0;

private:
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
};

// Digits and control characters (Backspace, the clipboard keys).
class CDigitsEdit : public CFilterEdit
{
protected:
    bool Accepts(char character, int) const override { return DigitsEditAccepts(character); }
};

// Host names: no blank, and no digit as the first character.
class CHostNameEdit : public CFilterEdit
{
protected:
    bool Accepts(char character, int selectionStart) const override
    {
        return HostNameEditAccepts(character, selectionStart);
    }
};

// Anything but a blank.
class CNoSpaceEdit : public CFilterEdit
{
protected:
    bool Accepts(char character, int) const override { return NoSpaceEditAccepts(character); }
};
