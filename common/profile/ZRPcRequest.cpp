#include "ZRPcRequest.h"

#include "ZRCallbacks.h"
#include "ZRFtpProfileRecord.h"
#include "ZRIniFile.h"
#include "ZRKeywords.h"
#include "ZROwnedText.h"
#include "ZRProfileContext.h"
#include "ZRProfileEntries.h"
#include "ZRProfileParams.h"
#include "ZROptionIds.h"
#include "ZRTypeCodes.h"
#include "ZRValueCopy.h"

#include <array>
#include <cstring>

namespace
{
const char kSection[] = "PC request";

constexpr ZRKeyword kWriteModes[] = {
    {"Create file", ZRPCWM_CREATE}, {"Replace file", ZRPCWM_REPLACE}, {"Append to file", ZRPCWM_APPEND}};

// PC file type of each foreign conversion code, 1 to 12.
constexpr int kTypeOfConversion[] = {0,        PCFT_TXT, PCFT_DLM, PCFT_BINARY, PCFT_CSV, PCFT_TAB, PCFT_PRN,
                                     PCFT_DIF, PCFT_DBF, PCFT_WKQ, PCFT_WKS,    PCFT_XLS, PCFT_TXT};

// The names of the PC file types that a profile stores (codes 0 and 1 have none).
constexpr auto MakeFileTypeKeywords()
{
    std::array<ZRKeyword, PCFT_LAST - PCFT_FIRST_NAMED + 1> keywords{};
    for (int code = PCFT_FIRST_NAMED; code <= PCFT_LAST; ++code)
        keywords[code - PCFT_FIRST_NAMED] = {PcFileTypeNames[code], code};
    return keywords;
}
constexpr auto kFileTypes = MakeFileTypeKeywords();

// A flag option of the program; the options' own default (1) when the program has installed none.
int FlagOption(int id)
{
    int value = 1;
    if (g_optionCallbacks.GetOption == nullptr || !g_optionCallbacks.GetOption(id, &value))
        return 1;
    return value;
}
}

CZRPcRequest::CZRPcRequest()
    : m_removeBlanks(FlagOption(ZRO_REMOVE_BLANKS)), m_decimalCharIsDot(FlagOption(ZRO_DECIMAL_CHAR_IS_DOT))
{
}

BOOL CZRPcRequest::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ini.WriteText(kSection, "Filename", m_fileName) &&
           ini.WriteText(kSection, "PC file type", FindKeywordText(kFileTypes, m_fileType)) &&
           ini.WriteText(kSection, "Remove blanks", m_removeBlanks ? "Yes" : "No") &&
           ini.WriteText(kSection, "Decimal char is dot", m_decimalCharIsDot ? "Yes" : "No");
}

BOOL CZRPcRequest::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    return ReadPathEntry(ini, kProfileSource, kSection, "Filename", m_fileName) &&
           ReadKeywordEntry(ini, kProfileSource, kSection, "PC file type", kFileTypes, PCFT_TXT, &m_fileType) &&
           ReadKeywordEntry(ini, kProfileSource, kSection, "Remove blanks", kYesNoKeywords,
                            FlagOption(ZRO_REMOVE_BLANKS), &m_removeBlanks) &&
           ReadKeywordEntry(ini, kProfileSource, kSection, "Decimal char is dot", kYesNoKeywords,
                            FlagOption(ZRO_DECIMAL_CHAR_IS_DOT), &m_decimalCharIsDot);
}

BOOL CZRPcRequest::GetValue(int id, void* destination) const
{
    switch (id)
    {
    case ZRP_PC_FILE_NAME:
        return CopyTextOut(m_fileName, destination);
    case ZRP_PC_FILE_TYPE:
        return CopyIntOut(m_fileType, destination);
    case ZRP_REMOVE_BLANKS:
        return CopyIntOut(m_removeBlanks, destination);
    case ZRP_DECIMAL_CHAR_IS_DOT:
        return CopyIntOut(m_decimalCharIsDot, destination);
    default:
        return FALSE;
    }
}

