// CZrtbatchApp: Zrtbatch's start-up: the shared services in their order, the command line and the starter's
// events, the transfer manager library, then the main dialog.
#pragma once

#include "CommandLine.h"
#include "FwApp.h"
#include "OwnedHandles.h"
#include "ProgramLibraries.h"
#include "ZRManagerTable.h"
#include "ZROptions.h"

#include <string>
#include <vector>

class CZrtbatchApp : public CFwApp
{
public:
    CZrtbatchApp() = default;

    // Runs the start-up and, when it succeeded, the main dialog; always FALSE (no message loop follows).
    BOOL InitInstance() override;
    int ExitInstance() override;

    // What the main dialog reads.
    const std::vector<std::string>& GetRunList() const { return m_runList; }
    BOOL IsList() const { return m_isList; }
    const std::string& GetCommandLinePath() const { return m_commandLinePath; }
    ZRTCreateManagerProc GetManagerFactory() const { return m_libraries.GetManagerFactory(); }
    HANDLE GetFailureEvent() const { return m_hFailureEvent.Get(); }
    HANDLE GetSuccessEvent() const { return m_hSuccessEvent.Get(); }

private:
    void OpenStarterEvents(const std::string& name);
    BOOL ReadCommandLine(const BatchCommandLine& command);
    BOOL ReadProfileList();
    BOOL LoadTransferManager();
    void RunMainDialog();

    std::vector<std::string> m_runList;
    std::string m_commandLinePath;
    bool m_isList = false;
    OwnedEvent m_hFailureEvent;
    OwnedEvent m_hSuccessEvent;
    CProgramLibraries m_libraries;
    CZROptions m_options;
};
