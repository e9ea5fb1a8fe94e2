#include "ProtocolCalls.h"

namespace
{
enum
{
    SEND_KEY = 3,
    COPY_PS_TO_STRING = 8,
    SET_SESSION_PARAMETERS = 9,
    COPY_OIA = 13,
    COPY_STRING_TO_PS = 15,
    START_HOST_NOTIFICATION = 23,
    QUERY_HOST_UPDATE = 24,
};

// Enter with its wait: the operator-error test of the OIA, Start Host Notification, Send Key "@E", and a Query Host
// Update for each of the two updates that the host's answer brings (input inhibited on, then off). In text mode the
// data area is copied between the session parameters "EBCDIC" and "NOEBCDIC".
// Reader: Enter, read the reply line, copy the data area.
const std::vector<ScreenCall> kTextRead = {{COPY_OIA, 1},          {START_HOST_NOTIFICATION, 1},
                                           {SEND_KEY, 1},          {QUERY_HOST_UPDATE, 2},
                                           {COPY_PS_TO_STRING, 2}, {SET_SESSION_PARAMETERS, 2}};
// Writer: copy the data area to the screen, type the header, Enter, read the host's answer to the buffer.
const std::vector<ScreenCall> kTextWrite = {
    {SET_SESSION_PARAMETERS, 2}, {COPY_STRING_TO_PS, 2}, {COPY_OIA, 1}, {START_HOST_NOTIFICATION, 1}, {SEND_KEY, 1},
    {QUERY_HOST_UPDATE, 2},      {COPY_PS_TO_STRING, 1}};
}

const std::vector<ScreenCall>& ProtocolScreenCalls(ScreenKind kind)
{
    return kind == ScreenKind::TextRead ? kTextRead : kTextWrite;
}

int ProtocolCallsPerScreen(ScreenKind kind)
{
    int calls = 0;
    for (const ScreenCall& call : ProtocolScreenCalls(kind))
        calls += call.calls;
    return calls;
}

const char* HllapiFunctionName(int function)
{
    switch (function)
    {
    case 1:
        return "Connect Presentation Space";
    case 2:
        return "Disconnect Presentation Space";
    case SEND_KEY:
        return "Send Key";
    case 7:
        return "Query Cursor Location";
    case COPY_PS_TO_STRING:
        return "Copy Presentation Space to String";
    case SET_SESSION_PARAMETERS:
        return "Set Session Parameters";
    case 10:
        return "Query Sessions";
    case COPY_OIA:
        return "Copy OIA";
    case COPY_STRING_TO_PS:
        return "Copy String to Presentation Space";
    case 21:
        return "Reset System";
    case START_HOST_NOTIFICATION:
        return "Start Host Notification";
    case QUERY_HOST_UPDATE:
        return "Query Host Update";
    case 40:
        return "Set Cursor";
    default:
        return "other";
    }
}
