// Pictures of windows for review: the window (frame included) copied with a GDI BitBlt from its device context
// and saved as a 24-bit BMP file under the build folder's "screenshots" folder. Works for windows of any process
// on the display; what covers the window on the screen does not matter under Wine's own window drawing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowPicture
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top

    bool IsEmpty() const { return pixels.empty(); }
    // How many different colours the picture holds (a blank picture has one).
    size_t ColourCount() const;
    // Saves the picture as "<build>\screenshots\<name>.bmp" and gives that path, or empty on failure.
    std::string Save(const std::string& name) const;
};

WindowPicture TakeWindowPicture(HWND window);
// The folder that receives the pictures, made when missing.
std::string ScreenshotFolder();
