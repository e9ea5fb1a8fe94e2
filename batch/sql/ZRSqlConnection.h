// What sets the APPC and TCP/IP profile kinds apart; everything else about their host requests is shared.
#pragma once

#include <windows.h>

#include "ZRProfileParams.h"

struct ZRSqlConnection
{
    // General parameter 1 of the kind's profiles.
    int connectionType;
    // Source name of every message of the kind.
    const char* source;
    // Upper bound of "Record length".
    int maxRecordLength;
    // "SQL select" ends at the first value that holds a comma (the value is not taken).
    BOOL selectStopsAtComma;
};

inline constexpr ZRSqlConnection kAppcConnection{ZRCONN_APPC, "ZRProfileAPPC", 4105, FALSE};
inline constexpr ZRSqlConnection kTcpipConnection{ZRCONN_TCPIP, "ZRProfileTCPIP", 32767, TRUE};

// The section the SQL host requests read and write.
inline constexpr char kSqlHostSection[] = "Host request";
