// One transfer manager under test: Zrtmgr.dll of the build, created over the fake caller tables of an in-memory
// profile, with a captured error sink, the notification recorder as notification window, and a folder of its own
// from which the manager loads its data-source libraries (the scripted fake under the names a test installs).
#pragma once

#include "ErrorSinkCapture.h"
#include "FakeCallerTables.h"
#include "FakeSourceFolder.h"
#include "NotificationRecorder.h"

#include <ZRContracts.h>

#include <string>
#include <utility>
#include <vector>

// Message number of the manager's requests and notifications in the tests.
constexpr UINT kTestMessage = 1028;

class ManagerTestBed
{
public:
    // A host-to-PC or PC-to-host HLLAPI profile for an AS/400 or System/36 host; PC file type CSV.
    explicit ManagerTestBed(int direction = ZRDIR_HOST_TO_PC, int hostType = ZRHOST_AS400,
                            int transferType = ZRTT_CONVERSION);
    ~ManagerTestBed();
    ManagerTestBed(const ManagerTestBed&) = delete;
    ManagerTestBed& operator=(const ManagerTestBed&) = delete;

    // Zrtmgr's ZRTCreateObject over the tables; the manager's table is then Manager().
    BOOL Create();
    ZRMFunctions& Manager() const { return *m_functions; }
    bool HasManager() const { return m_functions != nullptr; }
    // Entry 36, once.
    void Release();

    CFakeCallerTables& Tables() { return m_tables; }
    ErrorSinkCapture& Errors() { return m_errors; }
    FakeSourceFolder& Folder() { return m_folder; }
    NotificationRecorder& Recorder() { return m_recorder; }

    // The notifications posted so far with the test's message number, as (wParam, lParam) pairs, once every
    // message posted before the call has arrived.
    std::vector<std::pair<WPARAM, LPARAM>> Notifications();
    // Waits for notification 12 (an asynchronous request has finished) and gives its lParam, or -1 on time-out.
    LPARAM WaitForRequestDone(DWORD timeoutMs = 20000);

private:
    ErrorSinkCapture m_errors;
    CFakeCallerTables m_tables;
    FakeSourceFolder m_folder;
    NotificationRecorder m_recorder;
    ZRMFunctions* m_functions = nullptr;
    bool m_released = false;
};

// Shortcuts for expected notifications.
inline std::pair<WPARAM, LPARAM> Step(LPARAM step)
{
    return {ZRM_NOTIFY_STEP, step};
}
inline std::pair<WPARAM, LPARAM> Count(LPARAM count)
{
    return {ZRM_NOTIFY_RECORD_COUNT, count};
}
inline std::pair<WPARAM, LPARAM> Done(LPARAM result)
{
    return {ZRM_NOTIFY_REQUEST_DONE, result};
}

// Zrtmgr.dll of the build, loaded once for the test program.
HMODULE ManagerLibrary();
