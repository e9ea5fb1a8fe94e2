// zrt_window_holder <item>...: a second process with a top-level window "ZRT window holder" that holds a tree view
// (id 100) and a list box (id 101), for the tests of reading controls from outside. Each item is a tree item; an
// item that starts with '>' is a child of the item before it (one '>' per level). The list box holds the items'
// texts. The window's command 1 closes it and ends the program.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
constexpr int kTreeId = 100;
constexpr int kListId = 101;

LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_COMMAND && LOWORD(wParam) == IDOK) || message == WM_CLOSE)
    {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY)
    {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND AddChild(HWND parent, const char* className, DWORD style, int id, int top)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | style, 10, top, 260, 140, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void Fill(HWND tree, HWND list, int count, char** items)
{
    std::vector<HTREEITEM> levels;
    for (int i = 0; i < count; ++i)
    {
        std::string text = items[i];
        const size_t depth = text.find_first_not_of('>');
        text.erase(0, depth);
        levels.resize(depth);
        TVINSERTSTRUCTA insert{};
        insert.hParent = depth == 0 ? TVI_ROOT : levels.back();
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = text.data();
        levels.push_back(
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (!levels.empty())
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(levels.back()));
}
}

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HolderProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "ZrtWindowHolder";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "ZRT window holder", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                  360, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    Fill(AddChild(window, WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, kTreeId, 10),
         AddChild(window, "LISTBOX", 0, kListId, 160), argc - 1, argv + 1);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
