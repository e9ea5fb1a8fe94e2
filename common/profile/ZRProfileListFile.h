// Reading and writing a profile list file (".prl"): one profile path per line, each ended by CR LF. Both programs
// read lists through this one reader.
#pragma once

#include <string>
#include <vector>

enum class ProfileListResult
{
    Read,
    CannotOpen,  // the file does not open for reading
    ReadError,   // reading stopped before the end of the file
    Empty,       // no line names a profile
};

// Appends the path of every line to `paths`: each line whole, however long, without its line end. Lines that are
// empty or hold only blanks name no profile and are passed over. The file is only read, so a read-only list works.
ProfileListResult ReadProfileListFile(const std::string& path, std::vector<std::string>& paths);

// Writes `paths` as a list file at `path`: each path followed by CR LF. The new file is written beside the target and
// replaces it only when every byte is on disk, so a failed write leaves the old list as it was. FALSE on any failure.
bool WriteProfileListFile(const std::string& path, const std::vector<std::string>& paths);
