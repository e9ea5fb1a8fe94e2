#include "FwApp.h"

#include "FwModule.h"
#include "FwText.h"

#include <commctrl.h>

namespace
{
CFwApp* g_application = nullptr;
}

CFwApp::CFwApp()
{
    g_application = this;
}

CFwApp::~CFwApp()
{
    if (g_application == this)
    {
        g_application = nullptr;
    }
}

CFwApp* CFwApp::Current()
{
    return g_application;
}

int CFwApp::ExitInstance()
{
    return m_quitCode;
}

int CFwApp::Run()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        HWND main = FwGetMainWindow();
        if (main && IsDialogMessageA(main, &message))
        {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    m_quitCode = static_cast<int>(message.wParam);
    return m_quitCode;
}

int CFwApp::Main(HINSTANCE instance, const char* commandLine)
{
    FwSetProgramModule(instance);
    m_commandTail = FwCommandTail(commandLine);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_ANIMATE_CLASS | ICC_TREEVIEW_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (InitInstance())
    {
        Run();
    }
    return ExitInstance();
}
