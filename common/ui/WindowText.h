// Texts measured and fitted in windows.
#pragma once

#include <windows.h>

#include <string>

// Width in pixels of `text` in the font selected into `dc`.
int TextWidth(HDC dc, const std::string& text);
// Shortens `path` with ShortenPath until it fits the control's client width in the control's font, or until it
// cannot be shortened further.
void FitPathToWindow(std::string& path, HWND control);
