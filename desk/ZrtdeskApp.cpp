#include "ZrtdeskApp.h"

#include "AboutDlg.h"
#include "DeskState.h"
#include "ErrorListDialog.h"
#include "FwControls.h"
#include "FwDocument.h"
#include "FwModule.h"
#include "FwText.h"
#include "MainFrm.h"
#include "OpenProfileSheet.h"
#include "ProfileDocManager.h"
#include "ReportError.h"
#include "VersionLibrary.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRMessages.h"
#include "ZRResourceIds.h"
#include "ZRProfileContext.h"
#include "ZRProgram.h"
#include "ZrtdeskDoc.h"
#include "ZrtdeskView.h"
#include "resource.h"

#include <new>

namespace
{
const int kStartHelpContext = 26;
const size_t kRecentFiles = 4;

template <class... Arguments>
void Report(int line, UINT stringId, Arguments... arguments)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), stringId, arguments...);
}
}

CZrtdeskApp::CZrtdeskApp(std::string programFolder) : m_programFolder(std::move(programFolder))
{
}

CZrtdeskApp* CZrtdeskApp::Current()
{
    return static_cast<CZrtdeskApp*>(CFwApp::Current());
}

const FwMessageMap* CZrtdeskApp::ClassMessageMap()
{
    static const FwMessageEntry entries[] = {
        FW_ON_COMMAND(ID_CONTEXT_HELP, &CZrtdeskApp::OnContextHelp),
        FW_ON_COMMAND(ID_APP_ABOUT, &CZrtdeskApp::OnAppAbout),
    };
    static const FwMessageMap map{CFwApp::ClassMessageMap(), entries};
    return &map;
}

BOOL CZrtdeskApp::InitInstance()
{
    CFwWaitCursor wait;
    ResetDeskState();
    FwSetHelpContext(kStartHelpContext);
    SetProfileNameWarningId(IDS_ZR_NAME_INVALID_DESK);
    BOOL ok = InstallErrorContext();
    ok = ok && LoadVersionLibrary();
    if (ok)
    {
        CVersionLibrary* library = GetVersionLibrary();
        LoadStdProfileSettings(kRecentFiles, library->GetInstallRootKey(), library->GetInstallKeyPath());
    }
    ok = ok && ReadOptions();
    ok = ok && InstallEnvironmentCallbacks(nullptr);
    if (ok)
    {
        m_libraries.ShareReadingOrder();
    }
    ok = ok && InstallOptionsCallbacks(&m_options);
    ok = ok && LoadTransferManager();
    if (ok)
    {
        m_libraries.LoadLanguageLibrary("Zrtdesk");
        RegisterDocTemplate();
    }
    if (GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
    if (!ok || !RunOpenProfileSheet())
    {
        return FALSE;
    }
    // The sheet can end with OK while no document window came of it: then there is nothing to show and the
    // program ends instead of running without a window.
    HWND main = FwGetMainWindow();
    if (!main)
    {
        return FALSE;
    }
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    return TRUE;
}

int CZrtdeskApp::ExitInstance()
{
    // The document releases its manager before Zrtmgr goes.
    CloseDocumentFlow();
    SaveOptions();
    m_libraries.FreeAll();
    Desk().managerFactory = nullptr;
    return CFwApp::ExitInstance();
}

int CZrtdeskApp::DoMessageBox(const std::string& text, UINT style)
{
    HWND main = FwGetMainWindow();
    HWND owner = main && IsWindow(main) ? FwModalOwner() : nullptr;
    CVersionLibrary* library = GetVersionLibrary();
    std::string caption = library ? library->GetShortProductName() : FwLoadString(IDS_ZR_PRODUCT_LONG_NAME);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

BOOL CZrtdeskApp::LoadVersionLibrary()
{
    if (!m_libraries.LoadVersionLibrary(m_programFolder.empty() ? nullptr : m_programFolder.c_str()))
    {
        Report(__LINE__, IDS_ZRH001_CANNOT_LOAD, CProgramLibraries::kVersionLibraryName);
        return FALSE;
    }
    return TRUE;
}

BOOL CZrtdeskApp::ReadOptions()
{
    m_options.Read(*GetVersionLibrary());
    return TRUE;
}

void CZrtdeskApp::SaveOptions()
{
    CVersionLibrary* library = GetVersionLibrary();
    if (library && m_options.IsModified() && !m_options.Write(*library))
    {
        ShowMessage(IDS_ZRH017_OPTIONS_NOT_SAVED, nullptr, ZRMSG_MODE_BOX, ZRMSG_ERROR);
    }
}

BOOL CZrtdeskApp::LoadTransferManager()
{
    switch (m_libraries.LoadManager())
    {
    case CProgramLibraries::ManagerLoad::CannotLoad:
        Report(__LINE__, IDS_ZRH001_CANNOT_LOAD, CProgramLibraries::kManagerName);
        return FALSE;
    case CProgramLibraries::ManagerLoad::NoFactory:
        Report(__LINE__, IDS_ZRH021_CORRUPTED, CProgramLibraries::kManagerName);
        return FALSE;
    default:
        Desk().managerFactory = m_libraries.GetManagerFactory();
        return TRUE;
    }
}

void CZrtdeskApp::RegisterDocTemplate()
{
    AddDocTemplate(std::make_unique<CFwDocTemplate>(
        IDR_MAINFRAME, [] { return new (std::nothrow) CZrtdeskDoc; }, [] { return new (std::nothrow) CMainFrame; },
        [] { return new (std::nothrow) CZrtdeskView; }));
}

std::unique_ptr<CFwDocManager> CZrtdeskApp::CreateDocManager()
{
    return std::make_unique<CProfileDocManager>();
}

BOOL CZrtdeskApp::RunOpenProfileSheet()
{
    COpenProfileSheet sheet;
    return sheet.DoModal() == IDOK;
}

void CZrtdeskApp::NewProfileKeepingTitle()
{
    CFwDocTemplate* docTemplate = GetDocTemplate();
    if (FwGetMainWindow() && docTemplate && docTemplate->GetDocument())
    {
        CZrtdeskDoc* document = static_cast<CZrtdeskDoc*>(docTemplate->GetDocument());
        document->KeepTitle();
    }
    OnFileNew(0, 0);
}

LRESULT CZrtdeskApp::OnContextHelp(WPARAM, LPARAM)
{
    FwWinHelp(HELP_CONTEXT, static_cast<ULONG_PTR>(FwGetHelpContext()));
    return 0;
}

LRESULT CZrtdeskApp::OnAppAbout(WPARAM, LPARAM)
{
    CAboutDlg about(FwGetMainWindow());
    about.DoModal();
    return 0;
}
