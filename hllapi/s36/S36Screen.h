// The screen of FT36, the System/36 transfer procedure, beyond what both hosts share (HostScreen.h): the mark of
// the running procedure, its message place, its reply line's marker, the 50-column command line and the header of
// a buffer that ZRT sends.
#pragma once

#include "HostScreen.h"

// '*' stands here, the second character of the reply line, while FT36 runs.
inline constexpr char S36_RUNNING_MARK[] = "*";
inline constexpr ScreenPlace S36_RUNNING_MARK_PLACE = {1, 4, 1};
// The host's message with a reply 'E'.
inline constexpr ScreenPlace S36_MESSAGE_LINE = {1, 5, 74};
// Where "FT36" is typed on the command display to start the procedure.
inline constexpr ScreenPlace S36_START_PLACE = {22, 3, 78};

enum
{
    S36_NAME_CHARS = 8,    // a library, file or member name
    S36_REPLY_MARKER = 1,  // index of the reply line: always '*' (the running mark); the decimal count
                           // follows from REPLY_COUNT up to REPLY_RECORD_LENGTH
};

// The command line typed at the cursor (the reply line), by column from 0; blanks where nothing stands.
enum S36CommandColumn
{
    S36_COMMAND_CHARS = 50,
    S36_COMMAND_VERB = 0,            // 'R' read, 'W' write
    S36_COMMAND_DISPOSITION = 2,     // write: '2' create, '1' replace, '0' add records
    S36_COMMAND_RECORDS = 3,         // write: the number of records to allocate, six digits
    S36_COMMAND_FORM = 10,           // 'H' hexadecimal, 'Y' a field list in the data area, blank
    S36_COMMAND_RECORD_LENGTH = 11,  // write: four digits
    S36_COMMAND_NAME = 16,           // the file, or the library of a member
    S36_COMMAND_MEMBER_TYPE = 24,    // a member: 'S' source, 'P' procedure
    S36_COMMAND_MEMBER = 25,         // a member: its name
};

// The header typed over the reply line after the data area has been filled, then Enter: the code at REPLY_CODE,
// blanks, and from S36_HEADER_COUNT the number of records in the buffer in four digits.
enum
{
    S36_HEADER_COUNT = 11,
    S36_HEADER_COUNT_DIGITS = 4,
};
