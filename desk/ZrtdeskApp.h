// CZrtdeskApp: Zrtdesk's start-up (the shared services in their order, the version library, the transfer manager
// library, the optional resource library, the one document template, then the start-up sheet), its exit and its
// help commands.
#pragma once

#include "FwApp.h"
#include "ProgramLibraries.h"
#include "ZROptions.h"

#include <memory>
#include <string>

class CZrtdeskApp : public CFwApp
{
    FW_DECLARE_MESSAGE_MAP()

public:
    // The program folder is the program file's folder unless `programFolder` names another (tests).
    explicit CZrtdeskApp(std::string programFolder = std::string());

    static CZrtdeskApp* Current();

    // The start-up; TRUE only when every step succeeded, the start-up sheet ended with OK and a main window exists.
    BOOL InitInstance() override;
    int ExitInstance() override;
    // Message boxes of the framework, captioned and owned as the program's own.
    int DoMessageBox(const std::string& text, UINT style) override;

    // The start-up sheet, modal without a parent; TRUE when it ended with OK.
    BOOL RunOpenProfileSheet();
    // New through the framework; an open document keeps its title first, so that a cancelled wizard can give it
    // back.
    void NewProfileKeepingTitle();
    CZROptions& GetOptions() { return m_options; }

protected:
    std::unique_ptr<CFwDocManager> CreateDocManager() override;

private:
    BOOL LoadVersionLibrary();
    BOOL LoadTransferManager();
    BOOL ReadOptions();
    void SaveOptions();
    void RegisterDocTemplate();

    LRESULT OnContextHelp(WPARAM wParam, LPARAM lParam);
    LRESULT OnAppAbout(WPARAM wParam, LPARAM lParam);

    std::string m_programFolder;
    CProgramLibraries m_libraries;
    CZROptions m_options;
};
