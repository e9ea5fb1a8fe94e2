#include "PickWindow.h"

#include <commctrl.h>

#include <algorithm>

struct CPickWindow::Session
{
    PickContent content;
    HMODULE module = nullptr;
    OwnedEvent stop;
    HWND window = nullptr;
    std::atomic<int> chosen{-1};
    std::atomic<bool> finished{false};

    void Finish(int row)
    {
        if (finished.load())
            return;
        chosen.store(row);
        finished.store(true);
    }
};

namespace
{
using Session = CPickWindow::Session;

constexpr int kMargin = 10;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kPromptHeight = 20;
constexpr int kCharWidth = 7;
constexpr int kMinColumnWidth = 50;
constexpr int kMaxColumnWidth = 320;
constexpr int kWindowWidth = 600;
constexpr int kWindowHeight = 400;

Session* SessionOf(HWND window)
{
    return reinterpret_cast<Session*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int SelectedRow(HWND window)
{
    return static_cast<int>(
        SendDlgItemMessageA(window, IDC_PICK_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void UpdateOk(HWND window)
{
    EnableWindow(GetDlgItem(window, IDOK), SelectedRow(window) >= 0);
}

void Choose(HWND window, Session& session)
{
    const int row = SelectedRow(window);
    if (!session.content.choosable || row < 0)
        return;
    session.Finish(row);
    DestroyWindow(window);
}

void Layout(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int buttonsTop = height - kMargin - kButtonHeight;
    MoveWindow(GetDlgItem(window, IDC_PICK_PROMPT), kMargin, kMargin, width - 2 * kMargin, kPromptHeight, TRUE);
    const int listTop = kMargin + kPromptHeight + 4;
    MoveWindow(GetDlgItem(window, IDC_PICK_LIST), kMargin, listTop, width - 2 * kMargin,
               std::max(0, buttonsTop - kMargin - listTop), TRUE);
    MoveWindow(GetDlgItem(window, IDCANCEL), width - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight,
               TRUE);
    MoveWindow(GetDlgItem(window, IDOK), width - 2 * (kMargin + kButtonWidth), buttonsTop, kButtonWidth, kButtonHeight,
               TRUE);
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id)
{
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

void FillList(HWND list, const PickContent& content)
{
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (size_t i = 0; i < content.columns.size(); ++i)
    {
        const BrowseColumn& column = content.columns[i];
        LVCOLUMNA header{};
        header.mask = LVCF_TEXT | LVCF_WIDTH;
        header.pszText = const_cast<char*>(column.name.c_str());
        const int characters = static_cast<int>(std::max(column.name.size(), static_cast<size_t>(column.length)));
        header.cx = std::clamp((characters + 2) * kCharWidth, kMinColumnWidth, kMaxColumnWidth);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&header));
    }
    for (size_t row = 0; row < content.rows.size(); ++row)
    {
        const BrowseRow& values = content.rows[row];
        for (size_t column = 0; column < values.size(); ++column)
        {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = const_cast<char*>(values[column].c_str());
            SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    if (content.selected >= 0)
    {
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, content.selected, reinterpret_cast<LPARAM>(&state));
        SendMessageA(list, LVM_ENSUREVISIBLE, content.selected, FALSE);
    }
}

void CreateChildren(HWND window, const PickContent& content)
{
    AddChild(window, "STATIC", content.prompt.c_str(), SS_LEFT | SS_NOPREFIX, IDC_PICK_PROMPT);
    HWND list = AddChild(window, WC_LISTVIEWA, "",
                         WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, IDC_PICK_LIST);
    HWND ok = AddChild(window, "BUTTON", content.okText.c_str(), WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
    AddChild(window, "BUTTON", content.cancelText.c_str(), WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
    if (!content.choosable)
        ShowWindow(ok, SW_HIDE);
    FillList(list, content);
    UpdateOk(window);
    Layout(window);
    SetFocus(list);
}

LRESULT CALLBACK PickWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Session* session = SessionOf(window);
    switch (message)
    {
    case WM_CREATE:
        session = static_cast<Session*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(session));
        CreateChildren(window, session->content);
        return 0;
    case WM_SIZE:
        Layout(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && session)
            Choose(window, *session);
        else if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(window);
        return 0;
    case WM_NOTIFY:
    {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_PICK_LIST && header->code == LVN_ITEMCHANGED)
            UpdateOk(window);
        else if (header->idFrom == IDC_PICK_LIST && header->code == NM_DBLCLK && session)
            Choose(window, *session);
        return 0;
    }
    case WM_DESTROY:
        if (session)
        {
            session->Finish(-1);
            session->window = nullptr;
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterPickClass(HMODULE module)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PickWindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPickWindowClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreatePickWindow(Session& session)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterPickClass(session.module))
        return nullptr;
    const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2);
    return CreateWindowExA(WS_EX_CONTROLPARENT, kPickWindowClass, session.content.caption.c_str(),
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, left, top, kWindowWidth,
                           kWindowHeight, nullptr, nullptr, session.module, &session);
}

void RunPickWindow(Session& session)
{
    HWND window = CreatePickWindow(session);
    session.window = window;
    if (!window)
    {
        session.Finish(-1);
        return;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    while (session.window)
    {
        HANDLE stop = session.stop.Get();
        if (MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0)
        {
            DestroyWindow(session.window);
            break;
        }
        MSG message;
        while (session.window && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (!IsDialogMessageA(session.window, &message))
            {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
}

DWORD WINAPI PickThread(void* parameter)
{
    std::shared_ptr<Session> session(std::move(*static_cast<std::shared_ptr<Session>*>(parameter)));
    delete static_cast<std::shared_ptr<Session>*>(parameter);
    const HMODULE module = session->module;
    RunPickWindow(*session);
    session.reset();
    FreeLibraryAndExitThread(module, 0);
}
}

CPickWindow::~CPickWindow()
{
    End();
}

bool CPickWindow::Start(PickContent content)
{
    End();
    auto session = std::make_shared<Session>();
    session->content = std::move(content);
    session->stop.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!session->stop || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                              reinterpret_cast<LPCSTR>(&PickThread), &session->module))
        return false;
    auto* parameter = new std::shared_ptr<Session>(session);
    m_thread.Reset(CreateThread(nullptr, 0, PickThread, parameter, 0, nullptr));
    if (!m_thread)
    {
        FreeLibrary(session->module);
        delete parameter;
        return false;
    }
    m_session = std::move(session);
    return true;
}

bool CPickWindow::IsFinished() const
{
    return m_session && m_session->finished.load();
}

int CPickWindow::Chosen() const
{
    return m_session && m_session->finished.load() ? m_session->chosen.load() : -1;
}

void CPickWindow::End()
{
    if (!m_thread)
        return;
    SetEvent(m_session->stop.Get());
    if (GetThreadId(m_thread.Get()) != GetCurrentThreadId())
        WaitForSingleObject(m_thread.Get(), INFINITE);
    m_thread.Reset();
}

void CPickWindow::Abandon()
{
    if (!m_thread)
        return;
    SetEvent(m_session->stop.Get());
    m_thread.Reset();
}
