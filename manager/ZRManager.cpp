// The manager object: construction, notifications, connecting and disconnecting, unloading, and the two kinds.
#include "ZRManager.h"

CZRManager::CZRManager(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                       const OptionCallbacks* options, const EnvironmentCallbacks* environment)
    : m_profile(profile), m_errorSink(errorSink), m_options(options), m_environment(environment)
{
}

CZRManager::~CZRManager()
{
    ForgetCancelEvent();
}

void CZRManager::ReadMessageNumber()
{
    int number = 0;
    if (m_profile->GetNotify(ZRP_NOTIFY_MESSAGE, &number))
        m_messageNumber = static_cast<UINT>(number);
}

void CZRManager::NotifyStep(int step) const
{
    HWND window = m_environment->hwndNotify;
    if (IsWindow(window))
        PostMessageA(window, m_messageNumber, ZRM_NOTIFY_STEP, step);
}

void CZRManager::NotifyRequestDone(BOOL result) const
{
    HWND window = m_environment->hwndNotify;
    if (IsWindow(window))
        PostMessageA(window, m_messageNumber, ZRM_NOTIFY_REQUEST_DONE, result ? 1 : 0);
}

void CZRManager::NotifyRecordCount(int count) const
{
    HWND window = m_environment->hwndNotify;
    if (window)
        PostMessageA(window, m_messageNumber, ZRM_NOTIFY_RECORD_COUNT, static_cast<DWORD>(count));
}

// A side that is not loaded cannot be connected: its load failure has been reported already.
BOOL CZRManager::ConnectHost()
{
    return m_host && m_host->Connect();
}

BOOL CZRManager::QueryHostInfo(char* text, int* number1, int* number2)
{
    return m_host && m_host->QueryInfo(text, number1, number2);
}

BOOL CZRManager::ConnectPc()
{
    return m_pc && m_pc->Connect();
}

BOOL CZRManager::ConnectBrowser()
{
    return m_browserA && m_browserA->Connect();
}

BOOL CZRManager::DisconnectHost()
{
    return !m_host || m_host->Disconnect();
}

BOOL CZRManager::DisconnectPc()
{
    return !m_pc || m_pc->Disconnect();
}

BOOL CZRManager::DisconnectBrowser()
{
    return !m_browserA || m_browserA->Disconnect();
}

BOOL CZRManager::DisconnectAll()
{
    // Every side is tried, even after a failure.
    bool pc = DisconnectPc();
    bool host = DisconnectHost();
    bool browserA = DisconnectBrowser();
    bool browserB = !m_browserB || m_browserB->Disconnect();
    return pc && host && browserA && browserB;
}

BOOL CZRManager::UnloadHost()
{
    if (m_hostLibrary)
        FreeLibrary(m_hostLibrary);
    m_hostLibrary = nullptr;
    m_host = nullptr;
    m_hostTransferType = 0;
    PointSourceAndDestination();
    return TRUE;
}

BOOL CZRManager::UnloadPc()
{
    if (m_pcLibrary)
        FreeLibrary(m_pcLibrary);
    m_pcLibrary = nullptr;
    m_pc = nullptr;
    m_pcFileType = 0;
    m_pcFactory = nullptr;
    PointSourceAndDestination();
    return TRUE;
}

BOOL CZRManager::UnloadBrowser()
{
    if (m_browserLibrary)
        FreeLibrary(m_browserLibrary);
    m_browserLibrary = nullptr;
    m_browserA = nullptr;
    m_browserB = nullptr;
    return TRUE;
}

void CZRManagerHostToPc::PointSourceAndDestination()
{
    m_source = m_host;
    m_destination = m_pc;
}

void CZRManagerPcToHost::PointSourceAndDestination()
{
    m_source = m_pc;
    m_destination = m_host;
}
