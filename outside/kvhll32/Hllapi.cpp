// The bridge's entries: `hllapi` (function number, data buffer, length and return code, all by address;
// functions that take a presentation-space position find it in the return-code word) and `KVRGetStatus`.
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "BridgeState.h"
#include "CodePage037.h"
#include "HostClock.h"
#include "HostText.h"
#include "IniFile.h"

using namespace kvhll;

namespace
{

constexpr int kOiaLength = 104;
constexpr int kSessionEntryLength = 16;
constexpr int kNotSupported = 301;
constexpr int kBusyStatus = 0x800;

HMODULE g_module = nullptr;
CRITICAL_SECTION g_lock;
BridgeState* g_state = nullptr;

// The thread that applies the hosts' timed changes when they are due.
HostTime TickHosts()
{
    if (!g_state)
    {
        return kNever;
    }
    HostTime now = HostNow();
    g_state->Tick(now);
    return g_state->Due(now);
}
HostClock g_clock(g_lock, TickHosts);

class Lock
{
public:
    Lock() { EnterCriticalSection(&g_lock); }
    ~Lock() { LeaveCriticalSection(&g_lock); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

BridgeState& State(DWORD now)
{
    if (!g_state)
    {
        g_state = new BridgeState(g_module);
        g_state->Refresh(now, true);
    }
    return *g_state;
}

const char* FunctionName(int function)
{
    switch (function)
    {
    case 1:
        return "ConnectPresentationSpace";
    case 2:
        return "DisconnectPresentationSpace";
    case 3:
        return "SendKey";
    case 7:
        return "QueryCursorLocation";
    case 8:
        return "CopyPresentationSpaceToString";
    case 9:
        return "SetSessionParameters";
    case 10:
        return "QuerySessions";
    case 13:
        return "CopyOIA";
    case 15:
        return "CopyStringToPresentationSpace";
    case 21:
        return "ResetSystem";
    case 23:
        return "StartHostNotification";
    case 24:
        return "QueryHostUpdate";
    case 40:
        return "SetCursor";
    default:
        return "NotSupported";
    }
}

bool ValidPosition(int position)
{
    return position >= 1 && position <= kScreenSize;
}

char Letter(const char* data)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(data[0])));
}

std::string SessionText(char letter)
{
    return std::string("session=") + (letter ? letter : '-');
}

// Data of a copy as the trace shows it.
std::string ShownData(bool ebcdic, const std::string& bytes)
{
    return ebcdic ? " ebcdic=" + Trace::Quote(EbcdicToAnsi(bytes)) : " text=" + Trace::Quote(bytes);
}

// The context of one call: the bridge state and the words passed.
struct Call
{
    BridgeState& state;
    DWORD now;
    HostTime hostNow;
    char* data;
    int* length;
    int* word;  // the return-code word, which carries a position into some functions
    bool tracing;
    std::string detail;

    // Adds to what the trace line shows; the text is only made when the trace is on.
    template <typename Text>
    void Note(Text text)
    {
        if (tracing)
        {
            detail += text();
        }
    }
};

// The display session whose letter stands in data[0], noted in the trace; null for a printer, an inactive or an
// unknown session (return code 1).
Session* NamedDisplay(Call& c)
{
    char letter = Letter(c.data);
    c.Note([&] { return SessionText(letter); });
    Session* session = c.state.Find(letter);
    return session && session->IsHostDisplay() ? session : nullptr;
}

int Connect(Call& c)
{
    if (!c.data)
    {
        return 2;
    }
    Session* session = NamedDisplay(c);
    if (!session)
    {
        return 1;
    }
    const SessionSettings& settings = session->Settings();
    int rc = settings.connectRc >= 0 ? settings.connectRc : (settings.busy ? 4 : (settings.keyboardLocked ? 5 : 0));
    if (rc == 0 || rc == 4 || rc == 5)
    {
        c.state.connected_ = Letter(c.data);
    }
    return rc;
}

int SendKey(Call& c)
{
    int count = *c.length;
    if (!c.data || count < 1 || count > 255)
    {
        return c.state.Connected() ? 2 : 1;
    }
    std::string keys(c.data, static_cast<size_t>(count));
    c.Note([&] {
        return SessionText(c.state.connected_) + " len=" + std::to_string(count) + " keys=" + Trace::Quote(keys);
    });
    if (keys.find('@') != std::string::npos)
    {
        c.state.Refresh(c.now, false);
    }
    Session* session = c.state.Connected();
    return session ? session->SendKeys(keys, c.hostNow) : 1;
}

int QueryCursor(Call& c)
{
    Session* session = c.state.Connected();
    if (!session)
    {
        return 1;
    }
    *c.length = session->Presentation().cursor;
    c.Note([&] { return SessionText(c.state.connected_) + " pos=" + std::to_string(*c.length); });
    return 0;
}

