// The application object: start-up, the message loop and exit of a program built on the framework, and, for a
// single-document program, its document template, document manager, recent-file list and File commands.
#pragma once

#include "FwCmdTarget.h"

#include <memory>
#include <string>

class CFwDocManager;
class CFwDocTemplate;
class CFwDocument;
class CFwRecentFileList;

class CFwApp : public CFwCmdTarget
{
    FW_DECLARE_MESSAGE_MAP()

public:
    CFwApp();
    ~CFwApp() override;

    // The program's one application object.
    static CFwApp* Current();

    // Start-up: TRUE runs the message loop, FALSE ends the program at once.
    virtual BOOL InitInstance() = 0;
    // Runs when the program ends; the result is the program's exit code.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; the main window's object sees each message first, and the idle update runs
    // whenever the queue has run empty.
    virtual int Run();
    // Idle work: the main frame's toolbar update.
    virtual void OnIdle();

    // The command line without the program name.
    const std::string& GetCommandTail() const { return m_commandTail; }

    // Called by WinMain: sets up the module state, runs InitInstance, the loop when it succeeded, and ExitInstance.
    // The exit code is ExitInstance's result (0 unless a program says otherwise).
    int Main(HINSTANCE instance, const char* commandLine);

    // Single-document programs. The first template makes the document manager (CreateDocManager).
    void AddDocTemplate(std::unique_ptr<CFwDocTemplate> docTemplate);
    CFwDocTemplate* GetDocTemplate() const { return m_template.get(); }
    CFwDocManager* GetDocManager() const { return m_docManager.get(); }
    // New (null) or Open through the template.
    virtual CFwDocument* OpenDocumentFile(const char* path);
    // Keeps `size` recent files (at most CFwRecentFileList::kMaxSize) in the registry under `path` of `root`.
    void LoadStdProfileSettings(size_t size, HKEY root, const std::string& path);
    CFwRecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }
    void AddToRecentFileList(const std::string& path);
    // Writes the recent-file list back and destroys the template with its document.
    void CloseDocumentFlow();

    // Message boxes of the framework (the save question): over the innermost modal window (FwModalOwner).
    virtual int DoMessageBox(const std::string& text, UINT style);

    LRESULT OnFileNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnFileOpen(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenRecentFile(WPARAM wParam, LPARAM lParam);
    LRESULT OnAppExit(WPARAM wParam, LPARAM lParam);

protected:
    virtual std::unique_ptr<CFwDocManager> CreateDocManager();

private:
    std::string m_commandTail;
    int m_quitCode = 0;
    std::unique_ptr<CFwDocManager> m_docManager;
    std::unique_ptr<CFwDocTemplate> m_template;
    std::unique_ptr<CFwRecentFileList> m_recentFiles;
};
