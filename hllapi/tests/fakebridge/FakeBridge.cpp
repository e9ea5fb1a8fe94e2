// A scripted stand-in for the emulator's bridge, for the session layer's tests: every return code and every
// host-update reply can be chosen by the test.
#include "FakeBridgeControl.h"
#include "OwnedHandles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <utility>

namespace
{
struct Forced
{
    int rc;
    int after;
    int calls;
};

struct State
{
    std::map<int, Forced> forced;
    std::deque<std::pair<int, int>> script;
    std::deque<std::pair<int, int>> pending;
    int answerMode = 1;
    char screen[1920];
    int cursor = 1;
    unsigned char oia[104] = {};
    std::string sessions = "AH1920";
    std::map<char, int> status;
    LONG eventValue = 0;
    std::string log;
    int aidKeys = 0;
    std::multimap<int, std::pair<int, std::string>> onKey;  // AID key number -> position, text
};

State g_state;
OwnedEvent g_event;

void ResetState()
{
    g_state = State{};
    std::memset(g_state.screen, ' ', sizeof g_state.screen);
    if (g_event)
        ResetEvent(g_event.Get());
}

void ParseScript(const char* text, std::deque<std::pair<int, int>>& script)
{
    script.clear();
    while (text && *text)
    {
        char* end = nullptr;
        const int rc = static_cast<int>(std::strtol(text, &end, 10));
        if (end == text)
            break;
        int flags = 0;
        if (*end == ':')
            flags = static_cast<int>(std::strtol(end + 1, &end, 16));
        script.emplace_back(rc, flags);
        text = *end == ',' ? end + 1 : end;
    }
}

bool IsAidKey(const std::string& keys)
{
    for (std::size_t i = 0; i + 1 < keys.size(); ++i)
    {
        if (keys[i] == '@')
        {
            if (keys[i + 1] != '@')
                return true;
            ++i;
        }
    }
    return false;
}

void Log(int function, const char* text, int length)
{
    if (!g_state.log.empty())
        g_state.log += ' ';
    g_state.log += std::to_string(function);
    if (text)
    {
        g_state.log += ':';
        g_state.log.append(text, static_cast<std::size_t>(length));
    }
}

void Answer(int* rc, int value)
{
    if (rc)
        *rc = value;
}

void SendKey(const char* data, int length, int* rc)
{
    const std::string keys(data, static_cast<std::size_t>(length));
    Log(3, data, length);
    if (!IsAidKey(keys))
    {
        for (char c : keys)
        {
            g_state.screen[(g_state.cursor - 1) % 1920] = c;
            g_state.cursor = g_state.cursor % 1920 + 1;
        }
    }
    else if (g_state.answerMode == 1)
    {
        const auto [first, last] = g_state.onKey.equal_range(++g_state.aidKeys);
        for (auto change = first; change != last; ++change)
            std::memcpy(g_state.screen + change->second.first - 1, change->second.second.data(),
                        change->second.second.size());
        g_state.pending = g_state.script.empty() ? std::deque<std::pair<int, int>>{{23, 0x300}} : g_state.script;
        g_state.script.clear();
        if (g_event)
            SetEvent(g_event.Get());
    }
    else if (g_state.answerMode == 2 && g_event)
    {
        SetEvent(g_event.Get());
    }
    Answer(rc, 0);
}

void QueryHostUpdate(int* length, int* rc)
{
    if (g_state.answerMode == 2)
    {
        SetEvent(g_event.Get());
        Answer(rc, 22);
        return;
    }
    if (g_state.pending.empty())
    {
        Answer(rc, 0);
        return;
    }
    const auto [code, flags] = g_state.pending.front();
    g_state.pending.pop_front();
    if (length)
        *length = flags;
    if (!g_state.pending.empty())
        SetEvent(g_event.Get());
    Answer(rc, code);
}

void QuerySessions(char* data, int* length, int* rc)
{
    int count = 0;
    const char* next = g_state.sessions.c_str();
    while (*next)
    {
        while (*next == ' ')
            ++next;
        if (!*next || !next[1])
            break;
        char* entry = data + 16 * count;
        std::memset(entry, ' ', 16);
        entry[0] = next[0];
        entry[12] = next[1];
        entry[13] = 0;
        char* end = nullptr;
        const int size = static_cast<int>(std::strtol(next + 2, &end, 10));
        entry[14] = static_cast<char>(size & 0xFF);
        entry[15] = static_cast<char>(size >> 8);
        ++count;
        next = end;
    }
    *length = count;
    Answer(rc, 0);
}
}

