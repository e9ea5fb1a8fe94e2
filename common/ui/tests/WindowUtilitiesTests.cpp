#include <gtest/gtest.h>

#include <string>

#include "FileDialog.h"
#include "MessageBoxWatcher.h"
#include "OwnedHandles.h"
#include "PathUtilities.h"
#include "WindowText.h"

namespace
{

int WidthOf(HWND control, const std::string& text)
{
    WindowDC dc(control);
    SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    return TextWidth(dc.Get(), text);
}

HWND MakeStatic(int width)
{
    HWND control = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, 20, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}

TEST(FitPathToWindow, ShortensUntilThePathFitsTheControl)
{
    const std::string full = "C:\\Program Files\\Zerathon\\Profiles\\Monthly\\Customers\\orders.h2p";
    HWND control = MakeStatic(300);
    const int width = WidthOf(control, full);
    ASSERT_GT(width, 300) << "the path must not fit to begin with";

    std::string path = full;
    FitPathToWindow(path, control);
    EXPECT_NE(full, path);
    EXPECT_EQ(0u, path.rfind("C:\\...\\", 0)) << path;
    EXPECT_EQ(path.size() - 10, path.find("orders.h2p")) << path;
    std::string shorter = path;
    if (WidthOf(control, path) > 300)
    {
        EXPECT_FALSE(ShortenPath(shorter)) << "it could have been shortened further: " << path;
    }
    else
    {
        // One step less would not have fitted.
        std::string previous = full;
        std::string next = full;
        while (ShortenPath(next) && next != path)
            previous = next;
        EXPECT_GT(WidthOf(control, previous), 300) << previous;
    }

    std::string fits = "C:\\a\\b.txt";
    FitPathToWindow(fits, control);
    EXPECT_EQ("C:\\a\\b.txt", fits);
    DestroyWindow(control);
}

TEST(PromptFileName, CancelChoosesNothing)
{
    MessageBoxWatcher watcher;
    char path[MAX_PATH] = "orders.h2p";
    EXPECT_FALSE(PromptFileName(path, TRUE, OFN_EXPLORER, "C:\\", "Profiles (*.h2p)|*.h2p|", "h2p", nullptr));
    ASSERT_TRUE(watcher.WaitForDialogs(1, 5000));
    EXPECT_EQ(IDCANCEL, watcher.Seen()[0].answer);
}
