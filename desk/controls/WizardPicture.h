// The wizard's picture: a bitmap resource of the program loaded as a DIB section stretched to a control's size,
// with a palette made from its colours, and painted at the top left of every wizard page.
#pragma once

#include "OwnedHandles.h"

#include <windows.h>

using OwnedPalette = OwnedHandle<GdiObjectTraits<HPALETTE>>;

// The program-wide picture; `colors` is 0 while none is loaded.
struct DibPicture
{
    OwnedBitmap bitmap;
    OwnedPalette palette;
    int colors = 0;
};

// The number of colours a DIB header describes: its count of used colours, else 2 to the power of its bit count.
long long DibColorCount(const BITMAPINFOHEADER& header);

// Loads bitmap `resourceId` of the program module at the size of `control`'s window. A picture already held is
// kept (nothing new is loaded); otherwise the new one and its palette are stored, with the colour count in
// `colors`. FALSE when the bitmap cannot be loaded.
BOOL LoadDibBitmap(UINT resourceId, HWND control, OwnedBitmap& bitmap, OwnedPalette& palette, int& colors);
// Paints the picture at (0, 0) of the device context with its palette selected.
void PaintDibBitmap(HDC dc, const OwnedBitmap& bitmap, OwnedPalette& palette, int colors);

// The wizard's one picture.
DibPicture& WizardPicture();
