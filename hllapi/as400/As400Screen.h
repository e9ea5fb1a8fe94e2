// The screen of KVRFT, the AS/400 transfer program, beyond what both hosts share (HostScreen.h): where the program
// shows its name and its messages, how its reply line counts, and the header of a buffer that ZRT sends.
#pragma once

#include "HostScreen.h"

// "KVFT001" stands here while KVRFT runs.
inline constexpr char AS400_PROGRAM_ID[] = "KVFT001";
inline constexpr ScreenPlace AS400_PROGRAM_ID_PLACE = {1, 71, 7};
// The host's message with a reply 'E'.
inline constexpr ScreenPlace AS400_MESSAGE_LINE = {24, 2, 78};

enum
{
    AS400_NAME_CHARS = 10,         // a library, file or member name
    AS400_REPLY_COUNT_DIGITS = 6,  // the count of a reply: hexadecimal digits from REPLY_COUNT
};

// The header typed over the reply line after the data area has been filled, then Enter: the code at REPLY_CODE,
// two blanks, the buffer's count in decimal at REPLY_COUNT, two blanks, the record length at REPLY_RECORD_LENGTH.
enum
{
    AS400_HEADER_COUNT_DIGITS = 6,
    AS400_HEADER_LENGTH_DIGITS = 4,
};
