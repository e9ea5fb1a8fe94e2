#include "FwApp.h"

#include "FwDocument.h"
#include "FwFrameWnd.h"
#include "FwModule.h"
#include "FwResourceIds.h"
#include "FwText.h"

#include <commctrl.h>
#include <commdlg.h>

namespace
{
CFwApp* g_application = nullptr;

// Messages after which the idle update runs again once the queue is empty.
bool StartsNewIdle(const MSG& message)
{
    return message.message != WM_PAINT && message.message != WM_TIMER && message.message != WM_MOUSEMOVE &&
           message.message != WM_NCMOUSEMOVE;
}
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

const FwMessageMap* CFwApp::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_FILE_NEW, &CFwApp::OnFileNew),
        FW_ON_COMMAND(ID_FILE_OPEN, &CFwApp::OnFileOpen),
        FW_ON_COMMAND(ID_FILE_MRU_FILE1, &CFwApp::OnOpenRecentFile),
        FW_ON_COMMAND(ID_FILE_MRU_FILE1 + 1, &CFwApp::OnOpenRecentFile),
        FW_ON_COMMAND(ID_FILE_MRU_FILE1 + 2, &CFwApp::OnOpenRecentFile),
        FW_ON_COMMAND(ID_FILE_MRU_FILE1 + 3, &CFwApp::OnOpenRecentFile),
        FW_ON_COMMAND(ID_APP_EXIT, &CFwApp::OnAppExit),
    };
    static const FwMessageMap map{CFwCmdTarget::ClassMessageMap(), entries};
    return &map;
}

int CFwApp::ExitInstance()
{
    CloseDocumentFlow();
    return m_quitCode;
}

int CFwApp::Run()
{
    MSG message;
    bool idle = true;
    for (;;)
    {
        if (idle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
        {
            OnIdle();
            idle = false;
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
        {
            break;
        }
        HWND main = FwGetMainWindow();
        CFwWnd* mainObject = CFwWnd::FromHandle(main);
        if (mainObject ? mainObject->PreTranslateMessage(&message) : (main && IsDialogMessageA(main, &message)))
        {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (StartsNewIdle(message))
        {
            idle = true;
        }
    }
    m_quitCode = static_cast<int>(message.wParam);
    return m_quitCode;
}

void CFwApp::OnIdle()
{
    if (CFwFrameWnd* frame = dynamic_cast<CFwFrameWnd*>(CFwWnd::FromHandle(FwGetMainWindow())))
    {
        frame->OnIdleUpdateCmdUI();
    }
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

void CFwApp::AddDocTemplate(std::unique_ptr<CFwDocTemplate> docTemplate)
{
    if (!m_docManager)
    {
        m_docManager = CreateDocManager();
    }
    m_template = std::move(docTemplate);
}

std::unique_ptr<CFwDocManager> CFwApp::CreateDocManager()
{
    return std::make_unique<CFwDocManager>();
}

CFwDocument* CFwApp::OpenDocumentFile(const char* path)
{
    return m_template ? m_template->OpenDocumentFile(path) : nullptr;
}

void CFwApp::LoadStdProfileSettings(size_t size, HKEY root, const std::string& path)
{
    m_recentFiles = std::make_unique<CFwRecentFileList>(size);
    m_recentFiles->SetStorage(root, path);
    m_recentFiles->ReadList();
}

void CFwApp::AddToRecentFileList(const std::string& path)
{
    if (m_recentFiles)
    {
        m_recentFiles->Add(path);
    }
}

void CFwApp::CloseDocumentFlow()
{
    if (m_recentFiles)
    {
        m_recentFiles->WriteList();
    }
    m_template.reset();
}

int CFwApp::DoMessageBox(const std::string& text, UINT style)
{
    HWND main = FwGetMainWindow();
    HWND owner = main && IsWindow(main) ? FwModalOwner() : nullptr;
    std::string caption = m_template ? m_template->GetDocString(CFwDocTemplate::windowTitle) : std::string();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

LRESULT CFwApp::OnFileNew(WPARAM, LPARAM)
{
    OpenDocumentFile(nullptr);
    return 0;
}

LRESULT CFwApp::OnFileOpen(WPARAM, LPARAM)
{
    std::string path;
    if (m_docManager &&
        m_docManager->DoPromptFileName(path, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, m_template.get()))
    {
        OpenDocumentFile(path.c_str());
    }
    return 0;
}

LRESULT CFwApp::OnOpenRecentFile(WPARAM wParam, LPARAM)
{
    if (!m_recentFiles)
    {
        return 0;
    }
    size_t index = LOWORD(wParam) - ID_FILE_MRU_FILE1;
    std::string path = m_recentFiles->GetEntry(index);
    if (!path.empty() && !OpenDocumentFile(path.c_str()))
    {
        m_recentFiles->Remove(index);
    }
    return 0;
}

LRESULT CFwApp::OnAppExit(WPARAM, LPARAM)
{
    if (HWND main = FwGetMainWindow())
    {
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    return 0;
}
