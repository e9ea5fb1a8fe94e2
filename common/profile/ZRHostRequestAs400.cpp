#include "ZRHostRequestAs400.h"

#include "ZRFtpProfileRecord.h"
#include "ZRIniFile.h"
#include "ZRProfileParams.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr int kMaxNameLength = 38;
// Room for a foreign library/file(member) of up to 10 characters each.
constexpr size_t kForeignNameSize = 64;
constexpr int kDefaultRecordLength = 92;
// The shortest record of a source file: sequence number and date come first.
constexpr int kMinSourceRecordLength = 13;

constexpr ZRKeyword kWriteModes[] = {{"Create host file", ZRHWM_CREATE_FILE},
                                     {"Create host member", ZRHWM_CREATE_MEMBER},
                                     {"Replace host member", ZRHWM_REPLACE_MEMBER},
                                     {"Append host member", ZRHWM_APPEND_MEMBER}};

// Host write mode of a foreign write mode; 0 for none.
int WriteModeOf(int foreignMode)
{
    switch (foreignMode)
    {
    case FTPWM_CREATE:
        return ZRHWM_CREATE_FILE;
    case FTPWM_REPLACE:
        return ZRHWM_REPLACE_MEMBER;
    case FTPWM_APPEND:
        return ZRHWM_APPEND_MEMBER;
    case FTPWM_NEW:
        return ZRHWM_CREATE_MEMBER;
    default:
        return 0;
    }
}

// Builds library/file(member), or library/file() for a DDS file, into `name` (64 bytes); FALSE when the foreign
// profile names nothing.
bool ForeignName(const FtpTransferValues& values, char* name)
{
    if (values.library[0] == '\0' && values.file[0] == '\0' && values.member[0] == '\0')
        return false;
    const char* member = values.fileType == FTPFT_DDS ? "" : values.member;
    snprintf(name, kForeignNameSize, "%s/%s(%s)", values.library, values.file, member);
    return true;
}
}

void SplitAs400Name(const char* name, std::vector<std::string>& parts)
{
    parts.assign(3, std::string());
    const char* slash = strchr(name, '/');
    if (slash == nullptr)
        return;
    parts[0].assign(name, slash);
    const char* open = strchr(slash + 1, '(');
    if (open == nullptr)
        return;
    parts[1].assign(slash + 1, open);
    if (const char* close = strchr(open + 1, ')'); close != nullptr)
        parts[2].assign(open + 1, close);
}

CZRHostRequestAs400H2P::CZRHostRequestAs400H2P() : CZRHostRequest(ZRP_HOST_SOURCE_NAME, "SQL from", kMaxNameLength)
{
}

BOOL CZRHostRequestAs400H2P::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    return WriteBaseKeys(ini) && WriteName(ini);
}

BOOL CZRHostRequestAs400H2P::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ReadBaseKeys(ini) && ReadName(ini);
}

void CZRHostRequestAs400H2P::SplitName(std::vector<std::string>& parts) const
{
    SplitAs400Name(GetName(), parts);
}

BOOL CZRHostRequestAs400H2P::ImportFtpProfile(const FtpProfileRecord& record)
{
    ImportBase(record.hostToPc, record.hostSystem);
    char name[kForeignNameSize];
    return !ForeignName(record.hostToPc, name) || SetName(name);
}

CZRHostRequestAs400P2H::CZRHostRequestAs400P2H() : CZRHostRequestP2H(kMaxNameLength, kDefaultRecordLength)
{
}

BOOL CZRHostRequestAs400P2H::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    return WriteBaseKeys(ini) && WriteName(ini) && WriteModeAndLength(ini, kWriteModes);
}

BOOL CZRHostRequestAs400P2H::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ReadBaseKeys(ini) && ReadName(ini) &&
           ReadModeAndLength(ini, kWriteModes, ZRHWM_CREATE_FILE,
                             GetHostFileType() == ZRHFT_DATA ? 1 : kMinSourceRecordLength);
}

void CZRHostRequestAs400P2H::SplitName(std::vector<std::string>& parts) const
{
    SplitAs400Name(GetName(), parts);
}

BOOL CZRHostRequestAs400P2H::ImportFtpProfile(const FtpProfileRecord& record)
{
    const FtpTransferValues& values = record.pcToHost;
    ImportBase(values, record.hostSystem);
    if (int mode = WriteModeOf(values.writeMode); mode != 0)
        m_writeMode = mode;
    if (int length = ForeignRecordLength(values); length != 0)
        m_recordLength = length;
    char name[kForeignNameSize];
    return !ForeignName(values, name) || SetName(name);
}
