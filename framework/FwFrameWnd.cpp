#include "FwFrameWnd.h"

#include "FwApp.h"
#include "FwDocument.h"
#include "FwModule.h"
#include "FwResourceIds.h"
#include "FwView.h"

#include <commctrl.h>

#include <vector>

namespace
{
const char kFrameClass[] = "ZrtFwFrame";

// The two lines of a command's string: the status-bar prompt and the tool tip.
std::string CommandTextPart(UINT commandId, int part)
{
    std::string text = FwLoadString(commandId);
    size_t newline = text.find('\n');
    if (part == 0)
    {
        return text.substr(0, newline);
    }
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

// Every modal dialog, sheet and box of the program disables its owner, and each chain of owners ends at the frame: a
// disabled frame has one of them up, with the code that opened it still on the stack below its loop.
bool IsUnderModalWindow(HWND frame)
{
    return !IsWindowEnabled(frame);
}

int Height(HWND window)
{
    RECT rect{};
    if (window && IsWindowVisible(window))
    {
        GetWindowRect(window, &rect);
    }
    return rect.bottom - rect.top;
}
}

const FwMessageMap* CFwFrameWnd::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_MESSAGE(WM_CREATE, &CFwFrameWnd::OnCreate),
        FW_ON_MESSAGE(WM_NOTIFY, &CFwFrameWnd::OnNotify),
        FW_ON_MESSAGE(WM_SIZE, &CFwFrameWnd::OnSize),
        FW_ON_MESSAGE(WM_CLOSE, &CFwFrameWnd::OnClose),
        FW_ON_MESSAGE(WM_INITMENUPOPUP, &CFwFrameWnd::OnInitMenuPopup),
        FW_ON_MESSAGE(WM_MENUSELECT, &CFwFrameWnd::OnMenuSelect),
        FW_ON_MESSAGE(WM_EXITMENULOOP, &CFwFrameWnd::OnExitMenuLoop),
        FW_ON_MESSAGE(WM_SETFOCUS, &CFwFrameWnd::OnSetFocus),
        FW_ON_MESSAGE(WM_DESTROY, &CFwFrameWnd::OnDestroy),
    };
    static const FwMessageMap map{CFwWnd::ClassMessageMap(), entries};
    return &map;
}