int CopyToString(Call& c)
{
    int position = *c.word;
    int count = *c.length;
    c.Note([&] { return "pos=" + std::to_string(position) + " len=" + std::to_string(count); });
    Session* session = c.state.Connected();
    if (!session)
    {
        return 1;
    }
    if (!ValidPosition(position))
    {
        return 7;
    }
    if (!c.data || count < 1 || position + count - 1 > kScreenSize)
    {
        return 2;
    }
    std::string bytes = session->Presentation().ReadEbcdic(position, count);
    if (!c.state.ebcdic_)
    {
        for (char& ch : bytes)
        {
            ch = ch == '\0' ? ' ' : static_cast<char>(EbcdicToAnsi(static_cast<unsigned char>(ch)));
        }
    }
    std::memcpy(c.data, bytes.data(), bytes.size());
    c.Note([&] { return ShownData(c.state.ebcdic_, bytes); });
    return session->InputInhibited() ? 5 : 0;
}

int SetParameters(Call& c)
{
    if (!c.data || *c.length < 1)
    {
        return 2;
    }
    std::string text(c.data, static_cast<size_t>(*c.length));
    c.Note([&] { return "text=" + Trace::Quote(text); });
    bool ebcdic = c.state.ebcdic_;
    bool extend = c.state.extendUpdate_;
    bool any = false;
    size_t start = 0;
    while (start <= text.size())
    {
        size_t end = text.find_first_of(", ", start);
        std::string name = ToUpper(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (name == "EBCDIC" || name == "NOEBCDIC")
        {
            ebcdic = name == "EBCDIC";
            any = true;
        }
        else if (name == "EXTEND_UPDATE")
        {
            extend = true;
            any = true;
        }
        else if (!name.empty())
        {
            return 2;
        }
        if (end == std::string::npos)
        {
            break;
        }
        start = end + 1;
    }
    if (!any)
    {
        return 2;
    }
    c.state.ebcdic_ = ebcdic;
    c.state.extendUpdate_ = extend;
    return 0;
}

int QuerySessions(Call& c)
{
    if (!c.data)
    {
        return 2;
    }
    const auto& sessions = c.state.Sessions();
    size_t room = *c.length > 0 ? static_cast<size_t>(*c.length) / kSessionEntryLength : 0;
    size_t written = 0;
    for (const auto& [letter, session] : sessions)
    {
        if (written == room)
        {
            break;
        }
        char* entry = c.data + written * kSessionEntryLength;
        std::memset(entry, ' ', kSessionEntryLength);
        entry[0] = letter;
        std::string name = session->Settings().name.substr(0, 8);
        std::memcpy(entry + 1, name.data(), name.size());
        entry[12] = session->IsDisplay() ? 'H' : 'P';
        entry[13] = 0;
        uint16_t size = session->IsHostDisplay() ? kScreenSize : 0;
        entry[14] = static_cast<char>(size & 0xFF);
        entry[15] = static_cast<char>(size >> 8);
        ++written;
    }
    *c.length = static_cast<int>(written);
    c.Note([&] { return "count=" + std::to_string(written); });
    int overridden = c.state.GetScenario().querySessionsRc;
    return overridden >= 0 ? overridden : (written < sessions.size() ? 2 : 0);
}

int CopyOia(Call& c)
{
    Session* session = c.state.Connected();
    if (!session)
    {
        return 1;
    }
    if (!c.data || *c.length < kOiaLength)
    {
        return 2;
    }
    std::memset(c.data, 0, kOiaLength);
    c.data[90] = session->OperatorError() ? 1 : 0;
    c.data[91] = session->InputInhibited() ? 1 : 0;
    c.Note([&] {
        return SessionText(c.state.connected_) + " operatorError=" + std::to_string(c.data[90]) +
               " inhibited=" + std::to_string(c.data[91]);
    });
    return session->InputInhibited() ? 5 : 0;
}

int CopyFromString(Call& c)
{
    int position = *c.word;
    int count = *c.length;
    c.Note([&] { return "pos=" + std::to_string(position) + " len=" + std::to_string(count); });
    Session* session = c.state.Connected();
    if (!session)
    {
        return 1;
    }
    if (!c.data || count < 1)
    {
        return 2;
    }
    if (!ValidPosition(position))
    {
        return 7;
    }
    std::string bytes(c.data, static_cast<size_t>(count));
    c.Note([&] { return ShownData(c.state.ebcdic_, bytes); });
    if (session->InputInhibited())
    {
        return 5;
    }
    Screen& screen = session->Presentation();
    int end = std::min(position + count - 1, kScreenSize);
    for (int p = position; p <= end; ++p)
    {
        if (!screen.input[p - 1])
        {
            return 5;
        }
    }
    screen.WriteEbcdic(position, c.state.ebcdic_ ? bytes : AnsiToEbcdic(bytes));
    for (int p = position; p <= end; ++p)
    {
        screen.modified[p - 1] = true;
    }
    return position + count - 1 > kScreenSize ? 6 : 0;
}

void ResetSystem(Call& c)
{
    c.state.connected_ = 0;
    c.state.ebcdic_ = false;
    c.state.extendUpdate_ = false;
    for (const auto& entry : c.state.Sessions())
    {
        entry.second->StopNotification();
    }
}

int StartNotification(Call& c)
{
    if (!c.data || *c.length < 16)
    {
        return 2;
    }
    Session* session = NamedDisplay(c);
    if (!session)
    {
        return 1;
    }
    if (c.data[4] != 'A' || std::strchr("POB", c.data[12]) == nullptr || c.data[12] == '\0')
    {
        return 2;
    }
    HANDLE event = session->StartNotification();
    if (!event)
    {
        return 9;
    }
    uint32_t value = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event));
    std::memcpy(c.data + 8, &value, sizeof value);
    return 0;
}

