#include "EditFilters.h"

bool DigitsEditAccepts(char character)
{
    const unsigned char code = static_cast<unsigned char>(character);
    return code < 32 || (character >= '0' && character <= '9');
}

bool HostNameEditAccepts(char character, int selectionStart)
{
    return character != ' ' && !(selectionStart == 0 && character >= '0' && character <= '9');
}

bool NoSpaceEditAccepts(char character)
{
    return character != ' ';
}

const FwMessageMap* CFilterEdit::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_CHAR, &CFilterEdit::OnChar),
    };
    static const FwMessageMap map{CFwWnd::ClassMessageMap(), entries};
    return &map;
}

LRESULT CFilterEdit::OnChar(WPARAM wParam, LPARAM)
{
    DWORD start = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    if (!Accepts(static_cast<char>(wParam), static_cast<int>(start)))
    {
        MessageBeep(0xFFFFFFFF);
        return 0;
    }
    return Default();
}
