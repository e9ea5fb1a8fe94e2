// Zrtbatch's command line: the optional "/Event:" prefix and the profile or profile-list path.
#pragma once

#include <string>

// The command-line tail taken apart.
struct BatchCommandLine
{
    bool hasEvent = false;
    std::string eventName;  // the starter's event name, whole, however long
    std::string path;       // one leading and one trailing double quote removed
};

// "/Event:" (case-sensitive) starts the event name, which runs to the next blank; exactly one blank follows it.
// Without a blank after the name, the whole rest is the name and the path is empty.
BatchCommandLine ParseCommandTail(const std::string& tail);

// What the extension of the path names (compared without regard to case).
enum class BatchPathKind
{
    Missing,  // empty path
    Profile,  // ".h2p" or ".p2h"
    List,     // ".prl"
    Unknown,  // any other extension
};
BatchPathKind ClassifyBatchPath(const std::string& path);
