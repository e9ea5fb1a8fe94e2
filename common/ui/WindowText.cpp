#include "WindowText.h"

#include "OwnedHandles.h"
#include "PathUtilities.h"

int TextWidth(HDC dc, const std::string& text)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void FitPathToWindow(std::string& path, HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    WindowDC dc(control);
    if (!dc)
        return;
    SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    while (TextWidth(dc.Get(), path) > client.right - client.left && ShortenPath(path))
    {
    }
}
