#include "ZRHostRequestS36.h"

#include "ZRFtpProfileRecord.h"
#include "ZRIniFile.h"
#include "ZRProfileContext.h"
#include "ZRProfileEntries.h"
#include "ZRProfileParams.h"
#include "ZRValueCopy.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr int kMaxNameLength = 31;
constexpr int kDefaultRecordLength = 80;
constexpr int kDefaultNumberOfRecords = 1000;
constexpr int kMaxNumberOfRecords = 999999;
// Room for a foreign library(member) of up to 10 characters each.
constexpr size_t kForeignNameSize = 32;

constexpr ZRKeyword kWriteModes[] = {{"Create host file", ZRHWM_CREATE_FILE},
                                     {"Replace host file", ZRHWM_REPLACE_FILE},
                                     {"Append host file", ZRHWM_APPEND_FILE},
                                     {"Create host member", ZRHWM_CREATE_MEMBER},
                                     {"Replace host member", ZRHWM_REPLACE_MEMBER}};

bool HoldsMember(bool hasName, const char* name)
{
    return hasName && strchr(name, '(') != nullptr;
}

bool IsMemberType(int hostFileType)
{
    return hostFileType == ZRHFT_MEMBER_SOURCE || hostFileType == ZRHFT_MEMBER_PROCEDURE;
}

// Builds library(member) for a member type, else the file, into `name` (kForeignNameSize bytes); FALSE when the
// foreign profile names nothing of it.
bool ForeignName(const FtpTransferValues& values, int hostFileType, char* name)
{
    if (!IsMemberType(hostFileType))
    {
        CopyBounded(name, kForeignNameSize, values.file);
        return name[0] != '\0';
    }
    if (values.library[0] == '\0' && values.member[0] == '\0')
        return false;
    snprintf(name, kForeignNameSize, "%s(%s)", values.library, values.member);
    return true;
}
}

void SplitS36Name(const char* name, std::vector<std::string>& parts)
{
    parts.clear();
    const char* open = strchr(name, '(');
    if (open == nullptr)
    {
        parts.emplace_back(name);
        return;
    }
    parts.emplace_back(name, open);
    const char* close = strchr(open + 1, ')');
    parts.emplace_back(close != nullptr ? std::string(open + 1, close) : std::string());
}

CZRHostRequestS36H2P::CZRHostRequestS36H2P() : CZRHostRequest(ZRP_HOST_SOURCE_NAME, "SQL from", kMaxNameLength)
{
}

BOOL CZRHostRequestS36H2P::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    return WriteBaseKeys(ini) && WriteName(ini);
}

BOOL CZRHostRequestS36H2P::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ReadName(ini) && ReadBaseKeys(ini);
}

void CZRHostRequestS36H2P::SplitName(std::vector<std::string>& parts) const
{
    SplitS36Name(GetName(), parts);
}

BOOL CZRHostRequestS36H2P::IsMemberName() const
{
    return HoldsMember(HasName(), GetName());
}

BOOL CZRHostRequestS36H2P::ImportFtpProfile(const FtpProfileRecord& record)
{
    ImportBase(record.hostToPc, record.hostSystem);
    char name[kForeignNameSize];
    return !ForeignName(record.hostToPc, GetHostFileType(), name) || SetName(name);
}

CZRHostRequestS36P2H::CZRHostRequestS36P2H() : CZRHostRequestP2H(kMaxNameLength, kDefaultRecordLength)
{
}

BOOL CZRHostRequestS36P2H::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    return WriteBaseKeys(ini) && WriteName(ini) && WriteModeAndLength(ini, kWriteModes) &&
           ini.WriteInt(kHostSection, "Number of records", m_numberOfRecords);
}

BOOL CZRHostRequestS36P2H::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ReadName(ini) && ReadBaseKeys(ini) &&
           ReadModeAndLength(ini, kWriteModes, IsMemberName() ? ZRHWM_CREATE_MEMBER : ZRHWM_CREATE_FILE, 1) &&
           ReadRangeEntry(ini, kProfileHllApiSource, kHostSection, "Number of records", 1, kMaxNumberOfRecords,
                          kDefaultNumberOfRecords, &m_numberOfRecords);
}

BOOL CZRHostRequestS36P2H::GetValue(int id, void* destination) const
{
    if (id == ZRP_NUMBER_OF_RECORDS)
        return CopyIntOut(m_numberOfRecords, destination);
    return CZRHostRequestP2H::GetValue(id, destination);
}

BOOL CZRHostRequestS36P2H::SetValue(int id, const void* source)
{
    if (id == ZRP_NUMBER_OF_RECORDS)
        return CopyIntIn(&m_numberOfRecords, source);
    return CZRHostRequestP2H::SetValue(id, source);
}

int CZRHostRequestS36P2H::GetSize(int id) const
{
    if (id == ZRP_NUMBER_OF_RECORDS)
        return sizeof(int);
    return CZRHostRequestP2H::GetSize(id);
}

void CZRHostRequestS36P2H::SplitName(std::vector<std::string>& parts) const
{
    SplitS36Name(GetName(), parts);
}

BOOL CZRHostRequestS36P2H::IsMemberName() const
{
    return HoldsMember(HasName(), GetName());
}

BOOL CZRHostRequestS36P2H::ImportFtpProfile(const FtpProfileRecord& record)
{
    const FtpTransferValues& values = record.pcToHost;
    ImportBase(values, record.hostSystem);
    if (IsMemberType(GetHostFileType()))
    {
        m_writeMode = values.writeMode == FTPWM_CREATE ? ZRHWM_CREATE_MEMBER : ZRHWM_REPLACE_MEMBER;
        if (values.recordLength != 0)
            m_recordLength = values.recordLength;
    }
    else
    {
        if (values.writeMode >= FTPWM_CREATE && values.writeMode <= FTPWM_APPEND)
            m_writeMode = values.writeMode;
        if (int length = ForeignRecordLength(values); length != 0)
            m_recordLength = length;
    }
    if (values.numberOfRecords != 0)
        m_numberOfRecords = values.numberOfRecords;
    char name[kForeignNameSize];
    return !ForeignName(values, GetHostFileType(), name) || SetName(name);
}
