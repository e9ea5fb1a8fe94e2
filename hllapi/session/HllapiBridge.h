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

enum
{
    HLL_ROWS = 24,
    HLL_COLUMNS = 80,
    HLL_PS_SIZE = HLL_ROWS * HLL_COLUMNS,

    HLL_RC_SYSTEM_ERROR = 9,            // also what a missing hllapi entry counts as

    HLL_STATUS_BUSY = 0x800,

    HLL_SESSION_ENTRY_SIZE = 16,        // Query Sessions: [0] short name, [12] type, [14..15] PS size
    HLL_MAX_SESSIONS = 26,
    HLL_OIA_SIZE = 104,
    HLL_OIA_OPERATOR_ERROR = 90,        // byte of the OIA block: nonzero while an operator error is pending
    HLL_OIA_INPUT_INHIBITED = 91,       // nonzero while input is inhibited

    // Start Host Notification block: [0] short name, [4] 'A', [12] 'B', blanks elsewhere. On return bytes 8-11
    // hold the value of the event handle that the emulator signals on a host update (a 32-bit handle value: an
    // address would not fit on 64-bit Windows).
    HLL_NOTIFY_BLOCK_SIZE = 16,
    HLL_NOTIFY_EVENT_OFFSET = 8,

    HLL_UPDATE_INHIBIT_ON = 0x100,      // Query Host Update flags (EXTEND_UPDATE)
    HLL_UPDATE_INHIBIT_OFF = 0x200,
};
