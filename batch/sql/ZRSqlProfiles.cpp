#include "ZRSqlProfiles.h"

#include "ZRKeywords.h"
#include "ZRProfileAPPC.h"
#include "ZRProfileTCPIP.h"

#include <new>

ZRSqlProfileResult MakeSqlProfile(const char* connection, const char* path, CZRProfile** profile)
{
    *profile = nullptr;
    if (EqualsNoCase(connection, "APPC"))
        *profile = new (std::nothrow) CZRProfileAPPC(path);
    else if (EqualsNoCase(connection, "TCP/IP"))
        *profile = new (std::nothrow) CZRProfileTCPIP(path);
    else
        return ZRSqlProfileResult::NotSql;
    return *profile != nullptr ? ZRSqlProfileResult::Made : ZRSqlProfileResult::OutOfMemory;
}
