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
    if (ok && !m_libraries.LoadVersionLibrary(nullptr))
    {
        Report(__LINE__, IDS_ZRG001_CANNOT_LOAD, CProgramLibraries::kVersionLibraryName);
        ok = false;
    }
    if (ok)
    {
        m_libraries.LoadLanguageLibrary("Zrtbatch");
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
    m_libraries.ShareReadingOrder();
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
    m_libraries.FreeAll();
    return CFwApp::ExitInstance();
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
    switch (m_libraries.LoadManager())
    {
    case CProgramLibraries::ManagerLoad::CannotLoad:
        Report(__LINE__, IDS_ZRG001_CANNOT_LOAD, CProgramLibraries::kManagerName);
        return FALSE;
    case CProgramLibraries::ManagerLoad::NoFactory:
        Report(__LINE__, IDS_ZRG013_CORRUPTED, CProgramLibraries::kManagerName);
        return FALSE;
    default:
        return TRUE;
    }
}
