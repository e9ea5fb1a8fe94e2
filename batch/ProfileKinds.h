// The profile kinds Zrtbatch runs, chosen by the "Connection" value of the profile file.
#pragma once

#include <string>

class CZRProfile;

enum class ProfileKindResult
{
    Made,
    UnknownConnection,
    OutOfMemory,
};

// Makes the profile object for `path` whose kind the connection value names (compared without regard to case).
ProfileKindResult MakeProfileForConnection(const std::string& connection, const std::string& path,
                                           CZRProfile** profile);
