#include "ZRProgram.h"

#include <atomic>

namespace
{

std::atomic<HWND> g_mainWindow{nullptr};

}

HMODULE GetOwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&GetOwnModule), &module);
    return module;
}

void SetProgramMainWindow(HWND window)
{
    g_mainWindow = window;
}

HWND GetProgramMainWindow()
{
    return g_mainWindow;
}
