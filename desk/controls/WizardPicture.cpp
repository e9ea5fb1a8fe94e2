#include "WizardPicture.h"

#include "FwModule.h"

#include <vector>

namespace
{
// A memory device context compatible with another one, deleted at the end of its scope.
class CMemoryDc
{
public:
    explicit CMemoryDc(HDC dc) : m_dc(CreateCompatibleDC(dc)) {}
    ~CMemoryDc()
    {
        if (m_dc)
        {
            DeleteDC(m_dc);
        }
    }
    CMemoryDc(const CMemoryDc&) = delete;
    CMemoryDc& operator=(const CMemoryDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// A palette of the bitmap's own colour table (at most 256 colours), or a halftone palette for more.
HPALETTE MakePalette(HBITMAP bitmap, int& colors)
{
    DIBSECTION section{};
    if (!GetObjectA(bitmap, sizeof(section), &section))
    {
        colors = 0;
        return nullptr;
    }
    long long count = DibColorCount(section.dsBmih);
    colors = count > 256 ? 257 : static_cast<int>(count);
    if (count > 256)
    {
        HDC screen = GetDC(nullptr);
        HPALETTE palette = CreateHalftonePalette(screen);
        ReleaseDC(nullptr, screen);
        return palette;
    }
    std::vector<RGBQUAD> table(static_cast<size_t>(count));
    {
        CMemoryDc memory(nullptr);
        HGDIOBJ previous = SelectObject(memory.Get(), bitmap);
        GetDIBColorTable(memory.Get(), 0, static_cast<UINT>(count), table.data());
        SelectObject(memory.Get(), previous);
    }
    std::vector<BYTE> block(sizeof(LOGPALETTE) + table.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(table.size());
    for (size_t i = 0; i < table.size(); ++i)
    {
        logical->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    }
    return CreatePalette(logical);
}
}

long long DibColorCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed)
    {
        return header.biClrUsed;
    }
    return header.biBitCount >= 32 ? (1LL << 32) : (1LL << header.biBitCount);
}

BOOL LoadDibBitmap(UINT resourceId, HWND control, OwnedBitmap& bitmap, OwnedPalette& palette, int& colors)
{
    if (bitmap)
    {
        // Loading again would only make a second bitmap that nobody frees.
        return TRUE;
    }
    RECT place{};
    GetWindowRect(control, &place);
    HANDLE loaded = LoadImageA(FwGetProgramModule(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP,
                               place.right - place.left, place.bottom - place.top, LR_CREATEDIBSECTION);
    if (!loaded)
    {
        return FALSE;
    }
    bitmap.Reset(static_cast<HBITMAP>(loaded));
    palette.Reset(MakePalette(bitmap.Get(), colors));
    return TRUE;
}

void PaintDibBitmap(HDC dc, const OwnedBitmap& bitmap, OwnedPalette& palette, int colors)
{
    if (!bitmap)
    {
        return;
    }
    if (colors > 256)
    {
        palette.Reset(CreateHalftonePalette(dc));
    }
    HPALETTE previousPalette = palette ? SelectPalette(dc, palette.Get(), FALSE) : nullptr;
    if (palette)
    {
        RealizePalette(dc);
    }
    BITMAP info{};
    GetObjectA(bitmap.Get(), sizeof(info), &info);
    POINT size{info.bmWidth, info.bmHeight};
    DPtoLP(dc, &size, 1);
    CMemoryDc memory(dc);
    HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    BitBlt(dc, 0, 0, size.x, size.y, memory.Get(), 0, 0, SRCCOPY);
    SelectObject(memory.Get(), previous);
    if (previousPalette)
    {
        SelectPalette(dc, previousPalette, FALSE);
    }
}

DibPicture& WizardPicture()
{
    static DibPicture picture;
    return picture;
}
