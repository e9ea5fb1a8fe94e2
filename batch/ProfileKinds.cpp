#include "ProfileKinds.h"

#include "FwText.h"
#include "ZRProfileHllAPI.h"
#include "ZRSqlProfiles.h"

#include <new>

namespace
{
struct ProfileKind
{
    const char* connection;
    CZRProfile* (*make)(const char* path);
};

const ProfileKind kKinds[] = {
    {"HLLAPI", [](const char* path) -> CZRProfile* { return new (std::nothrow) CZRProfileHllAPI(path); }},
};
}

ProfileKindResult MakeProfileForConnection(const std::string& connection, const std::string& path, CZRProfile** profile)
{
    *profile = nullptr;
    for (const ProfileKind& kind : kKinds)
    {
        if (FwEqualsNoCase(connection, kind.connection))
        {
            *profile = kind.make(path.c_str());
            return *profile ? ProfileKindResult::Made : ProfileKindResult::OutOfMemory;
        }
    }
    switch (MakeSqlProfile(connection.c_str(), path.c_str(), profile))
    {
    case ZRSqlProfileResult::Made:
        return ProfileKindResult::Made;
    case ZRSqlProfileResult::OutOfMemory:
        return ProfileKindResult::OutOfMemory;
    case ZRSqlProfileResult::NotSql:
        break;
    }
    return ProfileKindResult::UnknownConnection;
}
