#include "ZRProfile.h"

#include "OwnedHandles.h"
#include "ZRIniFile.h"
#include "ZRKeywords.h"
#include "ZRProfileContext.h"
#include "ZRProfileEntries.h"

#include <cstring>
#include <new>

namespace
{
const char kSection[] = "General";

constexpr ZRKeyword kConnections[] = {{"APPC", ZRCONN_APPC}, {"TCP/IP", ZRCONN_TCPIP}, {"HLLAPI", ZRCONN_HLLAPI}};
constexpr ZRKeyword kDirections[] = {{"Host to PC", ZRDIR_HOST_TO_PC}, {"PC to Host", ZRDIR_PC_TO_HOST}};
constexpr ZRKeyword kHostTypes[] = {{"AS/400", ZRHOST_AS400}, {"System/36", ZRHOST_S36}};
constexpr ZRKeyword kCharacterSets[] = {{"EBCDIC to ASCII", ZRCS_EBCDIC_TO_ASCII},
                                        {"EBCDIC to ANSI", ZRCS_EBCDIC_TO_ANSI},
                                        {"ASCII to EBCDIC", ZRCS_ASCII_TO_EBCDIC},
                                        {"ANSI to EBCDIC", ZRCS_ANSI_TO_EBCDIC}};
constexpr ZRKeyword kTransferTypes[] = {
    {"Binary", ZRTT_BINARY}, {"Conversion", ZRTT_CONVERSION}, {"DDS", ZRTT_DDS}, {"Plain", ZRTT_PLAIN}};

int DefaultCharacterSet(int direction)
{
    return direction == ZRDIR_HOST_TO_PC ? ZRCS_EBCDIC_TO_ANSI : ZRCS_ANSI_TO_EBCDIC;
}

// A "General" key that has no default: any reading mode rejects an invalid value.
bool ReadRequiredKeyword(const CZRIniFile& ini, const char* key, std::span<const ZRKeyword> keywords, int* code)
{
    return ReadKeyword(ini, kSection, key, keywords, code) || RejectEntry(kProfileSource, key);
}
}

CZRProfile::CZRProfile(int connectionType, int hostType, int direction, int transferType)
{
    m_general.Set(ZRP_CONNECTION_TYPE, connectionType);
    m_general.Set(ZRP_HOST_TYPE, hostType);
    m_general.Set(ZRP_DIRECTION, direction);
    m_general.Set(ZRP_TRANSFER_TYPE, transferType);
    m_general.Set(ZRP_CHARACTER_SET, DefaultCharacterSet(direction));
}

CZRProfile::CZRProfile(const char* fileName)
{
    SetFileName(fileName);
}

CZRProfile::~CZRProfile()
{
    if (GetCurrentProfile() == this)
        SetCurrentProfile(nullptr);
    delete m_hostRequest;
    delete m_pcRequest;
}

BOOL CZRProfile::SetFileName(const char* fileName)
{
    CopyBounded(m_fileName, sizeof m_fileName, fileName);
    return TRUE;
}

