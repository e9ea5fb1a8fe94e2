#include "As400Screens.h"

#include <cstdio>

namespace kvhll
{
namespace
{

constexpr int kMessagePosition = PositionOf(24, 2);
constexpr int kMessageLength = 78;

}  // namespace

As400Reply ErrorReply(const std::string& message)
{
    As400Reply reply;
    reply.code = 'E';
    reply.count = 1;
    reply.message = message;
    return reply;
}

Screen As400CommandScreen(const std::string& message, int cursorRow)
{
    Screen screen;
    screen.Clear();
    screen.Write(PositionOf(1, 2), "MAIN");
    screen.Write(PositionOf(1, 33), "AS/400 Main Menu");
    screen.Write(PositionOf(3, 2), "Select one of the following:");
    screen.Write(PositionOf(5, 6), "1. User tasks");
    screen.Write(PositionOf(6, 6), "2. Office tasks");
    screen.Write(PositionOf(7, 6), "3. General system tasks");
    screen.Write(PositionOf(8, 6), "90. Sign off");
    screen.Write(PositionOf(19, 2), "Selection or command");
    screen.Write(PositionOf(kAs400CommandRow, 2), "===> ");
    screen.DefineInput(PositionOf(kAs400CommandRow, 7), 74 + kColumns);
    screen.Write(PositionOf(23, 2), "F3=Exit   F4=Prompt   F9=Retrieve   F12=Cancel");
    screen.Write(kMessagePosition, message.substr(0, kMessageLength));
    screen.cursor = PositionOf(cursorRow > 0 ? cursorRow : kAs400CommandRow, 7);
    return screen;
}

Screen As400ProgramScreen(const As400Reply& reply)
{
    Screen screen;
    screen.Clear();
    screen.DefineInput(kAs400ReplyPosition, kAs400ReplyLength);
    screen.Write(PositionOf(1, 71), "KVFT001");
    screen.DefineInput(kDataAreaPosition, kDataAreaLength);
    if (reply.code != ' ')
    {
        char line[32];
        std::snprintf(line, sizeof line, "%c  %06X  %04d", reply.code, reply.count & 0xFFFFFFu,
                      reply.recordLength % 10000);
        screen.Write(kAs400ReplyPosition, line);
    }
    screen.WriteEbcdic(kDataAreaPosition, reply.area.substr(0, kDataAreaLength));
    screen.Write(kMessagePosition, reply.message.substr(0, kMessageLength));
    screen.cursor = kAs400ReplyPosition;
    return screen;
}

}  // namespace kvhll
