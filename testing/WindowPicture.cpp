#include "WindowPicture.h"

#include "TempProgramFolder.h"

#include <OwnedHandles.h>

#include <fstream>
#include <memory>
#include <set>

namespace
{
struct WindowDcRelease
{
    HWND window;
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
struct MemoryDcDelete
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using OwnedWindowDc = std::unique_ptr<HDC__, WindowDcRelease>;
using OwnedMemoryDc = std::unique_ptr<HDC__, MemoryDcDelete>;

BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
}

size_t WindowPicture::ColourCount() const
{
    return std::set<uint32_t>(pixels.begin(), pixels.end()).size();
}

std::string WindowPicture::Save(const std::string& name) const
{
    if (IsEmpty())
        return std::string();
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rowBytes * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    const std::string path = ScreenshotFolder() + "\\" + name + ".bmp";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(static_cast<size_t>(rowBytes), '\0');
    for (int y = height - 1; y >= 0; --y)
    {
        for (int x = 0; x < width; ++x)
        {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), rowBytes);
    }
    out.close();
    return out ? path : std::string();
}

WindowPicture TakeWindowPicture(HWND window)
{
    WindowPicture picture;
    RECT frame{};
    if (!IsWindow(window) || !GetWindowRect(window, &frame))
        return picture;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0)
        return picture;
    OwnedWindowDc source(GetWindowDC(window), WindowDcRelease{window});
    if (!source)
        return picture;
    OwnedMemoryDc memory(CreateCompatibleDC(source.get()));
    BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits)
        return picture;
    {
        SelectedObject selected(memory.get(), bitmap.Get());
        if (!BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY))
            return picture;
        GdiFlush();
    }
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(pixels, pixels + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : picture.pixels)
        pixel &= 0x00FFFFFF;
    return picture;
}

std::string ScreenshotFolder()
{
    const std::string program = TempProgramFolder::BuildProgramFolder();
    const std::string folder = program.substr(0, program.find_last_of('\\')) + "\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