BOOL CZRProfile::CheckFileAccess()
{
    CZRIniFile ini(m_fileName);
    OwnedFile file;
    if (ini.IsValid())
        file.Reset(CreateFileA(ini.Path(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
    {
        ReportProfileMessage(kProfileSource, __LINE__, IDS_ZR_PROFILE_FILE_ACCESS, m_fileName);
        return FALSE;
    }
    return TRUE;
}

BOOL CZRProfile::Read()
{
    CZRIniFile ini(m_fileName);
    return CheckFileAccess() && ReadGeneralSection(ini) && CreateHostRequest() && CreatePcRequest() &&
           m_hostRequest->Read(ini.Path()) && m_pcRequest->Read(ini.Path());
}

BOOL CZRProfile::Write()
{
    CZRIniFile target(m_fileName);
    if (!target.IsValid() || m_hostRequest == nullptr || m_pcRequest == nullptr)
        return FALSE;
    // An existing file must be ours to replace.
    if (!OwnedFile(
            CreateFileA(target.Path(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) &&
        GetLastError() != ERROR_FILE_NOT_FOUND)
        return FALSE;

    char folder[MAX_PATH];
    CopyBounded(folder, sizeof folder, target.Path());
    strrchr(folder, '\\')[1] = '\0';
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder, "zrt", 0, temporary))
        return FALSE;

    ResetUnusedParameters();
    bool written = WriteSections(temporary) &&
                   MoveFileExA(temporary, target.Path(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!written)
        DeleteFileA(temporary);
    // The next read must see the new file, not a copy of the old one held in memory.
    target.Flush();
    return written;
}

BOOL CZRProfile::WriteSections(const char* fileName)
{
    CZRIniFile ini(fileName);
    bool written = WriteGeneralSection(ini) && m_hostRequest->Write(ini.Path()) && m_pcRequest->Write(ini.Path());
    ini.Flush();
    return written;
}

BOOL CZRProfile::CreatePcRequest()
{
    CZRPcRequest* part = m_general.Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC
                             ? static_cast<CZRPcRequest*>(new (std::nothrow) CZRPcRequestH2P)
                             : new (std::nothrow) CZRPcRequestP2H;
    if (part == nullptr)
    {
        ReportProfileMessage(kProfileSource, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
        return FALSE;
    }
    delete m_pcRequest;
    m_pcRequest = part;
    return TRUE;
}

BOOL CZRProfile::SetHostRequest(CZRRequestPart* part, const char* source)
{
    if (part == nullptr)
    {
        ReportProfileMessage(source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
        return FALSE;
    }
    delete m_hostRequest;
    m_hostRequest = part;
    return TRUE;
}

BOOL CZRProfile::ReadGeneralSection(const CZRIniFile& ini)
{
    int connection, direction, hostType, characterSet, autoClose, transferType;
    if (!ReadRequiredKeyword(ini, "Connection", kConnections, &connection))
        return FALSE;
    m_general.Set(ZRP_CONNECTION_TYPE, connection);
    if (!ReadRequiredKeyword(ini, "Direction", kDirections, &direction))
        return FALSE;
    m_general.Set(ZRP_DIRECTION, direction);
    if (!ReadRequiredKeyword(ini, "Host type", kHostTypes, &hostType))
        return FALSE;
    m_general.Set(ZRP_HOST_TYPE, hostType);
    if (!ReadKeywordEntry(ini, kProfileSource, kSection, "Character set", kCharacterSets,
                          DefaultCharacterSet(direction), &characterSet))
        return FALSE;
    m_general.Set(ZRP_CHARACTER_SET, characterSet);
    if (!ReadKeywordEntry(ini, kProfileSource, kSection, "Auto close", kYesNoKeywords, 1, &autoClose))
        return FALSE;
    m_general.Set(ZRP_AUTO_CLOSE, autoClose);
    if (!ReadRequiredKeyword(ini, "Transfer type", kTransferTypes, &transferType))
        return FALSE;
    m_general.Set(ZRP_TRANSFER_TYPE, transferType);
    return TRUE;
}

BOOL CZRProfile::WriteGeneralSection(const CZRIniFile& ini) const
{
    return ini.WriteText(kSection, "Connection", FindKeywordText(kConnections, m_general.Get(ZRP_CONNECTION_TYPE))) &&
           ini.WriteText(kSection, "Direction", FindKeywordText(kDirections, m_general.Get(ZRP_DIRECTION))) &&
           ini.WriteText(kSection, "Host type", FindKeywordText(kHostTypes, m_general.Get(ZRP_HOST_TYPE))) &&
           ini.WriteText(kSection, "Character set",
                         FindKeywordText(kCharacterSets, m_general.Get(ZRP_CHARACTER_SET))) &&
           ini.WriteText(kSection, "Auto close", m_general.Get(ZRP_AUTO_CLOSE) ? "Yes" : "No") &&
           ini.WriteText(kSection, "Transfer type", FindKeywordText(kTransferTypes, m_general.Get(ZRP_TRANSFER_TYPE)));
}