BOOL CFwFrameWnd::LoadFrame(UINT resourceId, CFwDocTemplate* docTemplate)
{
    m_template = docTemplate;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), kFrameClass, &windowClass))
    {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &CFwWnd::FrameworkWndProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kFrameClass;
        if (!RegisterClassExA(&windowClass))
        {
            return FALSE;
        }
    }
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = WS_EX_WINDOWEDGE;
    PreCreateWindow(style, exStyle);
    HMENU menu = LoadMenuA(FwFindResourceModule(RT_MENU, resourceId), MAKEINTRESOURCEA(resourceId));
    m_accelerators = LoadAcceleratorsA(FwFindResourceModule(RT_ACCELERATOR, resourceId), MAKEINTRESOURCEA(resourceId));
    std::string title = docTemplate ? docTemplate->GetDocString(CFwDocTemplate::windowTitle) : std::string();
    if (!CreateEx(exStyle, kFrameClass, title.c_str(), style, RECT{0, 0, 400, 300}, nullptr, menu))
    {
        if (menu)
        {
            DestroyMenu(menu);
        }
        return FALSE;
    }
    HICON icon = static_cast<HICON>(LoadImageA(FwFindResourceModule(RT_GROUP_ICON, resourceId),
                                               MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    HICON smallIcon = static_cast<HICON>(LoadImageA(FwFindResourceModule(RT_GROUP_ICON, resourceId),
                                                    MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (icon)
    {
        SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    }
    return TRUE;
}

BOOL CFwFrameWnd::CreateView(CFwView* view, CFwDocument* document)
{
    view->SetDocument(document);
    if (!view->Create(this))
    {
        delete view;
        return FALSE;
    }
    m_view = view;
    RecalcLayout();
    return TRUE;
}

CFwDocument* CFwFrameWnd::GetActiveDocument() const
{
    return m_view ? m_view->GetDocument() : nullptr;
}

BOOL CFwFrameWnd::CreateToolBar(UINT bitmapId, SIZE imageSize, std::span<const FwToolBarButton> buttons)
{
    m_toolBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_TOP, 0, 0, 0, 0, m_hWnd,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_toolBar)
    {
        return FALSE;
    }
    SendMessageA(m_toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(m_toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
    int images = 0;
    for (const FwToolBarButton& button : buttons)
    {
        images = button.command && button.image >= images ? button.image + 1 : images;
    }
    TBADDBITMAP bitmap{FwFindResourceModule(RT_BITMAP, bitmapId), bitmapId};
    SendMessageA(m_toolBar, TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&bitmap));
    std::vector<TBBUTTON> added;
    for (const FwToolBarButton& button : buttons)
    {
        TBBUTTON item{};
        item.iBitmap = button.command ? button.image : 0;
        item.idCommand = static_cast<int>(button.command);
        item.fsState = TBSTATE_ENABLED;
        item.fsStyle = button.command ? BTNS_BUTTON : BTNS_SEP;
        added.push_back(item);
    }
    SendMessageA(m_toolBar, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageA(m_toolBar, TB_AUTOSIZE, 0, 0);
    return TRUE;
}

BOOL CFwFrameWnd::CreateStatusBar()
{
    m_statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, FwLoadString(IDS_FW_IDLE_MESSAGE).c_str(),
                                  WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, m_hWnd, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    return m_statusBar != nullptr;
}

void CFwFrameWnd::RecalcLayout()
{
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (m_toolBar)
    {
        SendMessageA(m_toolBar, TB_AUTOSIZE, 0, 0);
    }
    if (m_statusBar)
    {
        SendMessageA(m_statusBar, WM_SIZE, 0, 0);
    }
    int top = Height(m_toolBar);
    int bottom = client.bottom - Height(m_statusBar);
    if (m_view && m_view->GetSafeHwnd())
    {
        SetWindowPos(m_view->GetSafeHwnd(), nullptr, 0, top, client.right, bottom > top ? bottom - top : 0,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CFwFrameWnd::ResizeClientFor(SIZE size)
{
    RECT wanted{0, 0, size.cx, size.cy + Height(m_toolBar) + Height(m_statusBar)};
    AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), GetMenu(m_hWnd) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    SetWindowPos(m_hWnd, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps makes the client area smaller than asked: grow by what is missing.
    RECT client;
    GetClientRect(m_hWnd, &client);
    int missing = size.cy + Height(m_toolBar) + Height(m_statusBar) - client.bottom;
    if (missing > 0)
    {
        RECT window;
        GetWindowRect(m_hWnd, &window);
        SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RecalcLayout();
}

void CFwFrameWnd::OnUpdateFrameTitle()
{
    std::string title = m_template ? m_template->GetDocString(CFwDocTemplate::windowTitle) : GetWindowText();
    CFwDocument* document = GetActiveDocument();
    if (document && !document->GetTitle().empty())
    {
        title = document->GetTitle() + " - " + title;
    }
    SetWindowText(title);
}

void CFwFrameWnd::InitialUpdateFrame()
{
    if (m_view)
    {
        m_view->OnInitialUpdate();
    }
    OnUpdateFrameTitle();
    if (IsWindowVisible(m_hWnd))
    {
        ShowWindow(m_hWnd, SW_SHOW);
        UpdateWindow(m_hWnd);
    }
}

BOOL CFwFrameWnd::OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui)
{
    if (m_view && m_view->OnCmdMsg(id, code, ui))
    {
        return TRUE;
    }
    if (CFwWnd::OnCmdMsg(id, code, ui))
    {
        return TRUE;
    }
    CFwApp* application = CFwApp::Current();
    return application && application->OnCmdMsg(id, code, ui);
}

BOOL CFwFrameWnd::IsCommandEnabled(UINT id)
{
    CFwCmdUI ui(id);
    if (OnCmdMsg(id, 0, &ui) && ui.WasUpdated())
    {
        return ui.IsEnabled();
    }
    CFwDocument* document = GetActiveDocument();
    CFwApp* application = CFwApp::Current();
    return (m_view && m_view->HasCommandHandler(id)) || (document && document->HasCommandHandler(id)) ||
           HasCommandHandler(id) || (application && application->HasCommandHandler(id));
}

void CFwFrameWnd::OnIdleUpdateCmdUI()
{
    if (!m_toolBar)
    {
        return;
    }
    int count = static_cast<int>(SendMessageA(m_toolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON button{};
        SendMessageA(m_toolBar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
        {
            continue;
        }
        bool enabled = IsCommandEnabled(static_cast<UINT>(button.idCommand));
        if ((SendMessageA(m_toolBar, TB_ISBUTTONENABLED, static_cast<WPARAM>(button.idCommand), 0) != 0) !=
            (enabled != FALSE))
        {
            SendMessageA(m_toolBar, TB_ENABLEBUTTON, static_cast<WPARAM>(button.idCommand), MAKELPARAM(enabled, 0));
        }
    }
}

void CFwFrameWnd::SetMessageText(UINT commandId)
{
    if (!m_statusBar)
    {
        return;
    }
    std::string text = commandId ? CommandTextPart(commandId, 0) : std::string();
    if (text.empty())
    {
        text = FwLoadString(IDS_FW_IDLE_MESSAGE);
    }
    SendMessageA(m_statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CFwFrameWnd::ToolTipText(UINT commandId) const
{
    return CommandTextPart(commandId, 1);
}

BOOL CFwFrameWnd::PreTranslateMessage(MSG* message)
{
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST && m_accelerators &&
        TranslateAcceleratorA(m_hWnd, m_accelerators, message))
    {
        return TRUE;
    }
    return m_view && m_view->PreTranslateMessage(message);
}

void CFwFrameWnd::PostNcDestroy()
{
    bool main = m_wasMainWindow;
    if (m_template)
    {
        m_template->OnFrameDestroyed(this);
    }
    delete this;
    if (main)
    {
        FwSetMainWindow(nullptr);
        PostQuitMessage(0);
    }
}

LRESULT CFwFrameWnd::OnCreate(WPARAM, LPARAM)
{
    return OnCreateFrame() ? 0 : -1;
}

LRESULT CFwFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Menu items, accelerators and toolbar buttons are commands and take the command route; the frame's own
    // command handlers are one step of that route.
    HWND from = reinterpret_cast<HWND>(lParam);
    if (message == WM_COMMAND && HIWORD(wParam) <= 1 && (!from || from == m_toolBar))
    {
        // A command that reaches a disabled frame (queued before a modal window opened, or posted by another program)
        // would run inside that window's loop, under the code that opened it: it is dropped, as a click would be.
        UINT id = LOWORD(wParam);
        if (!IsUnderModalWindow(m_hWnd) && IsCommandEnabled(id))
        {
            OnCmdMsg(id, HIWORD(wParam), nullptr);
        }
        return 0;
    }
    return CFwWnd::WindowProc(message, wParam, lParam);
}

LRESULT CFwFrameWnd::OnNotify(WPARAM, LPARAM lParam)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA)
    {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        static std::string tip;
        tip = ToolTipText(static_cast<UINT>(header->idFrom));
        info->lpszText = tip.data();
        info->hinst = nullptr;
        return 0;
    }
    if (header->code == TTN_GETDISPINFOW)
    {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        std::string tip = ToolTipText(static_cast<UINT>(header->idFrom));
        MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info->szText, static_cast<int>(std::size(info->szText)));
        info->lpszText = info->szText;
        info->hinst = nullptr;
        return 0;
    }
    if (header->code == TBN_HOTITEMCHANGE && header->hwndFrom == m_toolBar)
    {
        const NMTBHOTITEM* hot = reinterpret_cast<const NMTBHOTITEM*>(lParam);
        SetMessageText((hot->dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot->idNew));
        return 0;
    }
    return Default();
}

LRESULT CFwFrameWnd::OnSize(WPARAM, LPARAM)
{
    RecalcLayout();
    return 0;
}

LRESULT CFwFrameWnd::OnClose(WPARAM, LPARAM)
{
    // A close (Alt+F4, the system menu, Exit, another program) is not acted on while a modal window is up: the code
    // under that window still uses the document and the view. A close that arrives while the save question of an
    // earlier one is open is dropped as well: the earlier one decides.
    if (m_closing || IsUnderModalWindow(m_hWnd))
    {
        return 0;
    }
    m_closing = true;
    CFwDocument* document = GetActiveDocument();
    if (document && !document->SaveModified())
    {
        m_closing = false;
        return 0;
    }
    DestroyWindow(m_hWnd);
    return 0;
}

LRESULT CFwFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(lParam))
    {
        return Default();
    }
    HMENU popup = reinterpret_cast<HMENU>(wParam);
    CFwApp* application = CFwApp::Current();
    if (application && application->GetRecentFileList())
    {
        int count = GetMenuItemCount(popup);
        for (int i = 0; i < count; ++i)
        {
            UINT id = GetMenuItemID(popup, i);
            if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
            {
                application->GetRecentFileList()->UpdateMenu(popup);
                break;
            }
        }
    }
    int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
    {
        UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1))
        {
            continue;
        }
        bool placeholder = id == ID_FILE_MRU_FILE1 && application && application->GetRecentFileList() &&
                           application->GetRecentFileList()->GetEntry(0).empty();
        bool enabled = !placeholder && IsCommandEnabled(id);
        EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    return 0;
}

LRESULT CFwFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM)
{
    UINT flags = HIWORD(wParam);
    bool closed = flags == 0xFFFF;
    SetMessageText(closed || (flags & (MF_POPUP | MF_SEPARATOR)) ? 0 : LOWORD(wParam));
    return 0;
}

LRESULT CFwFrameWnd::OnExitMenuLoop(WPARAM, LPARAM)
{
    SetMessageText(0);
    return 0;
}

LRESULT CFwFrameWnd::OnSetFocus(WPARAM, LPARAM)
{
    if (m_view && m_view->GetSafeHwnd())
    {
        SetFocus(m_view->GetSafeHwnd());
        return 0;
    }
    return Default();
}

LRESULT CFwFrameWnd::OnDestroy(WPARAM, LPARAM)
{
    m_wasMainWindow = FwGetMainWindow() == m_hWnd;
    m_view = nullptr;
    return Default();
}
