#include "HostSessions.h"

#include <cstdio>

namespace kvtest
{

HostSession::HostSession(char letter)
{
    bridge_.Connect(letter);
    bridge_.SetParameters("EXTEND_UPDATE");
}

std::string HostSession::Area(int length, bool ebcdic)
{
    if (ebcdic)
    {
        bridge_.SetParameters("EBCDIC");
    }
    std::string data = bridge_.Text(2, 1, length);
    if (ebcdic)
    {
        bridge_.SetParameters("NOEBCDIC");
    }
    return data;
}

int HostSession::PutArea(const std::string& data, bool ebcdic)
{
    if (data.empty())
    {
        return 0;
    }
    if (ebcdic)
    {
        bridge_.SetParameters("EBCDIC");
    }
    int rc = bridge_.Put(2, 1, data);
    if (ebcdic)
    {
        bridge_.SetParameters("NOEBCDIC");
    }
    return rc;
}

bool As400Session::StartProgram()
{
    return Type("KVRTFR/KVRFT") && Running();
}

bool As400Session::SendHeader(char code, int count, int recordLength)
{
    char header[32];
    std::snprintf(header, sizeof header, "%c  %06d  %04d", code, count, recordLength);
    return bridge_.Put(1, 3, header) == 0 && Enter();
}

std::string As400Session::SendDescriptions(const std::string& descriptions)
{
    size_t total = descriptions.size() / 66;
    for (size_t first = 0; first < total; first += 26)
    {
        size_t count = std::min<size_t>(26, total - first);
        PutArea(descriptions.substr(first * 66, count * 66), false);
        SendHeader('F', static_cast<int>(count), 66);
        if (Reply()[0] != 'S')
        {
            return Reply();
        }
    }
    SendHeader('+', 0, 66);
    return Reply();
}

bool S36Session::StartProgram()
{
    return bridge_.SetCursor(22, 3) == 0 && Type("FT36") && Running();
}

bool S36Session::Command(const std::string& line)
{
    return Type(line);
}

bool S36Session::SendHeader(char code, int count)
{
    char header[32];
    std::snprintf(header, sizeof header, "%c          %04d", code, count);
    return bridge_.Put(1, 3, header) == 0 && Enter();
}

std::string S36Line(char verb, char disposition, long records, char form, int recordLength, const std::string& name,
                    char memberType, const std::string& member)
{
    std::string line(50, ' ');
    line[0] = verb;
    if (verb == 'W')
    {
        char numbers[16];
        line[2] = disposition;
        std::snprintf(numbers, sizeof numbers, "%06ld", records);
        line.replace(3, 6, numbers);
        std::snprintf(numbers, sizeof numbers, "%04d", recordLength);
        line.replace(11, 4, numbers);
    }
    line[10] = form;
    line.replace(16, name.size(), name);
    line[24] = memberType;
    line.replace(25, member.size(), member);
    return line;
}

std::string Description(const std::string& name, char type, int length, int decimals, const std::string& text)
{
    char line[80];
    std::snprintf(line, sizeof line, "%-10s%c%03d%02d%-50s", name.c_str(), type, length, decimals, text.c_str());
    return line;
}

}  // namespace kvtest
