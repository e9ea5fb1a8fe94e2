// Zrtbatch's command line: the optional "/Event:" prefix, the profile or profile-list path, and the run list.
#pragma once

#include <string>
#include <vector>

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
    Missing,    // empty path
    Profile,    // ".h2p" or ".p2h"
    List,       // ".prl"
    Unknown,    // any other extension
};
BatchPathKind ClassifyBatchPath(const std::string& path);

enum class RunListResult
{
    Read,
    CannotOpen,   // the file does not open for reading and writing
    ReadError,    // reading stopped before the end of the file
    Empty,        // no line at all
};

// Appends every line of a profile list (at most 259 characters a line; a longer line gives several entries),
// without its line feed, empty lines included.
RunListResult ReadRunList(const std::string& path, std::vector<std::string>& runList);
