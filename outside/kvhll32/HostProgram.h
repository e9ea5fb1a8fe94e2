// What runs behind a display session: the host's screens and its transfer program. The session hands it
// every AID key with the screen as the operator left it and shows the screen it answers.
#pragma once

#include <windows.h>

#include <string>

#include "Screen.h"

namespace kvhll
{

// Host-side switches of a session, from the scenario file.
struct HostSwitches
{
    bool programInstalled = true;  // the transfer program can be started
    bool startInProgram = false;   // the session shows the transfer program from the start
    int cursorRow = 0;             // AS/400 command screen: row of the cursor (0: the command line)
    DWORD descriptionWaitMs = 0;   // AS/400: 'W' shown this long before the first field descriptions
    DWORD bufferWaitMs = 0;        // AS/400: 'W' shown this long before every further data buffer
    int failAfterBuffers = -1;     // the data stage fails after this many buffers (-1: never)
    std::string failureMessage;    // message of that failure (empty: the program's own)
    bool badMarker = false;        // System/36: replies without the '*' in their second position
    int recordLengthDelta = 0;     // added to the record length that replies show (AS/400: data replies only)
};

// What a host program reads when it works: kept by the session, refreshed when the scenario file changes.
struct HostEnvironment
{
    std::string storeFolder;  // the host store
    HostSwitches switches;
};

class HostProgram
{
public:
    virtual ~HostProgram() = default;
    virtual Screen FirstScreen() = 0;
    // The answer to an AID key ('E' Enter, '1'-'9' PF1-PF9) pressed on `screen`.
    virtual Screen Answer(char aid, const Screen& screen) = 0;
    // After an answer: milliseconds until the host changes the screen by itself (0: it will not).
    virtual DWORD ChangeDelay() const { return 0; }
    virtual Screen Change(const Screen& screen) { return screen; }
};

}  // namespace kvhll
