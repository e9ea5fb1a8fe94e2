#include "CommandLine.h"

#include "FwText.h"

#include <cstring>

namespace
{
const char kEventPrefix[] = "/Event:";
}

BatchCommandLine ParseCommandTail(const std::string& tail)
{
    BatchCommandLine command;
    std::string rest = tail;
    if (rest.compare(0, strlen(kEventPrefix), kEventPrefix) == 0)
    {
        command.hasEvent = true;
        size_t nameStart = strlen(kEventPrefix);
        size_t blank = rest.find(' ', nameStart);
        if (blank == std::string::npos)
        {
            command.eventName = rest.substr(nameStart);
            rest.clear();
        }
        else
        {
            command.eventName = rest.substr(nameStart, blank - nameStart);
            rest = rest.substr(blank + 1);
        }
    }
    if (!rest.empty() && rest.front() == '"')
    {
        rest.erase(0, 1);
    }
    if (!rest.empty() && rest.back() == '"')
    {
        rest.pop_back();
    }
    command.path = rest;
    return command;
}

BatchPathKind ClassifyBatchPath(const std::string& path)
{
    if (path.empty())
    {
        return BatchPathKind::Missing;
    }
    std::string extension = FwPathExtension(path);
    if (FwEqualsNoCase(extension, ".h2p") || FwEqualsNoCase(extension, ".p2h"))
    {
        return BatchPathKind::Profile;
    }
    if (FwEqualsNoCase(extension, ".prl"))
    {
        return BatchPathKind::List;
    }
    return BatchPathKind::Unknown;
}
