// The scenario file (SCENARIO.INI in the host store): the sessions of the emulator and the faults they
// show, and the trace file. Without the file there are eight display sessions: A-D on an AS/400 and E-H
// on a System/36.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "HostProgram.h"
#include "IniFile.h"

namespace kvhll
{

enum class SessionKind
{
    None,
    As400,
    S36,
    Printer,
    Inactive
};

// One reply of Query Host Update: its return code and the update flags.
struct HostUpdate
{
    int returnCode = 0;
    int flags = 0;
};

struct SessionSettings
{
    SessionKind kind = SessionKind::None;
    std::string name;             // long name, at most 8 characters shown
    bool busy = false;            // in use by another application
    bool keyboardLocked = false;  // input inhibited
    bool operatorError = false;
    bool neverAnswer = false;              // AID keys get no answer while set
    bool keepSignalling = false;           // while an answer is awaited, another screen update is always pending
    DWORD replyDelayMs = 0;                // the host answers an AID key this much later
    int connectRc = -1;                    // Connect Presentation Space returns this (-1: normal)
    std::vector<HostUpdate> updateScript;  // replaces the updates that an AID key announces
    unsigned damageSeed = 0;               // nonzero: every answer's reply line has bytes damaged from this seed
    int damageBytes = 1;                   // how many bytes of the reply line each damaged answer has
    HostSwitches host;
};

struct Scenario
{
    std::string trace;         // file for the trace, relative to the store ("": none)
    bool systemError = false;  // every call returns 9
    int querySessionsRc = -1;  // Query Sessions returns this (-1: normal)
    std::map<char, SessionSettings> sessions;
};

Scenario DefaultScenario();
// The defaults, changed by what the file says.
Scenario ReadScenario(const IniFile& file);

}  // namespace kvhll
