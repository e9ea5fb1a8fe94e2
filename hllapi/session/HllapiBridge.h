// The emulator's HLLAPI bridge library KVHLL32: its two entries, the function numbers ZRT calls and the
// presentation-space geometry.
#pragma once

#include <windows.h>

// The EHLLAPI call: function number, data buffer, length and return code, all by address. Functions that take a
// presentation-space position read it from the return-code word.
typedef int(WINAPI* HllapiEntry)(int* function, char* data, int* length, int* returnCode);
// Session status by short name; bit HLL_STATUS_BUSY set means the session is in use.
typedef int(WINAPI* KvrGetStatusEntry)(char session, int* status);

inline constexpr char HLL_BRIDGE_FILE[] = "\\KVHLL32.DLL";
inline constexpr char HLL_ENTRY_HLLAPI[] = "hllapi";
inline constexpr char HLL_ENTRY_GET_STATUS[] = "KVRGetStatus";

enum HllapiFunction
{
    HLL_CONNECT_PS = 1,
    HLL_DISCONNECT_PS = 2,
    HLL_SEND_KEY = 3,
    HLL_QUERY_CURSOR = 7,
    HLL_COPY_PS_TO_STRING = 8,
    HLL_SET_SESSION_PARAMETERS = 9,
    HLL_QUERY_SESSIONS = 10,
    HLL_COPY_OIA = 13,
    HLL_COPY_STRING_TO_PS = 15,
    HLL_RESET_SYSTEM = 21,
    HLL_START_HOST_NOTIFICATION = 23,
    HLL_QUERY_HOST_UPDATE = 24,
    HLL_SET_CURSOR = 40,
};

// Return codes of the HLLAPI functions. The same code means much the same to every function; the session layer
// gives each function's codes their messages.
enum HllapiReturnCode
{
    HLL_RC_OK = 0,
    HLL_RC_NOT_CONNECTED = 1,          // no such host session, or not connected to one
    HLL_RC_PARAMETER_ERROR = 2,        // a bad length, parameter or block; Query Sessions: not every entry fitted
    HLL_RC_BUSY = 4,                   // the presentation space is busy (a copy is made all the same)
    HLL_RC_INPUT_INHIBITED = 5,        // keyboard locked (a copy is made all the same); Copy String to Presentation
                                       // Space: a protected position
    HLL_RC_TRUNCATED = 6,              // the text ran past the end of the presentation space
    HLL_RC_BAD_POSITION = 7,           // a position outside the presentation space
    HLL_RC_NO_NOTIFICATION = 8,        // Query Host Update without Start Host Notification
    HLL_RC_SYSTEM_ERROR = 9,           // also what a missing hllapi entry counts as
    HLL_RC_RESOURCE_UNAVAILABLE = 11,  // the presentation space is used by another system function
    HLL_RC_OIA_UPDATED = 21,           // Query Host Update: the OIA changed (flags tell how)
    HLL_RC_PS_UPDATED = 22,            // Query Host Update: the presentation space changed
    HLL_RC_BOTH_UPDATED = 23,          // Query Host Update: both changed (flags tell how)
};

enum
{
    HLL_ROWS = 24,
    HLL_COLUMNS = 80,
    HLL_PS_SIZE = HLL_ROWS * HLL_COLUMNS,

    HLL_STATUS_BUSY = 0x800,

    // Query Sessions: one entry per session.
    HLL_SESSION_ENTRY_SIZE = 16,
    HLL_SESSION_NAME = 0,      // byte of the entry: the short name (session letter)
    HLL_SESSION_TYPE = 12,     // 'H' a host display session
    HLL_SESSION_PS_SIZE = 14,  // 16-bit, low byte first: 0 for a session without a presentation space
    HLL_SESSION_TYPE_DISPLAY = 'H',
    HLL_MAX_SESSIONS = 26,
    HLL_OIA_SIZE = 104,
    HLL_OIA_OPERATOR_ERROR = 90,   // byte of the OIA block: nonzero while an operator error is pending
    HLL_OIA_INPUT_INHIBITED = 91,  // nonzero while input is inhibited

    // Start Host Notification block, blanks where nothing is said. On return bytes 8-11 hold the value of the
    // event handle that the emulator signals on a host update (a 32-bit handle value: an address would not fit on
    // 64-bit Windows).
    HLL_NOTIFY_BLOCK_SIZE = 16,
    HLL_NOTIFY_SESSION = 0,  // the short name
    HLL_NOTIFY_MODE = 4,     // 'A': the emulator signals an event
    HLL_NOTIFY_EVENT_OFFSET = 8,
    HLL_NOTIFY_WHAT = 12,  // 'B': updates of the presentation space and of the OIA

    HLL_UPDATE_INHIBIT_ON = 0x100,  // Query Host Update flags (EXTEND_UPDATE)
    HLL_UPDATE_INHIBIT_OFF = 0x200,
};
