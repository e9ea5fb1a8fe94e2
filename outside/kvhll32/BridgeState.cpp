#include "BridgeState.h"

#include <algorithm>

#include "CodePage037.h"
#include "StoreFiles.h"

namespace kvhll
{
namespace
{

constexpr const char* kStoreVariable = "ZRT_HOST_DIR";
constexpr DWORD kLookInterval = 100;

std::string DefaultStoreFolder(HMODULE module)
{
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    return JoinPath(folder, "host");
}

bool SameStamp(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b)
{
    return a.ftLastWriteTime.dwLowDateTime == b.ftLastWriteTime.dwLowDateTime &&
           a.ftLastWriteTime.dwHighDateTime == b.ftLastWriteTime.dwHighDateTime && a.nFileSizeLow == b.nFileSizeLow &&
           a.nFileSizeHigh == b.nFileSizeHigh;
}

std::string Row(const Screen& screen, int row)
{
    std::string text = screen.ReadAnsi(PositionOf(row, 1), kColumns);
    size_t end = text.find_last_not_of(' ');
    return text.substr(0, end == std::string::npos ? 0 : end + 1);
}

}  // namespace

BridgeState::BridgeState(HMODULE module) : module_(module), started_(GetTickCount())
{
}

void BridgeState::Refresh(DWORD now, bool force)
{
    if (scenarioRead_ && !force && now - lastLook_ < kLookInterval)
    {
        return;
    }
    lastLook_ = now;
    char value[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(kStoreVariable, value, sizeof value);
    std::string folder = (length > 0 && length < sizeof value) ? std::string(value, length)
                                                               : DefaultStoreFolder(module_);
    std::string path = JoinPath(folder, "SCENARIO.INI");
    WIN32_FILE_ATTRIBUTE_DATA stamp{};
    bool present = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &stamp) != 0;
    if (scenarioRead_ && folder == storeFolder_ && present == scenarioPresent_ &&
        (!present || SameStamp(stamp, scenarioStamp_)))
    {
        return;
    }
    storeFolder_ = folder;
    scenarioPresent_ = present;
    scenarioStamp_ = stamp;
    IniFile file;
    file.Load(path);
    scenario_ = ReadScenario(file);
    scenarioRead_ = true;
    trace_.SetFile(scenario_.trace.empty() ? std::string() : JoinPath(storeFolder_, scenario_.trace));
    Apply();
}

void BridgeState::Apply()
{
    for (auto it = sessions_.begin(); it != sessions_.end();)
    {
        it = scenario_.sessions.count(it->first) ? std::next(it) : sessions_.erase(it);
    }
    if (connected_ && !sessions_.count(connected_))
    {
        connected_ = 0;
    }
    for (const auto& [letter, settings] : scenario_.sessions)
    {
        std::unique_ptr<Session>& session = sessions_[letter];
        if (!session)
        {
            session = std::make_unique<Session>(letter);
            session->SetObserver([this](char shown, const Screen& screen) {
                if (trace_.IsOn())
                {
                    trace_.Line(std::string("        host ") + shown + " row1=" + Trace::Quote(Row(screen, 1)) +
                                " row24=" + Trace::Quote(Row(screen, 24)));
                }
            });
        }
        session->Configure(settings, storeFolder_, HostNow());
    }
}

void BridgeState::Tick(HostTime now)
{
    for (auto& entry : sessions_)
    {
        entry.second->Tick(now);
    }
}

HostTime BridgeState::Due(HostTime now) const
{
    HostTime due = kNever;
    for (const auto& entry : sessions_)
    {
        due = std::min(due, entry.second->Due(now));
    }
    return due;
}

Session* BridgeState::Find(char letter)
{
    auto it = sessions_.find(letter);
    return it == sessions_.end() ? nullptr : it->second.get();
}

}  // namespace kvhll
