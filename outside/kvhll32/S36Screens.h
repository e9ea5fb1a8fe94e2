// Screens of the System/36 session: the command display (commands typed at (22, 3)), and the screen of
// the transfer procedure FT36 with its command and reply line at (1, 3), the data area in rows 2-23 (row 24
// is input too, and unused), and its replies: "%c* %06d  %04d" (code, record count, record length), "E*" and a
// message, or " *" when it waits for a command.
#pragma once

#include <string>

#include "HostProgram.h"
#include "Screen.h"

namespace kvhll
{

constexpr int kS36LinePosition = PositionOf(1, 3);
constexpr int kS36LineLength = 50;
constexpr int kS36CommandPosition = PositionOf(22, 3);
constexpr int kS36CommandLength = 78;
constexpr int kS36DataArea = PositionOf(2, 1);
constexpr int kS36DataLength = 1760;

struct S36Reply
{
    char code = ' ';
    bool ready = false;  // " *": nothing pending
    unsigned count = 0;
    int recordLength = 0;
    std::string area;     // EBCDIC, from (2, 1)
    std::string message;  // of an 'E' reply
};

S36Reply S36Error(const std::string& message);
S36Reply S36Ready();

Screen S36CommandScreen(const std::string& message);
Screen S36ProgramScreen(const S36Reply& reply, const HostSwitches& switches);

}  // namespace kvhll
