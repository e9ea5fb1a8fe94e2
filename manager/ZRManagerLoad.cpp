// Choice and loading of the data-source libraries, and the refresh of both sides before a transfer.
#include "ZRManagerModule.h"
#include "ZRManagerStrings.h"

#include <ReportError.h>

#include <cstdio>

namespace
{
const char* HostLibraryName(int connection, int hostType)
{
    switch (connection)
    {
    case ZRCONN_APPC:
        return "ZRTAPPC.DLL";
    case ZRCONN_TCPIP:
        return "ZRTTCP.DLL";
    case ZRCONN_HLLAPI:
        if (hostType == ZRHOST_AS400)
            return "ZRTAS400.DLL";
        if (hostType == ZRHOST_S36)
            return "ZRTS36.DLL";
        return nullptr;
    default:
        return nullptr;
    }
}

const char* PcLibraryName(int type)
{
    if (type == PCFT_VOID)
        return "ZRTVOID.DLL";
    if (type == PCFT_BINARY)
        return "ZRTRAWFILE.DLL";
    if (type >= PCFT_TXT && type <= PCFT_XLS)
        return "ZRTPCFILE.DLL";
    if (type == PCFT_FMT)
        return "ZRTFIELDSPEC.DLL";
    if (type == PCFT_MDB70 || type == PCFT_MDB97)
        return "ZRTJETDB.DLL";
    if (type == PCFT_EXCEL70 || type == PCFT_EXCEL97)
        return "ZRTEXCEL.DLL";
    return nullptr;
}

constexpr char BrowserLibraryName[] = "ZRTHOSTVIEW.DLL";
}

BOOL CZRManager::LoadDataSourceLibrary(const char* name, HMODULE* module, ZRTCreateDataSourceProc* factory) const
{
    *module = nullptr;
    *factory = nullptr;
    char folder[MAX_PATH] = {};
    m_environment->GetEnvString(ZRENV_PROGRAM_FOLDER, folder);
    folder[MAX_PATH - 1] = '\0';
    // Built in a fixed buffer: nothing on the way from an entry of the table may throw.
    char path[2 * MAX_PATH] = {};
    snprintf(path, sizeof path, "%s\\%s", folder, name);

    OwnedModule loaded(LoadLibraryA(path));
    if (!loaded)
    {
        ReportError(ZRM_SOURCE_MANAGER, __LINE__, m_errorSink, g_managerModule, IDS_ZRM006, path);
        return FALSE;
    }
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(loaded.Get(), ZRT_CREATE_OBJECT_EXPORT)));
    if (!create)
    {
        ReportError(ZRM_SOURCE_MANAGER, __LINE__, m_errorSink, g_managerModule, IDS_ZRM006, path);
        return FALSE;
    }
    *module = loaded.Release();
    *factory = create;
    return TRUE;
}

// Takes a newly loaded library into the object. A library loaded again drops the reference of its earlier load,
// so that one FreeLibrary at unload time really unloads it.
void CZRManager::KeepLibrary(HMODULE* kept, HMODULE loaded)
{
    if (*kept)
        FreeLibrary(*kept);
    *kept = loaded;
}

BOOL CZRManager::CallFactory(ZRTCreateDataSourceProc factory, DataSourceFunctions** table, BOOL replace) const
{
    DataSourceFunctions* made = nullptr;
    bool ok = factory(m_profile, m_errorSink, m_options, m_environment, &made, replace) && made;
    *table = ok ? made : nullptr;
    return ok;
}

BOOL CZRManager::LoadHost()
{
    int connection = 0;
    int hostType = 0;
    if (!m_profile->GetGeneral(ZRP_CONNECTION_TYPE, &connection) || !m_profile->GetGeneral(ZRP_HOST_TYPE, &hostType))
        return FALSE;
    const char* name = HostLibraryName(connection, hostType);
    if (!name)
    {
        UINT id = connection == ZRCONN_HLLAPI ? IDS_ZRM008 : IDS_ZRM009;
        ReportError(ZRM_SOURCE_MANAGER, __LINE__, m_errorSink, g_managerModule, id);
        return FALSE;
    }
    HMODULE module = nullptr;
    ZRTCreateDataSourceProc factory = nullptr;
    if (!LoadDataSourceLibrary(name, &module, &factory))
        return FALSE;
    // The library stays loaded even when its factory fails; unloading frees it.
    KeepLibrary(&m_hostLibrary, module);
    int transferType = 0;
    m_hostTransferType = m_profile->GetGeneral(ZRP_TRANSFER_TYPE, &transferType) ? transferType : 0;
    bool ok = CallFactory(factory, &m_host, FALSE);
    PointSourceAndDestination();
    return ok;
}

