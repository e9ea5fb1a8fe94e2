// What the transfer screens of both host programs have in common: where the reply line and the data area stand,
// and where a reply line carries its code, its count and its record length. Each host's own places are in its
// library (As400Screen.h, S36Screen.h).
#pragma once

// A fixed place on the 24 x 80 presentation space.
struct ScreenPlace
{
    int row;     // from 1
    int column;  // from 1
    int chars;   // characters it holds
};

// Where the host answers every request and where ZRT types its commands and buffer headers.
inline constexpr ScreenPlace HOST_REPLY_LINE = {1, 3, 75};

// Rows 2 to 23 from column 1: field descriptions, field lists and records.
enum
{
    HOST_AREA_ROW = 2,
    HOST_AREA_COLUMN = 1,
    HOST_AREA_SIZE = 1760,
    HOST_DESCRIPTIONS_PER_SCREEN = 26,
};

// A reply line by character, from 0. The buffer headers that ZRT types there put their code and count in the
// same places.
// What the reply is ('*' a full data buffer, '+' the last, 'E' a message...).
inline constexpr int REPLY_CODE = 0;
// Records or fields: AS/400 six hexadecimal digits, System/36 decimal.
inline constexpr int REPLY_COUNT = 3;
// Decimal: the characters of a record on the screen (AS/400 binary: its bytes).
inline constexpr int REPLY_RECORD_LENGTH = 11;

// Whether a number of a reply line ends at this character: a blank or the end of the line. Any other character
// after its digits means the line was damaged on its way.
inline bool IsReplyNumberEnd(char c)
{
    return c == ' ' || c == '\0';
}

// The record length of a reply line of HOST_REPLY_LINE.chars characters: the decimal digits from
// REPLY_RECORD_LENGTH, held at 100000 once it gets there; -1 when there are none or a character other than a
// blank follows them.
int ReplyRecordLength(const char* reply);
