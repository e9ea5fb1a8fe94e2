#include "ZRHostRequestSqlP2H.h"

#include "ZRForeignRequest.h"
#include "ZRHostRequestAs400.h"
#include "ZRIniFile.h"
#include "ZRKeywords.h"
#include "ZRProfileContext.h"
#include "ZRProfileEntries.h"
#include "ZRProfileParams.h"
#include "ZRValueCopy.h"

#include <cstring>
#include <new>

namespace
{
constexpr int kMaxReplaceKeys = 256;
constexpr int kDefaultRecordLength = 92;
// The shortest record of a source file: sequence number and date come first.
constexpr int kMinSourceRecordLength = 13;

enum ZRSqlAuthority
{
    ZRAUTH_READ = 1,
    ZRAUTH_READ_WRITE = 2,
    ZRAUTH_ALL = 3,
    ZRAUTH_NONE = 4,
};

constexpr ZRKeyword kHostFileTypes[] = {{"Data", ZRHFT_DATA}, {"Source", ZRHFT_SOURCE}};
constexpr ZRKeyword kWriteModes[] = {{"Create host file", ZRHWM_CREATE_FILE},
                                     {"Create host member", ZRHWM_CREATE_MEMBER},
                                     {"Replace host member", ZRHWM_REPLACE_MEMBER}};
constexpr ZRKeyword kAuthorities[] = {
    {"Read", ZRAUTH_READ}, {"Read/Write", ZRAUTH_READ_WRITE}, {"All", ZRAUTH_ALL}, {"None", ZRAUTH_NONE}};

bool IsSet(const char* text)
{
    return text != nullptr && text[0] != '\0';
}
}

CZRHostRequestSqlP2H::CZRHostRequestSqlP2H(const ZRSqlConnection& connection) : m_connection(connection)
{
    Reset();
}

BOOL CZRHostRequestSqlP2H::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    try
    {
        return WriteKeys(ini);
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
}

BOOL CZRHostRequestSqlP2H::WriteKeys(const CZRIniFile& ini) const
{
    return ini.WriteText(kSqlHostSection, "System name", m_systemName) &&
           WriteNumberedValues(ini, "SQL replace", SplitSqlList(m_replace.Get(), ",")) &&
           ini.WriteText(kSqlHostSection, "SQL into", m_target.Get()) &&
           ini.WriteText(kSqlHostSection, "SQL reffile", m_referenceFile.Get()) &&
           ini.WriteText(kSqlHostSection, "Host file type", FindKeywordText(kHostFileTypes, m_hostFileType)) &&
           ini.WriteText(kSqlHostSection, "Host write mode", FindKeywordText(kWriteModes, m_writeMode)) &&
           ini.WriteInt(kSqlHostSection, "Record length", m_recordLength) &&
           ini.WriteText(kSqlHostSection, "File text", m_fileText) &&
           ini.WriteText(kSqlHostSection, "Member text", m_memberText) &&
           ini.WriteText(kSqlHostSection, "Authority", FindKeywordText(kAuthorities, m_authority));
}

BOOL CZRHostRequestSqlP2H::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    try
    {
        return ReadKeys(ini);
    }
    catch (const std::bad_alloc&)
    {
        ReportProfileMessage(m_connection.source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
        return FALSE;
    }
}

BOOL CZRHostRequestSqlP2H::ReadKeys(const CZRIniFile& ini)
{
    const char* source = m_connection.source;
    if (!ReadSystemName(ini, "System name", m_systemName))
        return RejectEntry(source, "System name");
    std::string list;
    ReadNumberedKey(ini, "SQL replace", kMaxReplaceKeys, ", ", false, list);
    if (!StoreText(m_replace, list.c_str()))
        return FALSE;
    // Neither name is checked: a missing key reads as the empty text.
    char value[kSqlValueBufferSize];
    for (auto [key, target] : {std::pair{"SQL into", &m_target}, std::pair{"SQL reffile", &m_referenceFile}})
    {
        ini.ReadText(kSqlHostSection, key, value, sizeof value);
        if (!StoreText(*target, value))
            return FALSE;
    }
    if (!StoreText(m_extra, ""))
        return FALSE;
    if (!ReadKeyword(ini, kSqlHostSection, "Host file type", kHostFileTypes, &m_hostFileType))
        return RejectEntry(source, "Host file type");
    if (!ReadKeyword(ini, kSqlHostSection, "Host write mode", kWriteModes, &m_writeMode))
        return RejectEntry(source, "Host write mode");
    if (!ReadRecordLength(ini))
        return RejectEntry(source, "Record length");
    // The texts are not checked; what does not fit the storage is cut.
    for (auto [key, text] : {std::pair{"File text", m_fileText}, std::pair{"Member text", m_memberText}})
    {
        ini.ReadText(kSqlHostSection, key, value, sizeof value);
        CopyBounded(text, kTextLength + 1, value);
    }
    if (!ReadKeyword(ini, kSqlHostSection, "Authority", kAuthorities, &m_authority))
        return RejectEntry(source, "Authority");
    return TRUE;
}

BOOL CZRHostRequestSqlP2H::ReadRecordLength(const CZRIniFile& ini)
{
    int length = 0;
    int minimum = m_hostFileType == ZRHFT_DATA ? 1 : kMinSourceRecordLength;
    if (!ini.ReadNumber(kSqlHostSection, "Record length", &length) || length < minimum ||
        length > m_connection.maxRecordLength)
        return FALSE;
    m_recordLength = length;
    return TRUE;
}