extern "C" int WINAPI hllapi(int* function, char* data, int* length, int* rc)
{
    const int number = *function;
    auto forced = g_state.forced.find(number);
    if (forced != g_state.forced.end() && forced->second.calls++ >= forced->second.after)
    {
        Log(number, nullptr, 0);
        Answer(rc, forced->second.rc);
        return 0;
    }
    switch (number)
    {
    case 3:
        SendKey(data, *length, rc);
        return 0;
    case 15:
        Log(number, data, *length);
        if (*rc >= 1 && *rc + *length - 1 <= 1920)
            std::memcpy(g_state.screen + *rc - 1, data, static_cast<std::size_t>(*length));
        Answer(rc, 0);
        return 0;
    default:
        Log(number, nullptr, 0);
        break;
    }
    switch (number)
    {
    case 1:
    case 9:
        Answer(rc, 0);
        break;
    case 2:
    case 21:
        break;
    case 7:
        *length = g_state.cursor;
        Answer(rc, 0);
        break;
    case 8:
        if (*rc >= 1 && *rc + *length - 1 <= 1920)
            std::memcpy(data, g_state.screen + *rc - 1, static_cast<std::size_t>(*length));
        Answer(rc, 0);
        break;
    case 10:
        QuerySessions(data, length, rc);
        break;
    case 13:
        std::memcpy(data, g_state.oia, sizeof g_state.oia);
        Answer(rc, 0);
        break;
    case 23:
        if (!g_event)
            g_event.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        ResetEvent(g_event.Get());
        {
            const LONG value = g_state.eventValue ? g_state.eventValue : HandleToLong(g_event.Get());
            std::memcpy(data + 8, &value, sizeof value);
        }
        Answer(rc, 0);
        break;
    case 24:
        QueryHostUpdate(length, rc);
        break;
    case 40:
        g_state.cursor = *rc;
        Answer(rc, 0);
        break;
    default:
        Answer(rc, 301);
        break;
    }
    return 0;
}

extern "C" int WINAPI KVRGetStatus(char session, int* status)
{
    auto found = g_state.status.find(session);
    *status = found == g_state.status.end() ? 0 : found->second;
    return 0;
}

extern "C" void WINAPI FakeBridgeReset()
{
    ResetState();
}

extern "C" void WINAPI FakeBridgeForce(int function, int rc, int after)
{
    g_state.forced[function] = Forced{rc, after, 0};
}

extern "C" void WINAPI FakeBridgeScript(const char* replies)
{
    ParseScript(replies, g_state.script);
}

extern "C" void WINAPI FakeBridgeAnswer(int mode)
{
    g_state.answerMode = mode;
}

extern "C" void WINAPI FakeBridgeSetOia(int index, int value)
{
    g_state.oia[index] = static_cast<unsigned char>(value);
}

extern "C" void WINAPI FakeBridgePut(int row, int column, const char* text)
{
    const int start = (row - 1) * 80 + column - 1;
    std::memcpy(g_state.screen + start, text, std::strlen(text));
}

extern "C" void WINAPI FakeBridgeOnKey(int aidKey, int row, int column, const char* text)
{
    g_state.onKey.emplace(aidKey, std::make_pair((row - 1) * 80 + column, std::string(text)));
}

extern "C" void WINAPI FakeBridgeSetCursor(int position)
{
    g_state.cursor = position;
}

extern "C" void WINAPI FakeBridgeSessions(const char* sessions)
{
    g_state.sessions = sessions;
}

extern "C" void WINAPI FakeBridgeStatus(char session, int status)
{
    g_state.status[session] = status;
}

extern "C" void WINAPI FakeBridgeEventValue(LONG value)
{
    g_state.eventValue = value;
}

extern "C" int WINAPI FakeBridgeLog(char* text, int size)
{
    std::snprintf(text, static_cast<std::size_t>(size), "%s", g_state.log.c_str());
    return static_cast<int>(g_state.log.size());
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        ResetState();
    return TRUE;
}
