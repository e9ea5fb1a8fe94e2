// The host side of a profile: the "Host request" section, its values by parameter id, and its import.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

struct FtpProfileRecord;
// The host request of a foreign SQL profile, defined by the profile kinds that import one.
struct ZRForeignRequest;

class CZRRequestPart
{
public:
    virtual ~CZRRequestPart() = default;

    virtual BOOL Write(const char* fileName)
    {
        (void)fileName;
        return TRUE;
    }
    virtual BOOL Read(const char* fileName)
    {
        (void)fileName;
        return TRUE;
    }

    // A get or set returns TRUE when the id is the part's own, else FALSE and nothing is touched.
    virtual BOOL GetValue(int id, void* destination) const = 0;
    virtual BOOL SetValue(int id, const void* source) = 0;
    // Byte size of the value: 4 for a number, string length + 1 for a text; -1 for a foreign id.
    virtual int GetSize(int id) const = 0;
    virtual void Reset() = 0;
    // Empties `parts` and fills it with the pieces of the host name.
    virtual void SplitName(std::vector<std::string>& parts) const = 0;
    virtual void SplitRefFileName(std::vector<std::string>& parts) const { (void)parts; }

    virtual BOOL BuildSelectStatement() { return TRUE; }
    virtual BOOL BuildUserDefinedStatement() { return TRUE; }
    virtual BOOL BuildUserDefinedParts() { return TRUE; }
    virtual BOOL IsSingleTable() const { return TRUE; }
    // TRUE when the host name names a library member.
    virtual BOOL IsMemberName() const { return FALSE; }
    virtual BOOL ImportFtpProfile(const FtpProfileRecord& record)
    {
        (void)record;
        return TRUE;
    }
    virtual BOOL ImportForeign(const ZRForeignRequest& record)
    {
        (void)record;
        return TRUE;
    }

    // The value of a number id (never a text id), or `fallback` when the id is not the part's.
    int GetInt(int id, int fallback = 0) const;
};