char* CZRHostRequestSqlP2H::FindFixedText(int id, size_t* size)
{
    *size = id == ZRP_SQL_SYSTEM_NAME ? sizeof m_systemName : kTextLength + 1;
    return const_cast<char*>(static_cast<const CZRHostRequestSqlP2H*>(this)->FindFixedText(id));
}

const char* CZRHostRequestSqlP2H::FindFixedText(int id) const
{
    switch (id)
    {
    case ZRP_SQL_SYSTEM_NAME:
        return m_systemName;
    case ZRP_SQL_FILE_TEXT:
        return m_fileText;
    case ZRP_SQL_MEMBER_TEXT:
        return m_memberText;
    default:
        return nullptr;
    }
}

CZROwnedText* CZRHostRequestSqlP2H::FindText(int id)
{
    return const_cast<CZROwnedText*>(static_cast<const CZRHostRequestSqlP2H*>(this)->FindText(id));
}

const CZROwnedText* CZRHostRequestSqlP2H::FindText(int id) const
{
    switch (id)
    {
    case ZRP_SQL_REPLACE:
        return &m_replace;
    case ZRP_HOST_TARGET_NAME:
        return &m_target;
    case ZRP_SQL_REFERENCE_FILE:
        return &m_referenceFile;
    case ZRP_SQL_EXTRA_TEXT:
        return &m_extra;
    default:
        return nullptr;
    }
}

int* CZRHostRequestSqlP2H::FindNumber(int id)
{
    return const_cast<int*>(static_cast<const CZRHostRequestSqlP2H*>(this)->FindNumber(id));
}

const int* CZRHostRequestSqlP2H::FindNumber(int id) const
{
    switch (id)
    {
    case ZRP_HOST_FILE_TYPE:
        return &m_hostFileType;
    case ZRP_HOST_WRITE_MODE:
        return &m_writeMode;
    case ZRP_RECORD_LENGTH:
        return &m_recordLength;
    case ZRP_SQL_AUTHORITY:
        return &m_authority;
    default:
        return nullptr;
    }
}

BOOL CZRHostRequestSqlP2H::GetValue(int id, void* destination) const
{
    if (const char* fixed = FindFixedText(id))
        return CopyTextOut(fixed, destination);
    if (const CZROwnedText* text = FindText(id))
        return CopyTextOut(text->Get(), destination);
    if (const int* number = FindNumber(id))
        return CopyIntOut(*number, destination);
    return FALSE;
}

BOOL CZRHostRequestSqlP2H::SetValue(int id, const void* source)
{
    size_t size;
    if (char* fixed = FindFixedText(id, &size))
    {
        CopyBounded(fixed, size, static_cast<const char*>(source));
        return TRUE;
    }
    if (CZROwnedText* text = FindText(id))
    {
        StoreText(*text, static_cast<const char*>(source));
        return TRUE;
    }
    if (int* number = FindNumber(id))
        return CopyIntIn(number, source);
    return FALSE;
}

int CZRHostRequestSqlP2H::GetSize(int id) const
{
    if (const char* fixed = FindFixedText(id))
        return static_cast<int>(strlen(fixed)) + 1;
    if (const CZROwnedText* text = FindText(id))
        return text->Size();
    if (FindNumber(id) != nullptr)
        return sizeof(int);
    return -1;
}

void CZRHostRequestSqlP2H::Reset()
{
    for (CZROwnedText* text : {&m_replace, &m_target, &m_referenceFile, &m_extra})
        text->Free();
    StoreText(m_replace, "*");
    m_systemName[0] = '\0';
    m_hostFileType = ZRHFT_DATA;
    m_writeMode = ZRHWM_REPLACE_MEMBER;
    m_recordLength = kDefaultRecordLength;
    m_fileText[0] = '\0';
    m_memberText[0] = '\0';
    m_authority = ZRAUTH_READ_WRITE;
}

void CZRHostRequestSqlP2H::SplitName(std::vector<std::string>& parts) const
{
    SplitAs400Name(m_target.Get(), parts);
}

void CZRHostRequestSqlP2H::SplitRefFileName(std::vector<std::string>& parts) const
{
    parts.assign(2, std::string());
    const char* name = m_referenceFile.Get();
    if (const char* slash = strchr(name, '/'); slash != nullptr)
    {
        parts[0].assign(name, slash);
        parts[1].assign(slash + 1);
    }
}

BOOL CZRHostRequestSqlP2H::StoreText(CZROwnedText& text, const char* value) const
{
    if (text.Set(value))
        return TRUE;
    ReportProfileMessage(m_connection.source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
    return FALSE;
}

BOOL CZRHostRequestSqlP2H::ImportTarget(const ZRForeignRequest& record)
{
    if (IsSet(record.systemName))
        CopyBounded(m_systemName, sizeof m_systemName, record.systemName);
    const std::pair<CZROwnedText*, const char*> texts[] = {{&m_replace, record.replaceList},
                                                           {&m_target, record.targetTable},
                                                           {&m_referenceFile, record.referenceFile},
                                                           {&m_extra, record.extraText}};
    bool copied = true;
    for (const auto& [text, value] : texts)
        copied = (!IsSet(value) || StoreText(*text, value)) && copied;
    m_hostFileType = record.hostFileType == ZRFOREIGN_SOURCE_FILE ? ZRHFT_SOURCE : ZRHFT_DATA;
    switch (record.hostWriteMode)
    {
    case ZRFOREIGN_CREATE_FILE:
        m_writeMode = ZRHWM_CREATE_FILE;
        break;
    case ZRFOREIGN_CREATE_MEMBER:
        m_writeMode = ZRHWM_CREATE_MEMBER;
        break;
    default:
        m_writeMode = ZRHWM_REPLACE_MEMBER;
        break;
    }
    return copied;
}
