// The application object: start-up, the message loop and exit of a program built on the framework.
#pragma once

#include <windows.h>
#include <string>

class CFwApp
{
public:
    CFwApp();
    virtual ~CFwApp();
    CFwApp(const CFwApp&) = delete;
    CFwApp& operator=(const CFwApp&) = delete;

    // The program's one application object.
    static CFwApp* Current();

    // Start-up: TRUE runs the message loop, FALSE ends the program at once.
    virtual BOOL InitInstance() = 0;
    // Runs when the program ends; the result is the program's exit code.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT.
    virtual int Run();

    // The command line without the program name.
    const std::string& GetCommandTail() const { return m_commandTail; }

    // Called by WinMain: sets up the module state, runs InitInstance, the loop when it succeeded, and ExitInstance.
    // The exit code is ExitInstance's result (0 unless a program says otherwise).
    int Main(HINSTANCE instance, const char* commandLine);

private:
    std::string m_commandTail;
    int m_quitCode = 0;
};
