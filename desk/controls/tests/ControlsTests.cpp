#include "ColorEdit.h"
#include "ControlsTestIds.h"
#include "EditFilters.h"
#include "OwnedHandles.h"
#include "WizardPicture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A top-level edit control, destroyed at the end of the test.
class CTestEdit
{
public:
    explicit CTestEdit(DWORD style = 0)
        : m_window(CreateWindowExA(0, "EDIT", "", WS_OVERLAPPED | WS_VISIBLE | style, 0, 0, 200, 60, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~CTestEdit() { DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

    void Type(CFwWnd& filter, const std::string& text) const
    {
        for (char character : text)
        {
            SendMessageA(filter.GetSafeHwnd(), WM_CHAR, static_cast<unsigned char>(character), 1);
        }
    }
    std::string Text() const
    {
        char text[64] = {};
        GetWindowTextA(m_window, text, sizeof(text));
        return text;
    }

private:
    HWND m_window;
};
}

TEST(EditFilters, TypedCharactersPassOrAreDropped)
{
    EXPECT_TRUE(DigitsEditAccepts('7'));
    EXPECT_TRUE(DigitsEditAccepts('\b'));
    EXPECT_TRUE(DigitsEditAccepts(0x16));
    EXPECT_FALSE(DigitsEditAccepts('a'));
    EXPECT_FALSE(HostNameEditAccepts('1', 0));
    EXPECT_TRUE(HostNameEditAccepts('1', 1));
    EXPECT_FALSE(HostNameEditAccepts(' ', 3));
    EXPECT_FALSE(NoSpaceEditAccepts(' '));
    EXPECT_TRUE(NoSpaceEditAccepts('1'));

    CTestEdit digitsWindow;
    CDigitsEdit digits;
    ASSERT_TRUE(digits.SubclassWindow(digitsWindow.Get()));
    digitsWindow.Type(digits, "1a2");
    EXPECT_EQ(digitsWindow.Text(), "12");
    // Pasted text is not filtered.
    SendMessageA(digitsWindow.Get(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("3x"));
    EXPECT_EQ(digitsWindow.Text(), "123x");

    CTestEdit hostWindow;
    CHostNameEdit host;
    ASSERT_TRUE(host.SubclassWindow(hostWindow.Get()));
    hostWindow.Type(host, "1A 1");
    EXPECT_EQ(hostWindow.Text(), "A1");
    // A digit typed over a selection that starts at the beginning is the first character again.
    SendMessageA(hostWindow.Get(), EM_SETSEL, 0, -1);
    hostWindow.Type(host, "9");
    EXPECT_EQ(hostWindow.Text(), "A1");

    CTestEdit s36Window;
    CNoSpaceEdit s36;
    ASSERT_TRUE(s36.SubclassWindow(s36Window.Get()));
    s36Window.Type(s36, "1A B");
    EXPECT_EQ(s36Window.Text(), "1AB");
}

TEST(ColorEdit, TheMouseNeitherPlacesACaretNorSelects)
{
    CTestEdit help(ES_MULTILINE | ES_READONLY);
    SetWindowTextA(help.Get(), "Help text of the page");
    CColorEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(help.Get()));
    SendMessageA(help.Get(), EM_SETSEL, 0, 0);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN})
    {
        SendMessageA(help.Get(), message, MK_LBUTTON, MAKELPARAM(40, 5));
    }
    SendMessageA(help.Get(), WM_LBUTTONUP, 0, MAKELPARAM(90, 5));
    DWORD start = 1;
    DWORD end = 1;
    SendMessageA(help.Get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

TEST(WizardPicture, LoadsOnceAtTheControlSizeWithItsOwnPalette)
{
    BITMAPINFOHEADER header{};
    header.biBitCount = 8;
    EXPECT_EQ(DibColorCount(header), 256);
    header.biClrUsed = 16;
    EXPECT_EQ(DibColorCount(header), 16);
    header.biClrUsed = 0;
    header.biBitCount = 24;
    EXPECT_EQ(DibColorCount(header), 1 << 24);

    HWND control = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 130, 254, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(control, nullptr);
    DibPicture picture;
    ASSERT_TRUE(LoadDibBitmap(IDB_TEST_PICTURE, control, picture.bitmap, picture.palette, picture.colors));
    EXPECT_EQ(picture.colors, 256);
    EXPECT_TRUE(picture.palette);
    BITMAP info{};
    GetObjectA(picture.bitmap.Get(), sizeof(info), &info);
    RECT place;
    GetWindowRect(control, &place);
    EXPECT_EQ(info.bmWidth, place.right - place.left);
    EXPECT_EQ(info.bmHeight, place.bottom - place.top);

    // Every later run of the wizard keeps the one picture: no new bitmap is made.
    HBITMAP first = picture.bitmap.Get();
    DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int run = 0; run < 20; ++run)
    {
        ASSERT_TRUE(LoadDibBitmap(IDB_TEST_PICTURE, control, picture.bitmap, picture.palette, picture.colors));
    }
    EXPECT_EQ(picture.bitmap.Get(), first);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);

    // Painted at the top left.
    {
        const WindowDC screen(nullptr);
        const OwnedMemoryDC memory(CreateCompatibleDC(screen.Get()));
        const OwnedBitmap target(CreateCompatibleBitmap(screen.Get(), info.bmWidth, info.bmHeight));
        const SelectedObject targetSelected(memory.Get(), target.Get());
        PaintDibBitmap(memory.Get(), picture.bitmap, picture.palette, picture.colors);
        const OwnedMemoryDC source(CreateCompatibleDC(screen.Get()));
        const SelectedObject sourceSelected(source.Get(), picture.bitmap.Get());
        EXPECT_EQ(GetPixel(memory.Get(), 5, 5), GetPixel(source.Get(), 5, 5));
        EXPECT_EQ(GetPixel(memory.Get(), 45, 100), GetPixel(source.Get(), 45, 100));
    }
    DestroyWindow(control);
}
