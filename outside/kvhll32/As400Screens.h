// Screens of the AS/400 session: the command entry screen, and the screen of the transfer program KVRFT
// with its input and reply line at (1, 3), "KVFT001" at (1, 71), the data area in rows 2-23 and the
// message line at (24, 2).
#pragma once

#include <string>

#include "Screen.h"

namespace kvhll
{

constexpr int kAs400ReplyPosition = PositionOf(1, 3);
constexpr int kAs400ReplyLength = 67;
constexpr int kDataAreaPosition = PositionOf(2, 1);
constexpr int kDataAreaLength = 1760;
constexpr int kAs400CommandRow = 20;

// A reply of KVRFT: the code, a count (six hexadecimal digits), a record length (four digits), the data
// area (EBCDIC) and the message of row 24. Code ' ' is the empty line of a program waiting for a command.
struct As400Reply
{
    char code = ' ';
    unsigned count = 0;
    int recordLength = 0;
    std::string area;
    std::string message;
};

As400Reply ErrorReply(const std::string& message);

// `cursorRow` 0 puts the cursor on the command line.
Screen As400CommandScreen(const std::string& message, int cursorRow);
Screen As400ProgramScreen(const As400Reply& reply);

}  // namespace kvhll