BOOL CZRManager::ReadPcFileType(int* type) const
{
    *type = 0;
    return m_profile->GetPc(ZRP_PC_FILE_TYPE, type);
}

BOOL CZRManager::LoadPc(BOOL replace)
{
    int type = 0;
    if (!ReadPcFileType(&type))
        return FALSE;
    const char* name = PcLibraryName(type);
    if (!name)
    {
        ReportError(ZRM_SOURCE_MANAGER, __LINE__, m_errorSink, g_managerModule, IDS_ZRM007);
        return FALSE;
    }
    HMODULE module = nullptr;
    ZRTCreateDataSourceProc factory = nullptr;
    if (!LoadDataSourceLibrary(name, &module, &factory))
        return FALSE;
    KeepLibrary(&m_pcLibrary, module);
    m_pcFactory = factory;
    m_pcFileType = 0;
    bool ok = CallFactory(factory, &m_pc, replace);
    if (ok)
        m_pcFileType = type;
    PointSourceAndDestination();
    return ok;
}

BOOL CZRManager::LoadBrowser()
{
    HMODULE module = nullptr;
    ZRTCreateDataSourceProc factory = nullptr;
    if (!LoadDataSourceLibrary(BrowserLibraryName, &module, &factory))
        return FALSE;
    KeepLibrary(&m_browserLibrary, module);
    m_browserB = nullptr;
    return CallFactory(factory, &m_browserA, TRUE) && CallFactory(factory, &m_browserB, FALSE);
}

namespace
{
int PcLibraryGroup(int type)
{
    if (type >= PCFT_TXT && type <= PCFT_XLS)
        return PCFT_TXT;
    if (type == PCFT_MDB97)
        return PCFT_MDB70;
    if (type == PCFT_EXCEL97)
        return PCFT_EXCEL70;
    return type;
}
}

PcTypeChange CZRManager::ComparePcType() const
{
    int type = 0;
    if (!ReadPcFileType(&type))
        return PC_TYPE_REFUSED;
    if (m_pcFileType == 0)
        return PC_TYPE_NONE_LOADED;
    if (type == m_pcFileType)
        return PC_TYPE_UNCHANGED;
    if (type < PCFT_FIRST || type > PCFT_LAST)
    {
        ReportError(ZRM_SOURCE_MANAGER, __LINE__, m_errorSink, g_managerModule, IDS_ZRM007);
        return PC_TYPE_REFUSED;
    }
    return PcLibraryGroup(type) == PcLibraryGroup(m_pcFileType) ? PC_TYPE_SAME_GROUP : PC_TYPE_OTHER_GROUP;
}

// The loaded library serves the new type too: its kept factory replaces its data source, without loading the
// library a second time.
BOOL CZRManager::ReplacePcDataSource()
{
    int type = 0;
    if (!m_pcFactory || !ReadPcFileType(&type))
        return FALSE;
    m_pcFileType = 0;
    bool ok = CallFactory(m_pcFactory, &m_pc, TRUE);
    if (ok)
        m_pcFileType = type;
    PointSourceAndDestination();
    return ok;
}

// The profile's PC file type may have changed since the PC library was loaded.
BOOL CZRManager::RefreshPc()
{
    switch (ComparePcType())
    {
    case PC_TYPE_NONE_LOADED:
        return LoadPc(FALSE) && ConnectPc();
    case PC_TYPE_OTHER_GROUP:
        DisconnectPc();
        UnloadPc();
        return LoadPc(FALSE) && ConnectPc();
    case PC_TYPE_SAME_GROUP:
        DisconnectPc();
        return ReplacePcDataSource() && ConnectPc();
    case PC_TYPE_UNCHANGED:
        return TRUE;
    default:
        return FALSE;
    }
}

// A host data source is made for one transfer type (an AS/400 library chooses its text or binary kind then). When
// the profile's type has changed since, as after the new-profile wizard, the host side is loaded again.
BOOL CZRManager::RefreshHost()
{
    int transferType = 0;
    if (!m_hostLibrary || !m_profile->GetGeneral(ZRP_TRANSFER_TYPE, &transferType) ||
        transferType == m_hostTransferType)
        return TRUE;
    DisconnectHost();
    UnloadHost();
    return LoadHost() && ConnectHost();
}