int QueryUpdate(Call& c)
{
    if (!c.data)
    {
        return 2;
    }
    Session* session = NamedDisplay(c);
    if (!session)
    {
        return 1;
    }
    if (!session->NotificationStarted())
    {
        return 8;
    }
    HostUpdate update;
    if (!session->NextUpdate(update))
    {
        return 0;
    }
    *c.length = c.state.extendUpdate_ ? update.flags : 0;
    char flags[16];
    std::snprintf(flags, sizeof flags, "0x%03X", *c.length);
    c.Note([&] { return std::string(" flags=") + flags; });
    return update.returnCode;
}

int SetCursor(Call& c)
{
    int position = *c.word;
    c.Note([&] { return "pos=" + std::to_string(position); });
    Session* session = c.state.Connected();
    if (!session)
    {
        return 1;
    }
    if (!ValidPosition(position))
    {
        return 7;
    }
    if (session->InputInhibited())
    {
        return 4;
    }
    session->Presentation().cursor = position;
    return 0;
}

int Dispatch(int function, Call& c)
{
    switch (function)
    {
    case 1:
        return Connect(c);
    case 3:
        return SendKey(c);
    case 7:
        return QueryCursor(c);
    case 8:
        return CopyToString(c);
    case 9:
        return SetParameters(c);
    case 10:
        return QuerySessions(c);
    case 13:
        return CopyOia(c);
    case 15:
        return CopyFromString(c);
    case 23:
        return StartNotification(c);
    case 24:
        return QueryUpdate(c);
    case 40:
        return SetCursor(c);
    default:
        return kNotSupported;
    }
}

void TraceCall(BridgeState& state, DWORD now, const std::string& text)
{
    if (state.GetTrace().IsOn())
    {
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "%7lu ", static_cast<unsigned long>(now - state.Started()));
        state.GetTrace().Line(stamp + text);
    }
}

}  // namespace

extern "C" int WINAPI hllapi(int* function, char* data, int* length, int* returnCode)
{
    if (!function)
    {
        return 2;
    }
    Lock lock;
    DWORD now = GetTickCount();
    BridgeState& state = State(now);
    int number = *function;
    if (number == 1 || number == 10 || number == 13 || number == 21)
    {
        state.Refresh(now, number != 13);
    }
    HostTime hostNow = HostNow();
    state.Tick(hostNow);
    int rc = 0;
    Call call{state, now, hostNow, data, length, returnCode, state.GetTrace().IsOn(), std::string()};
    if (number == 2 || number == 21)
    {
        if (!state.GetScenario().systemError)
        {
            number == 2 ? void(state.connected_ = 0) : ResetSystem(call);
        }
    }
    else if (!length || !returnCode)
    {
        rc = 2;
    }
    else
    {
        rc = state.GetScenario().systemError ? 9 : Dispatch(number, call);
        *returnCode = rc;
    }
    TraceCall(state, now,
              "fn=" + std::to_string(number) + " " + FunctionName(number) + " rc=" + std::to_string(rc) +
                  (call.detail.empty() ? "" : " " + call.detail));
    g_clock.Schedule(hostNow, state.Due(hostNow));
    return rc;
}

extern "C" int WINAPI KVRGetStatus(char letter, int* status)
{
    if (!status)
    {
        return 1;
    }
    Lock lock;
    DWORD now = GetTickCount();
    BridgeState& state = State(now);
    state.Refresh(now, false);
    HostTime hostNow = HostNow();
    state.Tick(hostNow);
    Session* session = state.Find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    *status = (!session || session->Settings().busy) ? kBusyStatus : 0;
    int rc = session ? 0 : 1;
    char text[64];
    std::snprintf(text, sizeof text, "KVRGetStatus session=%c status=0x%03X rc=%d", letter, *status, rc);
    TraceCall(state, now, text);
    g_clock.Schedule(hostNow, state.Due(hostNow));
    return rc;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        g_module = instance;
        SetTextModule(instance);
        InitializeCriticalSection(&g_lock);
        DisableThreadLibraryCalls(instance);
    }
    else if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
    {
        delete g_state;
        g_state = nullptr;
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}
