#include "ManagerTestBed.h"

#include <stdexcept>

namespace
{
// The environment's program folder is the test's own folder, so that the manager loads the libraries put there.
std::string g_libraryFolder;
decltype(EnvironmentCallbacks::GetEnvString) g_originalGetEnvString = nullptr;

BOOL ZRTAPI GetTestEnvString(int kind, void* destination)
{
    if (kind != ZRENV_PROGRAM_FOLDER)
        return g_originalGetEnvString(kind, destination);
    lstrcpynA(static_cast<char*>(destination), g_libraryFolder.c_str(), MAX_PATH);
    return TRUE;
}
}

HMODULE ManagerLibrary()
{
    static HMODULE library = LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\Zrtmgr.dll").c_str());
    if (!library)
        throw std::runtime_error("cannot load Zrtmgr.dll");
    return library;
}

ManagerTestBed::ManagerTestBed(int direction, int hostType, int transferType)
    : m_tables(hostType, direction, transferType)
{
    m_tables.Set(ZRP_NOTIFY_MESSAGE, static_cast<int>(kTestMessage));
    m_tables.Set(ZRP_PC_FILE_TYPE, PCFT_CSV);
    m_tables.SetOption(ZRO_CONFIRM_CREATING, 0);
    m_tables.SetOption(ZRO_CONFIRM_REPLACING, 0);
    EnvironmentCallbacks* environment = m_tables.EnvironmentTable();
    if (environment->GetEnvString != GetTestEnvString)
        g_originalGetEnvString = environment->GetEnvString;
    environment->GetEnvString = GetTestEnvString;
    environment->hwndNotify = m_recorder.Window();
    g_libraryFolder = m_folder.Path();
}

ManagerTestBed::~ManagerTestBed()
{
    Release();
    m_tables.EnvironmentTable()->GetEnvString = g_originalGetEnvString;
}

BOOL ManagerTestBed::Create()
{
    auto create = reinterpret_cast<ZRTCreateManagerProc>(
        reinterpret_cast<void*>(GetProcAddress(ManagerLibrary(), ZRT_CREATE_OBJECT_EXPORT)));
    bool ok = create(m_tables.ProfileTable(), m_errors.Sink(), m_tables.OptionTable(), m_tables.EnvironmentTable(),
                     &m_functions);
    m_released = m_functions == nullptr;
    return ok;
}

void ManagerTestBed::Release()
{
    if (!m_released && m_functions)
        m_functions->Release();
    m_released = true;
}

std::vector<std::pair<WPARAM, LPARAM>> ManagerTestBed::Notifications()
{
    m_recorder.Settle();
    std::vector<std::pair<WPARAM, LPARAM>> notifications;
    for (const RecordedMessage& recorded : m_recorder.Messages())
        if (recorded.message == kTestMessage)
            notifications.emplace_back(recorded.wParam, recorded.lParam);
    return notifications;
}

LPARAM ManagerTestBed::WaitForRequestDone(DWORD timeoutMs)
{
    if (!m_recorder.WaitFor(kTestMessage, ZRM_NOTIFY_REQUEST_DONE, timeoutMs))
        return -1;
    for (const RecordedMessage& recorded : m_recorder.Messages())
        if (recorded.message == kTestMessage && recorded.wParam == ZRM_NOTIFY_REQUEST_DONE)
            return recorded.lParam;
    return -1;
}
