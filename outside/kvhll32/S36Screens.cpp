#include "S36Screens.h"

#include <cstdio>

namespace kvhll
{

S36Reply S36Error(const std::string& message)
{
    S36Reply reply;
    reply.code = 'E';
    reply.message = message;
    return reply;
}

S36Reply S36Ready()
{
    S36Reply reply;
    reply.ready = true;
    return reply;
}

Screen S36CommandScreen(const std::string& message)
{
    Screen screen;
    screen.Clear();
    screen.Write(PositionOf(1, 2), "COMMAND");
    screen.Write(PositionOf(1, 30), "SYSTEM/36 COMMAND DISPLAY");
    screen.Write(PositionOf(3, 2), "1. USER TASKS");
    screen.Write(PositionOf(4, 2), "2. OFFICE TASKS");
    screen.Write(PositionOf(5, 2), "3. GENERAL SYSTEM TASKS");
    screen.Write(PositionOf(21, 2), "READY FOR COMMAND OR OCL");
    screen.DefineInput(kS36CommandPosition, kS36CommandLength);
    screen.Write(PositionOf(23, 2), message.substr(0, 78));
    screen.cursor = kS36CommandPosition;
    return screen;
}

Screen S36ProgramScreen(const S36Reply& reply, const HostSwitches& switches)
{
    Screen screen;
    screen.Clear();
    screen.DefineInput(kS36LinePosition, kS36LineLength);
    screen.DefineInput(kS36DataArea, kS36DataLength + kColumns);
    char marker = (switches.badMarker && !reply.ready) ? ' ' : '*';
    std::string line;
    if (reply.code == 'E')
    {
        line = std::string("E") + marker + reply.message.substr(0, 74);
    }
    else if (reply.ready)
    {
        line = " *";
    }
    else
    {
        char text[32];
        std::snprintf(text, sizeof text, "%c%c %06u  %04d", reply.code, marker, reply.count % 1000000u,
                      (reply.recordLength + switches.recordLengthDelta) % 10000);
        line = text;
    }
    screen.Write(kS36LinePosition, line);
    screen.WriteEbcdic(kS36DataArea, reply.area.substr(0, kS36DataLength));
    screen.cursor = kS36LinePosition;
    return screen;
}

}  // namespace kvhll
