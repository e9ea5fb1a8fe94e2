#include "FakeCallerTables.h"

#include "VersionLibrary.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZROptions.h"
#include "ZRProfileHllAPI.h"

namespace
{
// Parameters whose value is a text (303 is a single character and counts as one).
bool IsTextParameter(int id)
{
    return (id >= ZRP_NOTIFY_TEXT_1 && id <= ZRP_NOTIFY_TEXT_4) || id == ZRP_PC_FILE_NAME ||
           (id >= ZRP_PRESENTATION_SPACE_ID && id <= ZRP_HOST_TARGET_NAME && id != ZRP_HOST_FILE_TYPE) ||
           (id >= ZRP_SQL_SYSTEM_NAME && id <= ZRP_SQL_EXTRA_TEXT && id != ZRP_SQL_FRESH) ||
           (id >= ZRP_BROWSE_REQUEST && id <= ZRP_BROWSE_CURRENT);
}

bool SetThroughTables(int id, const void* source)
{
    const ProfileCallbacks& table = g_profileCallbacks;
    return table.SetGeneral(id, source) || table.SetNotify(id, source) || table.SetPc(id, source) ||
           table.SetHost(id, source) || table.SetBrowse(id, source);
}

bool GetThroughTables(int id, void* destination)
{
    const ProfileCallbacks& table = g_profileCallbacks;
    return table.GetGeneral(id, destination) || table.GetNotify(id, destination) || table.GetPc(id, destination) ||
           table.GetHost(id, destination) || table.GetBrowse(id, destination);
}

// Room for the value of a text parameter, its terminating zero included.
int TextSize(int id)
{
    const ProfileCallbacks& table = g_profileCallbacks;
    for (int size : {table.GetNotifySize(id), table.GetPcSize(id), table.GetHostSize(id)})
    {
        if (size > 0)
            return size + 1;
    }
    return ZR_BROWSE_REQUEST_SIZE;
}
}

CFakeCallerTables::CFakeCallerTables(int hostType, int direction, int transferType)
    : m_options(std::make_unique<CZROptions>())
{
    InstallErrorContext();
    ClearErrorList();
    InstallOptionsCallbacks(m_options.get());
    if (GetVersionLibrary() == nullptr)
    {
        m_versionLibrary = std::make_unique<CVersionLibrary>("\\Zrthelp.hlp");
        SetVersionLibrary(m_versionLibrary.get());
    }
    InstallEnvironmentCallbacks(nullptr);
    g_environmentCallbacks.rightToLeft = GetVersionLibrary()->IsRightToLeft();
    g_environmentCallbacks.hdcReorder = GetVersionLibrary()->GetReorderDC();

    m_profile = std::make_unique<CZRProfileHllAPI>(ZRCONN_HLLAPI, hostType, direction, transferType);
    m_profile->CreatePcRequest();
    m_profile->CreateHostRequest();
    InstallProfileCallbacks(m_profile.get());
}

CFakeCallerTables::~CFakeCallerTables()
{
    InstallProfileCallbacks(nullptr);
    InstallOptionsCallbacks(nullptr);
    if (m_versionLibrary != nullptr)
        SetVersionLibrary(nullptr);
    ClearErrorList();
}

const ProfileCallbacks* CFakeCallerTables::ProfileTable() const
{
    return &g_profileCallbacks;
}

const ErrorSinkFunctions* CFakeCallerTables::ErrorTable() const
{
    return GetErrorSinkFunctions();
}

const OptionCallbacks* CFakeCallerTables::OptionTable() const
{
    return &g_optionCallbacks;
}

EnvironmentCallbacks* CFakeCallerTables::EnvironmentTable() const
{
    return &g_environmentCallbacks;
}

bool CFakeCallerTables::HasVersionLibrary() const
{
    return GetVersionLibrary()->GetStatus() == ZRVL_READY;
}

bool CFakeCallerTables::Set(int id, int value)
{
    return !IsTextParameter(id) && SetThroughTables(id, &value);
}

bool CFakeCallerTables::Set(int id, const char* text)
{
    return IsTextParameter(id) && SetThroughTables(id, text);
}

bool CFakeCallerTables::SetOption(int id, int value)
{
    return id != ZRO_DEFAULT_DIRECTORY && g_optionCallbacks.SetOption(id, &value);
}

int CFakeCallerTables::GetInt(int id) const
{
    int value = 0;
    if (IsTextParameter(id) || !GetThroughTables(id, &value))
        return 0;
    return value;
}

std::string CFakeCallerTables::GetText(int id) const
{
    if (!IsTextParameter(id))
        return std::string();
    std::string value(TextSize(id), '\0');
    if (!GetThroughTables(id, value.data()))
        return std::string();
    if (id == ZRP_PRESENTATION_SPACE_ID)
        return value.substr(0, 1);
    return value.c_str();
}

std::vector<std::string> TakeErrorListTexts()
{
    std::vector<std::string> texts;
    GetErrorList().Drain([&texts](const ErrorRecord& record) { texts.emplace_back(record.text); });
    return texts;
}

std::vector<std::string> CFakeCallerTables::TakeErrors()
{
    return TakeErrorListTexts();
}
