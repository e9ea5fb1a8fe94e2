// One of the library's two browsers. Browser A (the pick browser) shows the host's list in the pick window at the
// end of the list and hands the user's choice back through the profile; browser B keeps the list it is given and
// shows nothing. Open and SetRecordLayout may run on the manager's worker thread, the other calls on the caller's.
#pragma once

#include "BrowseRequest.h"
#include "BrowseRows.h"
#include "BrowseScript.h"
#include "PickWindow.h"

class CHostBrowser
{
public:
    CHostBrowser(char name, HMODULE module, const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                 const EnvironmentCallbacks* environment);
    CHostBrowser(const CHostBrowser&) = delete;
    CHostBrowser& operator=(const CHostBrowser&) = delete;

    BOOL Connect();
    BOOL Disconnect();
    BOOL Open(HANDLE argument);
    BOOL SetRecordLayout(const DSRecordLayout* host);
    BOOL Close();
    BOOL PutField(const DSField* host);
    BOOL NextField();
    BOOL EndOfData();
    int GetRecordCount() const { return static_cast<int>(m_rows.Rows().size()); }

    void ReportOutOfMemory() const;
    // The library is being unloaded: the pick window is asked to close, nobody waits for it.
    void AbandonWindow() { m_window.Abandon(); }

private:
    bool IsPickBrowser() const { return m_name == 'A'; }
    // The list is complete: the script's choice is taken, or the pick window opens.
    BOOL EndOfList();
    BOOL ShowPickWindow();
    // Writes the chosen row's name into the browse parameter of the list, once.
    void HandBackChoice(int row);
    void Report(int line, UINT stringId, const char* argument = nullptr) const;
    void Trace(const std::string& text);

    const char m_name;
    const HMODULE m_module;
    const ProfileCallbacks* m_profile;
    const ErrorSinkFunctions* m_errorSink;
    const EnvironmentCallbacks* m_environment;

    BrowseScript m_script;
    BrowseRequest m_request;
    CBrowseRows m_rows;
    CPickWindow m_window;
    bool m_complete = false;
    bool m_handedBack = false;
    int m_scriptedRow = -1;
};

// The trace of both browsers.
CBrowseTrace& BrowserTrace();
