// Zrtbatch's entry to the SQL profile kinds: the kind that a profile file's "Connection" value names.
#pragma once

class CZRProfile;

enum class ZRSqlProfileResult
{
    Made,         // an APPC or TCP/IP profile for the file, not yet read
    NotSql,       // the value names neither "APPC" nor "TCP/IP"
    OutOfMemory,  // the value names one, but the object could not be allocated
};

// Makes a CZRProfileAPPC for "APPC" or a CZRProfileTCPIP for "TCP/IP" (compared without regard to case) for the
// profile file `path`; `*profile` is null unless the result is Made. Reports nothing.
ZRSqlProfileResult MakeSqlProfile(const char* connection, const char* path, CZRProfile** profile);
