#include "ZRHostRequest.h"

#include "AsciiText.h"
#include "ZRFtpProfileRecord.h"
#include "ZRIniFile.h"
#include "ZRProfileContext.h"
#include "ZRProfileEntries.h"
#include "ZRProfileParams.h"
#include "ZRValueCopy.h"

#include <cstring>

namespace
{
constexpr ZRKeyword kHostFileTypes[] = {{"Data", ZRHFT_DATA},
                                        {"Source", ZRHFT_SOURCE},
                                        {"Member/Source", ZRHFT_MEMBER_SOURCE},
                                        {"Member/Procedure", ZRHFT_MEMBER_PROCEDURE}};

// Host file type of a foreign file type; 0 for none.
int HostFileTypeOf(int foreignType, int hostSystem)
{
    switch (foreignType)
    {
    case FTPFT_DATA:
    case FTPFT_DDS:
        return ZRHFT_DATA;
    case FTPFT_SOURCE:
        return hostSystem == FTPHOST_AS400 ? ZRHFT_SOURCE : ZRHFT_DATA;
    case FTPFT_MEMBER_SOURCE:
        return ZRHFT_MEMBER_SOURCE;
    case FTPFT_MEMBER_PROCEDURE:
        return ZRHFT_MEMBER_PROCEDURE;
    default:
        return 0;
    }
}
}

CZRHostRequest::CZRHostRequest(int nameId, const char* nameKey, int maxNameLength)
    : m_nameId(nameId), m_nameKey(nameKey), m_maxNameLength(maxNameLength)
{
}

BOOL CZRHostRequest::GetValue(int id, void* destination) const
{
    if (id == ZRP_PRESENTATION_SPACE_ID)
    {
        *static_cast<char*>(destination) = m_presentationSpaceId;
        return TRUE;
    }
    if (id == ZRP_HOST_FILE_TYPE)
        return CopyIntOut(m_hostFileType, destination);
    if (id == ZRP_DESCRIPTION_FILE)
        return CopyTextOut(m_descriptionFile, destination);
    if (id == m_nameId)
        return CopyTextOut(m_name.Get(), destination);
    return FALSE;
}

BOOL CZRHostRequest::SetValue(int id, const void* source)
{
    if (id == ZRP_PRESENTATION_SPACE_ID)
    {
        m_presentationSpaceId = *static_cast<const char*>(source);
        return TRUE;
    }
    if (id == ZRP_HOST_FILE_TYPE)
        return CopyIntIn(&m_hostFileType, source);
    if (id == ZRP_DESCRIPTION_FILE)
    {
        CopyBounded(m_descriptionFile, sizeof m_descriptionFile, static_cast<const char*>(source));
        return TRUE;
    }
    if (id == m_nameId)
    {
        SetName(static_cast<const char*>(source));
        return TRUE;
    }
    return FALSE;
}

int CZRHostRequest::GetSize(int id) const
{
    if (id == ZRP_PRESENTATION_SPACE_ID)
        return 1;
    if (id == ZRP_HOST_FILE_TYPE)
        return sizeof(int);
    if (id == ZRP_DESCRIPTION_FILE)
        return static_cast<int>(strlen(m_descriptionFile)) + 1;
    if (id == m_nameId)
        return m_name.Size();
    return -1;
}

void CZRHostRequest::Reset()
{
    m_presentationSpaceId = 'A';
    m_hostFileType = ZRHFT_DATA;
    m_descriptionFile[0] = '\0';
    m_name.Free();
}

BOOL CZRHostRequest::WriteBaseKeys(const CZRIniFile& ini) const
{
    const char letter[2] = {m_presentationSpaceId, '\0'};
    return ini.WriteText(kHostSection, "Presentation space ID", letter) &&
           ini.WriteText(kHostSection, "Host file type", FindKeywordText(kHostFileTypes, m_hostFileType)) &&
           ini.WriteText(kHostSection, "Description file", m_descriptionFile);
}

BOOL CZRHostRequest::ReadBaseKeys(const CZRIniFile& ini)
{
    const char key[] = "Presentation space ID";
    // Room for a second character, so that a longer value shows.
    char letter[3];
    if (ini.ReadText(kHostSection, key, letter, sizeof letter) && strlen(letter) == 1 && IsAsciiLetter(letter[0]))
        m_presentationSpaceId = letter[0];
    else if (DefaultEntry(kProfileHllApiSource, key))
        m_presentationSpaceId = 'A';
    else
        return FALSE;
    return ReadKeywordEntry(ini, kProfileHllApiSource, kHostSection, "Host file type", kHostFileTypes,
                            IsMemberName() ? ZRHFT_MEMBER_SOURCE : ZRHFT_DATA, &m_hostFileType) &&
           ReadPathEntry(ini, kProfileHllApiSource, kHostSection, "Description file", m_descriptionFile);
}

