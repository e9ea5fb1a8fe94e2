// Everything the bridge keeps for its process: the host store folder, the scenario, the sessions, the
// connected session, the session parameters and the trace. One lock guards it; every entry takes it.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "Scenario.h"
#include "Session.h"
#include "Trace.h"

namespace kvhll
{

class BridgeState
{
public:
    explicit BridgeState(HMODULE module);

    // Reads the store folder and, when the scenario file changed, the scenario again. Unless `force` is set,
    // it looks at most every 100 ms (a look costs more than a call).
    void Refresh(DWORD now, bool force);
    // Applies what the hosts have due by now.
    void Tick(HostTime now);
    // Time from `now` until a host has a change due, kNever when none is coming.
    HostTime Due(HostTime now) const;

    Session* Find(char letter);
    Session* Connected() { return connected_ ? Find(connected_) : nullptr; }
    char connected_ = 0;
    bool ebcdic_ = false;
    bool extendUpdate_ = false;

    const Scenario& GetScenario() const { return scenario_; }
    const std::map<char, std::unique_ptr<Session>>& Sessions() const { return sessions_; }
    Trace& GetTrace() { return trace_; }
    DWORD Started() const { return started_; }

private:
    void Apply();

    HMODULE module_;
    DWORD started_;
    DWORD lastLook_ = 0;
    std::string storeFolder_;
    bool scenarioPresent_ = false;
    WIN32_FILE_ATTRIBUTE_DATA scenarioStamp_{};
    bool scenarioRead_ = false;
    Scenario scenario_;
    std::map<char, std::unique_ptr<Session>> sessions_;
    Trace trace_;
};

}  // namespace kvhll
