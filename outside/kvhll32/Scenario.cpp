#include "Scenario.h"

#include <cstdlib>

namespace kvhll
{
namespace
{

SessionKind KindOf(const std::string& text, SessionKind fallback)
{
    if (EqualNoCase(text, "AS400"))
    {
        return SessionKind::As400;
    }
    if (EqualNoCase(text, "S36"))
    {
        return SessionKind::S36;
    }
    if (EqualNoCase(text, "PRINTER"))
    {
        return SessionKind::Printer;
    }
    if (EqualNoCase(text, "INACTIVE"))
    {
        return SessionKind::Inactive;
    }
    if (EqualNoCase(text, "NONE"))
    {
        return SessionKind::None;
    }
    return fallback;
}

// "21:0x100,23:0x200": return code and flags of each reply.
std::vector<HostUpdate> ReadUpdates(const std::string& text)
{
    std::vector<HostUpdate> updates;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find(',', start);
        std::string item = Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        size_t colon = item.find(':');
        HostUpdate update;
        update.returnCode = std::atoi(item.substr(0, colon).c_str());
        if (colon != std::string::npos)
        {
            update.flags = static_cast<int>(std::strtol(item.c_str() + colon + 1, nullptr, 0));
        }
        if (!item.empty())
        {
            updates.push_back(update);
        }
        if (end == std::string::npos)
        {
            break;
        }
        start = end + 1;
    }
    return updates;
}

bool Flag(const IniFile& file, const std::string& section, const char* key, bool fallback)
{
    return file.GetNumber(section, key, fallback ? 1 : 0) != 0;
}

DWORD Milliseconds(const IniFile& file, const std::string& section, const char* key)
{
    long value = file.GetNumber(section, key, 0);
    return value > 0 ? static_cast<DWORD>(value) : 0;
}

void ReadSession(const IniFile& file, const std::string& section, SessionSettings& s)
{
    s.kind = KindOf(file.Get(section, "Host"), s.kind);
    s.name = file.Get(section, "Name", s.name);
    s.busy = Flag(file, section, "Busy", false);
    s.keyboardLocked = Flag(file, section, "KeyboardLocked", false);
    s.operatorError = Flag(file, section, "OperatorError", false);
    s.neverAnswer = Flag(file, section, "NeverAnswer", false);
    s.keepSignalling = Flag(file, section, "KeepSignalling", false);
    s.replyDelayMs = Milliseconds(file, section, "ReplyDelayMs");
    s.connectRc = static_cast<int>(file.GetNumber(section, "ConnectRc", -1));
    s.updateScript = ReadUpdates(file.Get(section, "UpdateScript"));
    s.damageSeed = static_cast<unsigned>(file.GetNumber(section, "DamageReplies", 0));
    s.damageBytes = static_cast<int>(file.GetNumber(section, "DamageBytes", 1));
    HostSwitches& h = s.host;
    h.programInstalled = Flag(file, section, "ProgramInstalled", true);
    h.startInProgram = Flag(file, section, "StartInProgram", false);
    h.cursorRow = static_cast<int>(file.GetNumber(section, "CursorRow", 0));
    h.descriptionWaitMs = Milliseconds(file, section, "DescriptionWaitMs");
    h.bufferWaitMs = Milliseconds(file, section, "BufferWaitMs");
    h.failAfterBuffers = static_cast<int>(file.GetNumber(section, "FailAfterBuffers", -1));
    h.failureMessage = file.Get(section, "FailureMessage");
    h.badMarker = Flag(file, section, "BadMarker", false);
    h.recordLengthDelta = static_cast<int>(file.GetNumber(section, "RecordLengthDelta", 0));
}

}  // namespace

Scenario DefaultScenario()
{
    Scenario scenario;
    for (char letter = 'A'; letter <= 'H'; ++letter)
    {
        SessionSettings& s = scenario.sessions[letter];
        s.kind = letter <= 'D' ? SessionKind::As400 : SessionKind::S36;
        s.name = std::string(letter <= 'D' ? "AS400 " : "S36 ") + letter;
    }
    return scenario;
}

Scenario ReadScenario(const IniFile& file)
{
    Scenario scenario = DefaultScenario();
    scenario.trace = file.Get("Bridge", "Trace");
    scenario.systemError = file.GetNumber("Bridge", "SystemError", 0) != 0;
    scenario.querySessionsRc = static_cast<int>(file.GetNumber("Bridge", "QuerySessionsRc", -1));
    for (const IniFile::Section& section : file.Sections())
    {
        std::string name = ToUpper(section.name);
        if (name.size() == 9 && name.compare(0, 8, "SESSION ") == 0 && name[8] >= 'A' && name[8] <= 'Z')
        {
            SessionSettings& s = scenario.sessions[name[8]];
            if (s.name.empty())
            {
                s.name = std::string("Session ") + name[8];
            }
            ReadSession(file, section.name, s);
        }
    }
    for (auto it = scenario.sessions.begin(); it != scenario.sessions.end();)
    {
        it = it->second.kind == SessionKind::None ? scenario.sessions.erase(it) : std::next(it);
    }
    return scenario;
}

}  // namespace kvhll