BOOL CZRHostRequest::WriteName(const CZRIniFile& ini) const
{
    return ini.WriteText(kHostSection, m_nameKey, m_name.Get());
}

BOOL CZRHostRequest::ReadName(const CZRIniFile& ini)
{
    // One byte more than the longest valid name needs, so that a longer one shows.
    char name[64];
    if (ini.ReadText(kHostSection, m_nameKey, name, static_cast<DWORD>(m_maxNameLength) + 2) && name[0] != '\0' &&
        static_cast<int>(strlen(name)) <= m_maxNameLength)
        return SetName(name);
    if (!DefaultEntry(kProfileHllApiSource, m_nameKey, GetProfileNameWarningId()))
        return FALSE;
    m_name.Free();
    return TRUE;
}

void CZRHostRequest::ImportBase(const FtpTransferValues& values, int hostSystem)
{
    if (values.sessionLetter != '\0')
        m_presentationSpaceId = values.sessionLetter;
    if (values.descriptionFileName[0] != '\0')
        CopyBounded(m_descriptionFile, sizeof m_descriptionFile, values.descriptionFileName);
    if (int type = HostFileTypeOf(values.fileType, hostSystem); type != 0)
        m_hostFileType = type;
}

BOOL CZRHostRequest::SetName(const char* name)
{
    if (m_name.Set(name))
        return TRUE;
    ReportProfileMessage(kProfileHllApiSource, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
    return FALSE;
}

CZRHostRequestP2H::CZRHostRequestP2H(int maxNameLength, int defaultRecordLength)
    : CZRHostRequest(ZRP_HOST_TARGET_NAME, "SQL into", maxNameLength), m_recordLength(defaultRecordLength),
      m_defaultRecordLength(defaultRecordLength)
{
}

BOOL CZRHostRequestP2H::GetValue(int id, void* destination) const
{
    if (id == ZRP_HOST_WRITE_MODE)
        return CopyIntOut(m_writeMode, destination);
    if (id == ZRP_RECORD_LENGTH)
        return CopyIntOut(m_recordLength, destination);
    return CZRHostRequest::GetValue(id, destination);
}

BOOL CZRHostRequestP2H::SetValue(int id, const void* source)
{
    if (id == ZRP_HOST_WRITE_MODE)
        return CopyIntIn(&m_writeMode, source);
    if (id == ZRP_RECORD_LENGTH)
        return CopyIntIn(&m_recordLength, source);
    return CZRHostRequest::SetValue(id, source);
}

int CZRHostRequestP2H::GetSize(int id) const
{
    if (id == ZRP_HOST_WRITE_MODE || id == ZRP_RECORD_LENGTH)
        return sizeof(int);
    return CZRHostRequest::GetSize(id);
}

void CZRHostRequestP2H::Reset()
{
    CZRHostRequest::Reset();
    m_writeMode = ZRHWM_REPLACE_MEMBER;
    m_recordLength = m_defaultRecordLength;
}

BOOL CZRHostRequestP2H::WriteModeAndLength(const CZRIniFile& ini, std::span<const ZRKeyword> writeModes) const
{
    return ini.WriteText(kHostSection, "Host write mode", FindKeywordText(writeModes, m_writeMode)) &&
           ini.WriteInt(kHostSection, "Record length", m_recordLength);
}

BOOL CZRHostRequestP2H::ReadModeAndLength(const CZRIniFile& ini, std::span<const ZRKeyword> writeModes,
                                          int modeReplacement, int minimumLength)
{
    return ReadKeywordEntry(ini, kProfileHllApiSource, kHostSection, "Host write mode", writeModes, modeReplacement,
                            &m_writeMode) &&
           ReadRangeEntry(ini, kProfileHllApiSource, kHostSection, "Record length", minimumLength, kMaxRecordLength,
                          m_defaultRecordLength, &m_recordLength);
}

int CZRHostRequestP2H::ForeignRecordLength(const FtpTransferValues& values)
{
    return values.fileType == FTPFT_SOURCE ? values.sourceRecordLength : values.textRecordLength;
}