BOOL CZRPcRequest::SetValue(int id, const void* source)
{
    switch (id)
    {
    case ZRP_PC_FILE_NAME:
        CopyBounded(m_fileName, sizeof m_fileName, static_cast<const char*>(source));
        return TRUE;
    case ZRP_PC_FILE_TYPE:
        return CopyIntIn(&m_fileType, source);
    case ZRP_REMOVE_BLANKS:
        return CopyIntIn(&m_removeBlanks, source);
    case ZRP_DECIMAL_CHAR_IS_DOT:
        return CopyIntIn(&m_decimalCharIsDot, source);
    default:
        return FALSE;
    }
}

int CZRPcRequest::GetSize(int id) const
{
    switch (id)
    {
    case ZRP_PC_FILE_NAME:
        return static_cast<int>(strlen(m_fileName)) + 1;
    case ZRP_PC_FILE_TYPE:
    case ZRP_REMOVE_BLANKS:
    case ZRP_DECIMAL_CHAR_IS_DOT:
        return sizeof(int);
    default:
        return -1;
    }
}

void CZRPcRequest::Reset()
{
    m_fileName[0] = '\0';
    m_fileType = 0;
    m_removeBlanks = FlagOption(ZRO_REMOVE_BLANKS);
    m_decimalCharIsDot = FlagOption(ZRO_DECIMAL_CHAR_IS_DOT);
}

int CZRPcRequest::GetInt(int id, int fallback) const
{
    int value = fallback;
    return GetValue(id, &value) ? value : fallback;
}

void CZRPcRequest::ImportTransfer(const FtpTransferValues& values, BOOL hostToPc)
{
    if (values.pcFileName[0] != '\0')
        CopyBounded(m_fileName, sizeof m_fileName, values.pcFileName);
    if (hostToPc && values.fileType == FTPFT_DDS)
        m_fileType = PCFT_FMT;
    else if (values.conversion >= FTPCONV_TXT && values.conversion <= FTPCONV_TRIM_SPACES)
        m_fileType = kTypeOfConversion[values.conversion];
    if (hostToPc && values.conversion == FTPCONV_TRIM_SPACES)
        m_removeBlanks = 1;
}

BOOL CZRPcRequestH2P::Write(const char* fileName)
{
    return CZRPcRequest::Write(fileName) &&
           CZRIniFile(fileName).WriteText(kSection, "PC write mode", FindKeywordText(kWriteModes, m_writeMode));
}

BOOL CZRPcRequestH2P::Read(const char* fileName)
{
    return CZRPcRequest::Read(fileName) && ReadKeywordEntry(CZRIniFile(fileName), kProfileSource, kSection,
                                                            "PC write mode", kWriteModes, ZRPCWM_CREATE, &m_writeMode);
}

BOOL CZRPcRequestH2P::GetValue(int id, void* destination) const
{
    return id == ZRP_PC_WRITE_MODE ? CopyIntOut(m_writeMode, destination) : CZRPcRequest::GetValue(id, destination);
}

BOOL CZRPcRequestH2P::SetValue(int id, const void* source)
{
    return id == ZRP_PC_WRITE_MODE ? CopyIntIn(&m_writeMode, source) : CZRPcRequest::SetValue(id, source);
}

int CZRPcRequestH2P::GetSize(int id) const
{
    return id == ZRP_PC_WRITE_MODE ? static_cast<int>(sizeof(int)) : CZRPcRequest::GetSize(id);
}

void CZRPcRequestH2P::Reset()
{
    CZRPcRequest::Reset();
    m_writeMode = ZRPCWM_CREATE;
}

BOOL CZRPcRequestH2P::ImportFtpProfile(const FtpProfileRecord& record)
{
    ImportTransfer(record.hostToPc, TRUE);
    if (record.hostToPc.writeMode >= FTPWM_CREATE && record.hostToPc.writeMode <= FTPWM_APPEND)
        m_writeMode = record.hostToPc.writeMode;
    return TRUE;
}

BOOL CZRPcRequestP2H::ImportFtpProfile(const FtpProfileRecord& record)
{
    ImportTransfer(record.pcToHost, FALSE);
    return TRUE;
}
