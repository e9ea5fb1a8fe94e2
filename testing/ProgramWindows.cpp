#include "ProgramWindows.h"

#include <OwnedHandles.h>

#include <commctrl.h>

#include <cstring>

namespace
{
constexpr DWORD kAnswerTimeoutMs = 5000;
constexpr size_t kTextChars = 1024;

struct Search
{
    const WindowQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context)
{
    Search* search = reinterpret_cast<Search*>(context);
    const WindowQuery& query = *search->query;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == query.processId && IsWindowVisible(window) &&
        (query.className.empty() || ClassOf(window) == query.className) &&
        (!query.caption || query.caption(WindowText(window))))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

// A block of memory in the process of a window, for the messages whose arguments point at a record.
class RemoteBuffer
{
public:
    RemoteBuffer(HWND window, SIZE_T size) : m_size(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (m_process)
            m_address = static_cast<char*>(
                VirtualAllocEx(m_process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
    ~RemoteBuffer()
    {
        if (m_address)
            VirtualFreeEx(m_process.Get(), m_address, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    char* Address(SIZE_T offset = 0) const { return m_address + offset; }
    LPARAM Argument() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Write(const void* data, SIZE_T size, SIZE_T offset = 0) const
    {
        return offset + size <= m_size && WriteProcessMemory(m_process.Get(), m_address + offset, data, size, nullptr);
    }
    bool Read(void* data, SIZE_T size, SIZE_T offset = 0) const
    {
        return offset + size <= m_size && ReadProcessMemory(m_process.Get(), m_address + offset, data, size, nullptr);
    }
    // A zero-terminated text at the offset.
    std::string ReadText(SIZE_T offset, SIZE_T chars) const
    {
        std::string text(chars, '\0');
        if (!Read(text.data(), chars, offset))
            return std::string();
        text.resize(strnlen(text.c_str(), chars));
        return text;
    }

private:
    OwnedKernelHandle m_process;
    char* m_address = nullptr;
    SIZE_T m_size;
};

std::string TreeItemText(HWND tree, const RemoteBuffer& buffer, HTREEITEM handle)
{
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = handle;
    item.pszText = buffer.Address(sizeof item);
    item.cchTextMax = static_cast<int>(kTextChars);
    if (!buffer.Write(&item, sizeof item) || !Send(tree, TVM_GETITEMA, 0, buffer.Argument()))
        return std::string();
    return buffer.ReadText(sizeof item, kTextChars);
}

HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM FindTreeItem(HWND tree, const RemoteBuffer& buffer, HTREEITEM first, const std::string& text)
{
    for (HTREEITEM item = first; item != nullptr; item = NextTreeItem(tree, TVGN_NEXT, item))
    {
        if (TreeItemText(tree, buffer, item) == text)
            return item;
        if (HTREEITEM found = FindTreeItem(tree, buffer, NextTreeItem(tree, TVGN_CHILD, item), text))
            return found;
    }
    return nullptr;
}

void CollectTree(HWND tree, const RemoteBuffer& buffer, HTREEITEM first, int depth, std::vector<TreeLine>& lines)
{
    for (HTREEITEM item = first; item != nullptr; item = NextTreeItem(tree, TVGN_NEXT, item))
    {
        lines.push_back({depth, TreeItemText(tree, buffer, item)});
        CollectTree(tree, buffer, NextTreeItem(tree, TVGN_CHILD, item), depth + 1, lines);
    }
}
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

bool AnswersAfterCurrentMessage(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &result) != 0 && IsWindow(window);
}

std::vector<HWND> TopLevelWindows(const WindowQuery& query)
{
    Search search{&query, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(const WindowQuery& query)
{
    const std::vector<HWND> found = TopLevelWindows(query);
    return found.empty() ? nullptr : found.front();
}

HWND WaitTopLevelWindow(const WindowQuery& query, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevelWindow(query)) != nullptr; }, timeoutMs);
    return found;
}

std::function<bool(const std::string&)> CaptionIs(const std::string& caption)
{
    return [caption](const std::string& text) { return text == caption; };
}

std::function<bool(const std::string&)> CaptionEndsWith(const std::string& tail)
{
    return [tail](const std::string& text) {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    };
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowText(HWND window)
{
    std::string text(kTextChars * 4, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &copied))
        return std::string();
    text.resize(strnlen(text.c_str(), text.size()));
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ChildTexts(HWND window, const std::string& className)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> texts;
    for (HWND child : children)
    {
        if (GetParent(child) == window && ClassOf(child) == className)
            texts.push_back(WindowText(child));
    }
    return texts;
}

std::vector<std::string> ListBoxLines(HWND listBox)
{
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        const int length = static_cast<int>(SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        if (length < 0)
            break;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? bytes : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), bytes, nullptr, nullptr);
        text.resize(strnlen(text.c_str(), text.size()));
        lines.push_back(text);
    }
    return lines;
}

std::vector<std::string> ListViewColumn(HWND list, int column)
{
    std::vector<std::string> texts;
    RemoteBuffer buffer(list, sizeof(LVITEMA) + kTextChars);
    if (!buffer)
        return texts;
    const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
    {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.Address(sizeof item);
        item.cchTextMax = static_cast<int>(kTextChars);
        buffer.Write(&item, sizeof item);
        Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), buffer.Argument());
        texts.push_back(buffer.ReadText(sizeof item, kTextChars));
    }
    return texts;
}

int ListViewSelection(HWND list)
{
    return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool SelectListViewRow(HWND list, int row)
{
    RemoteBuffer buffer(list, sizeof(LVITEMA));
    if (!buffer)
        return false;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(&item, sizeof item);
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buffer.Argument());
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(&item, sizeof item);
    return Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), buffer.Argument()) != 0;
}

std::vector<TreeLine> TreeViewItems(HWND tree)
{
    std::vector<TreeLine> lines;
    RemoteBuffer buffer(tree, sizeof(TVITEMA) + kTextChars);
    if (buffer)
        CollectTree(tree, buffer, NextTreeItem(tree, TVGN_ROOT, nullptr), 0, lines);
    return lines;
}

std::string TreeViewSelection(HWND tree)
{
    HTREEITEM selected = NextTreeItem(tree, TVGN_CARET, nullptr);
    RemoteBuffer buffer(tree, sizeof(TVITEMA) + kTextChars);
    return selected && buffer ? TreeItemText(tree, buffer, selected) : std::string();
}

bool SelectTreeViewItem(HWND tree, const std::string& text)
{
    RemoteBuffer buffer(tree, sizeof(TVITEMA) + kTextChars);
    HTREEITEM item = buffer ? FindTreeItem(tree, buffer, NextTreeItem(tree, TVGN_ROOT, nullptr), text) : nullptr;
    return item && Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

void PostCommand(HWND window, int id)
{
    HWND control = GetDlgItem(window, id);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, control ? BN_CLICKED : 0), reinterpret_cast<LPARAM>(control));
}

void Click(HWND dialog, int id)
{
    PostCommand(dialog, id);
}
