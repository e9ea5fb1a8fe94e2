#include "FtpProfile.h"

#include "DeskToolsIds.h"
#include "FwText.h"
#include "ReportError.h"
#include "ZRErrorHandling.h"
#include "ZRProgram.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace
{
const char kGeneral[] = "General";
const char kHostToPc[] = "Host to PC Transfer";
const char kPcToHost[] = "PC to Host Transfer";
const char kNotFound[] = "Not found";
const char kConversionKey[] = "Conversion";
const size_t kValueSize = 260;
const size_t kAs400NameLength = 10;
const size_t kS36NameLength = 8;

using WordValue = std::pair<const char*, int>;

// The value of the word that `text` is (without regard to case), else 0.
int ValueOfWord(const std::string& text, std::initializer_list<WordValue> words)
{
    for (const WordValue& word : words)
    {
        if (FwEqualsNoCase(text, word.first))
        {
            return word.second;
        }
    }
    return 0;
}

const std::initializer_list<WordValue> kConversions = {
    {"TXT (No conversion)", FTPCONV_TXT},
    {"None", FTPCONV_TXT},
    {"TXT (Without delimiters)", FTPCONV_TXT_FIXED},
    {"Binary (No conversion)", FTPCONV_BINARY},
    {"CSV (Comma delimiter)", FTPCONV_CSV},
    {"TXT (Tab delimiter)", FTPCONV_TAB},
    {"PRN (Space delimiter)", FTPCONV_PRN},
    {"DIF (Data Interchange Format)", FTPCONV_DIF},
    {"DBF (dBASE conversion)", FTPCONV_DBF},
    {"WKQ (Quattro Pro)", FTPCONV_WKQ},
    {"WKS(Lotus Conversion)", FTPCONV_WKS},
    {"XLS(Microsoft Excel Workbook)", FTPCONV_XLS},
    {"Trim Spaces", FTPCONV_TRIM_SPACES},
};
}

CFtpProfile::CFtpProfile(const std::string& path) : m_path(path)
{
}

std::string CFtpProfile::ReadText(const char* section, const char* key) const
{
    char value[kValueSize] = "";
    GetPrivateProfileStringA(section, key, kNotFound, value, sizeof(value), m_path.c_str());
    return std::strcmp(value, kNotFound) == 0 ? std::string() : std::string(value);
}

int CFtpProfile::ReadNumber(const char* section, const char* key) const
{
    return std::atoi(ReadText(section, key).c_str());
}

void CFtpProfile::ReadName(const char* section, const char* key, bool member, char* name, size_t size) const
{
    std::string value = ReadText(section, key);
    if (value.find(' ') != std::string::npos)
    {
        value.clear();
    }
    bool as400 = m_record.hostSystem == FTPHOST_AS400;
    value = value.substr(0, as400 ? kAs400NameLength : kS36NameLength);
    if (as400 && member && value == "*")
    {
        value = "*FIRST";
    }
    value.copy(name, size - 1);
    name[std::min(value.size(), size - 1)] = '\0';
}

int CFtpProfile::ReadFileType(const char* section) const
{
    if (m_record.hostSystem == FTPHOST_AS400)
    {
        return ValueOfWord(ReadText(section, "File type"),
                           {{"Data", FTPFT_DATA}, {"Source", FTPFT_SOURCE}, {"DDS", FTPFT_DDS}});
    }
    std::string nameType = ReadText(section, "File name type");
    if (FwEqualsNoCase(nameType, "Library"))
    {
        return ValueOfWord(ReadText(section, "Member type"),
                           {{"Proc", FTPFT_MEMBER_PROCEDURE}, {"Source", FTPFT_MEMBER_SOURCE}});
    }
    if (FwEqualsNoCase(nameType, "Data"))
    {
        return ValueOfWord(ReadText(section, "File type"), {{"Data", FTPFT_DATA}, {"Source", FTPFT_SOURCE}});
    }
    return 0;
}

void CFtpProfile::ReadTransfer(const char* section, FtpTransferValues& values) const
{
    bool as400 = m_record.hostSystem == FTPHOST_AS400;
    ReadName(section, as400 ? "Host library name" : "Host file name", false, values.library, sizeof(values.library));
    ReadName(section, "Host file name", false, values.file, sizeof(values.file));
    ReadName(section, as400 ? "Host file member name" : "Member name", true, values.member, sizeof(values.member));
    std::string session = ReadText(section, "Session ID");
    char letter = session.size() == 1 ? session[0] : '\0';
    if (letter >= 'a' && letter <= 'z')
    {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    values.sessionLetter = letter >= 'A' && letter <= 'Z' ? letter : '\0';
    std::string pcFile = ReadText(section, "PC filename");
    pcFile.copy(values.pcFileName, sizeof(values.pcFileName) - 1);
    std::string description = ReadText(section, "Description filename");
    description.copy(values.descriptionFileName, sizeof(values.descriptionFileName) - 1);
    values.writeMode = ValueOfWord(
        ReadText(section, "Write mode"),
        {{"Create file", FTPWM_CREATE}, {"Replace", FTPWM_REPLACE}, {"Append", FTPWM_APPEND}, {"New", FTPWM_NEW}});
    values.fileType = ReadFileType(section);
    // Both sections take their text and binary record lengths from the host-to-PC section.
    values.textRecordLength = ReadNumber(kHostToPc, "Text file record length");
    values.binaryRecordLength = ReadNumber(kHostToPc, "Binary file record length");
    values.conversion = ValueOfWord(ReadText(section, kConversionKey), kConversions);
    values.characterSet = ValueOfWord(ReadText(section, "CharacterSet"),
                                      {{"ASCII", FTPCS_ASCII}, {"ANSI", FTPCS_ANSI}});
    values.useDescriptionFile = ValueOfWord(ReadText(section, "Use description file"), {{"Yes", 1}});
}

BOOL CFtpProfile::Refuse(int line, const char* key) const
{
    ReportError(__FILE__, line, GetErrorSinkFunctions(), GetOwnModule(), IDS_ZRH023_IMPORT_ENTRY_INVALID,
                m_path.c_str(), key);
    return FALSE;
}

BOOL CFtpProfile::Read()
{
    m_record = FtpProfileRecord{};
    m_record.hostSystem = ValueOfWord(ReadText(kGeneral, "Host system"),
                                      {{"AS/400", FTPHOST_AS400}, {"SYS/36", FTPHOST_S36}});
    if (m_record.hostSystem == 0)
    {
        return Refuse(__LINE__, "Host system");
    }
    m_record.direction = ValueOfWord(ReadText(kGeneral, "Transfer direction"), {{"Host to PC", 1}, {"PC to Host", 2}});
    if (m_record.direction == 0)
    {
        return Refuse(__LINE__, "Transfer direction");
    }
    ReadTransfer(kHostToPc, m_record.hostToPc);
    ReadTransfer(kPcToHost, m_record.pcToHost);
    m_record.pcToHost.sourceRecordLength = ReadNumber(kPcToHost, "Source file record length");
    m_record.pcToHost.recordLength = ReadNumber(kPcToHost, "Record length");
    m_record.pcToHost.numberOfRecords = ReadNumber(kPcToHost, "Number of records");
    // Without a conversion the transfer type is unknown: only a host-to-PC transfer of a DDS file needs none.
    const FtpTransferValues& own = m_record.direction == 1 ? m_record.hostToPc : m_record.pcToHost;
    bool dds = m_record.direction == 1 && own.fileType == FTPFT_DDS;
    if (!dds && own.conversion == 0)
    {
        return Refuse(__LINE__, kConversionKey);
    }
    return TRUE;
}
