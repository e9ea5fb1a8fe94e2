#include "FwModule.h"

#include <atomic>

namespace
{
// Read by the error list from any thread.
std::atomic<HWND> g_mainWindow{nullptr};
HINSTANCE g_programModule = nullptr;
HINSTANCE g_resourceModule = nullptr;
std::string g_helpFile;
int g_helpContext = 0;

// Each modal dialog, sheet or box disables its owner, so of the thread's shown dialogs only the innermost is enabled.
BOOL CALLBACK FindEnabledDialog(HWND window, LPARAM found)
{
    char className[16] = "";
    if (IsWindowVisible(window) && IsWindowEnabled(window) && GetClassNameA(window, className, sizeof(className)) > 0 &&
        lstrcmpA(className, "#32770") == 0)
    {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}
}

HWND FwGetMainWindow()
{
    return g_mainWindow;
}

void FwSetMainWindow(HWND window)
{
    g_mainWindow = window;
}

HINSTANCE FwGetProgramModule()
{
    return g_programModule ? g_programModule : GetModuleHandleA(nullptr);
}

void FwSetProgramModule(HINSTANCE module)
{
    g_programModule = module;
}

HINSTANCE FwGetResourceModule()
{
    return g_resourceModule ? g_resourceModule : FwGetProgramModule();
}

void FwSetResourceModule(HINSTANCE module)
{
    g_resourceModule = module;
}

void FwSetHelpFile(const std::string& path)
{
    g_helpFile = path;
}

const std::string& FwGetHelpFile()
{
    return g_helpFile;
}

int FwGetHelpContext()
{
    return g_helpContext;
}

void FwSetHelpContext(int context)
{
    g_helpContext = context;
}

HWND FwModalOwner()
{
    HWND innermost = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindEnabledDialog, reinterpret_cast<LPARAM>(&innermost));
    if (innermost)
    {
        return innermost;
    }
    HWND main = g_mainWindow;
    if (main && IsWindow(main))
    {
        return main;
    }
    return GetActiveWindow();
}

BOOL FwWinHelp(UINT command, ULONG_PTR data)
{
    HWND main = g_mainWindow;
    HWND owner = main && IsWindow(main) ? main : GetActiveWindow();
    return WinHelpA(owner, g_helpFile.c_str(), command, data);
}

std::string FwLoadString(HINSTANCE module, UINT id)
{
    // A string resource is at most 65535 characters; the usual texts are short, so try a small buffer first.
    std::string text(512, '\0');
    for (;;)
    {
        int length = LoadStringA(module, id, text.data(), static_cast<int>(text.size()));
        if (length <= 0)
        {
            return std::string();
        }
        if (static_cast<size_t>(length) < text.size() - 1 || text.size() > 65536)
        {
            text.resize(static_cast<size_t>(length));
            return text;
        }
        text.resize(text.size() * 4);
    }
}

std::string FwLoadString(UINT id)
{
    std::string text = FwLoadString(FwGetResourceModule(), id);
    if (text.empty() && FwGetResourceModule() != FwGetProgramModule())
    {
        text = FwLoadString(FwGetProgramModule(), id);
    }
    return text;
}

HINSTANCE FwFindResourceModule(LPCSTR type, UINT id)
{
    HINSTANCE module = FwGetResourceModule();
    if (module != FwGetProgramModule() && !FindResourceA(module, MAKEINTRESOURCEA(id), type))
    {
        return FwGetProgramModule();
    }
    return module;
}
