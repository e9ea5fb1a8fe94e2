// The stand-in automation server (XlServer.dll of the build's program folder) in the tests' Wine prefix: its
// registration for the two spreadsheet class ids, and its trace file.
#pragma once

#include <string>
#include <vector>

// Registers the server (its DllRegisterServer); true on success.
bool RegisterAutomationServer();
bool UnregisterAutomationServer();

// While it lives the server is not registered; registered again afterwards. Tests that use it must not run beside
// others that use the server (ctest RESOURCE_LOCK xlserver_registration).
class WithoutAutomationServer
{
public:
    WithoutAutomationServer();
    ~WithoutAutomationServer();
    WithoutAutomationServer(const WithoutAutomationServer&) = delete;
    WithoutAutomationServer& operator=(const WithoutAutomationServer&) = delete;
};

// While it lives the server traces this process's calls into a fresh file (ZRT_XLSERVER_TRACE).
class AutomationTrace
{
public:
    AutomationTrace();
    ~AutomationTrace();
    AutomationTrace(const AutomationTrace&) = delete;
    AutomationTrace& operator=(const AutomationTrace&) = delete;

    std::vector<std::string> Lines() const;
    // The dispatch id and kind of each call, as "572 get", in order.
    std::vector<std::string> Calls() const;
    void Clear() const;

private:
    std::string m_path;
};
