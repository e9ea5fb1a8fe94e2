#include "Zrtbatch.h"

#include "ErrorListDialog.h"
#include "FwModule.h"
#include "FwText.h"
#include "ReportError.h"
#include "VersionLibrary.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRProfileContext.h"
#include "ZRProfileListFile.h"
#include "ZRProgram.h"
#include "ZrtbatchDlg.h"
#include "resource.h"

#include <new>

namespace
{
const int kHelpContext = 49;
const char kHelpFileName[] = "\\Zrthelp.hlp";
const char kVersionLibraryName[] = "Zrtver.dll";
const char kManagerName[] = "Zrtmgr.dll";

template <class... Arguments>
void Report(int line, UINT stringId, Arguments... arguments)
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), stringId, arguments...);
}
}

BOOL CZrtbatchApp::InitInstance()
{
    FwSetHelpContext(kHelpContext);
    SetProfileNameWarningId(IDS_ZRG016_ENTRY_UNREADABLE);
    bool ok = InstallErrorContext();
    ok = ok && LoadVersionLibrary();
    if (ok)
    {
        LoadResourceLibrary();
    }
    // The starter waits for one of its events: they are opened even after a failed step, so that Failure can be set.
    BatchCommandLine command = ParseCommandTail(GetCommandTail());
    if (command.hasEvent)
    {
        OpenStarterEvents(command.eventName);
    }
    ok = ok && ReadCommandLine(command);
    if (ok)
    {
        m_options.Read(*GetVersionLibrary());
    }
    ok = ok && InstallOptionsCallbacks(&m_options);
    ok = ok && InstallEnvironmentCallbacks(nullptr);
    if (CVersionLibrary* library = GetVersionLibrary())
    {
        g_environmentCallbacks.rightToLeft = library->IsRightToLeft();
        g_environmentCallbacks.hdcReorder = library->GetReorderDC();
    }
    ok = ok && LoadTransferManager();
    // A scheduler waits for the outcome, not for the user: Failure is set before the error list waits for a person.
    if (!ok && m_hFailureEvent)
    {
        SetEvent(m_hFailureEvent.Get());
    }
    if (!ok || GetErrorList().HasRecords())
    {
        ShowErrorList(FALSE);
    }
    if (ok)
    {
        RunMainDialog();
    }
    return FALSE;
}

void CZrtbatchApp::RunMainDialog()
{
    CZrtbatchDlg dialog(*this);
    dialog.DoModal();
    FwSetMainWindow(nullptr);
}

int CZrtbatchApp::ExitInstance()
{
    m_hFailureEvent.Reset();
    m_hSuccessEvent.Reset();
    m_managerModule.Reset();
    if (m_resourceModule)
    {
        FwSetResourceModule(nullptr);
        m_resourceModule.Reset();
    }
    delete GetVersionLibrary();
    SetVersionLibrary(nullptr);
    return CFwApp::ExitInstance();
}

BOOL CZrtbatchApp::LoadVersionLibrary()
{
    CVersionLibrary* library = new (std::nothrow) CVersionLibrary(kHelpFileName);
    if (!library || library->GetStatus() != ZRVL_READY)
    {
        delete library;
        SetVersionLibrary(nullptr);
        Report(__LINE__, IDS_ZRG001_CANNOT_LOAD, kVersionLibraryName);
        return FALSE;
    }
    SetVersionLibrary(library);
    FwSetHelpFile(library->GetHelpFilePath());
    return TRUE;
}

void CZrtbatchApp::LoadResourceLibrary()
{
    const CVersionLibrary& library = *GetVersionLibrary();
    std::string path = library.GetProgramFolder() + FwFormat("\\Zrtbatch%s.dll", library.GetUILanguage().c_str());
    m_resourceModule.Reset(LoadLibraryA(path.c_str()));
    if (m_resourceModule)
    {
        FwSetResourceModule(m_resourceModule.Get());
    }
}

void CZrtbatchApp::OpenStarterEvents(const std::string& name)
{
    m_hFailureEvent.Reset(OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "Failure").c_str()));
    m_hSuccessEvent.Reset(OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "Success").c_str()));
}

BOOL CZrtbatchApp::ReadCommandLine(const BatchCommandLine& command)
{
    m_commandLinePath = command.path;
    switch (ClassifyBatchPath(m_commandLinePath))
    {
    case BatchPathKind::Missing:
        Report(__LINE__, IDS_ZRG004_NO_PROFILE);
        return FALSE;
    case BatchPathKind::Profile:
        m_isList = false;
        m_runList.push_back(m_commandLinePath);
        return TRUE;
    case BatchPathKind::List:
        m_isList = true;
        return ReadProfileList();
    default:
        Report(__LINE__, IDS_ZRG003_BAD_EXTENSION, m_commandLinePath.c_str());
        return FALSE;
    }
}

BOOL CZrtbatchApp::ReadProfileList()
{
    switch (ReadProfileListFile(m_commandLinePath, m_runList))
    {
    case ProfileListResult::Read:
        return TRUE;
    case ProfileListResult::CannotOpen:
        Report(__LINE__, IDS_ZRG007_CANNOT_OPEN, m_commandLinePath.c_str());
        return FALSE;
    case ProfileListResult::ReadError:
        Report(__LINE__, IDS_ZRG008_LIST_CORRUPTED, m_commandLinePath.c_str());
        return FALSE;
    default:
        Report(__LINE__, IDS_ZRG009_LIST_EMPTY, m_commandLinePath.c_str());
        return FALSE;
    }
}

BOOL CZrtbatchApp::LoadTransferManager()
{
    std::string path = GetVersionLibrary()->GetProgramFolder() + "\\" + kManagerName;
    m_managerModule.Reset(LoadLibraryA(path.c_str()));
    if (!m_managerModule)
    {
        Report(__LINE__, IDS_ZRG001_CANNOT_LOAD, kManagerName);
        return FALSE;
    }
    m_managerFactory = reinterpret_cast<ZRTCreateManagerProc>(
        reinterpret_cast<void*>(GetProcAddress(m_managerModule.Get(), ZRT_CREATE_OBJECT_EXPORT)));
    if (!m_managerFactory)
    {
        Report(__LINE__, IDS_ZRG013_CORRUPTED, kManagerName);
        return FALSE;
    }
    return TRUE;
}
