// The rules of the New-profile wizard that need no window: the transfer types and their groups, which page follows
// which, when a page was entered going back, the values of the choices, the checks of the typed values, and the
// Finish page's summary with its result codes.
#pragma once

#include <string>

// Transfer types, the values of the list on the first page.
enum WizTransferType
{
    WTT_AS400_TO_PC_DATABASE = 7,
    WTT_AS400_TO_PC_PLAIN = 8,
    WTT_AS400_TO_PC_BINARY = 9,
    WTT_AS400_TO_PC_DDS = 10,
    WTT_PC_TO_AS400_DATABASE = 11,
    WTT_PC_TO_AS400_PLAIN = 12,
    WTT_PC_TO_AS400_BINARY = 13,
    WTT_S36_TO_PC_DATABASE = 14,
    WTT_S36_TO_PC_PLAIN = 15,
    WTT_S36_TO_PC_BINARY = 16,
    WTT_PC_TO_S36_DATABASE = 17,
    WTT_PC_TO_S36_PLAIN = 18,
    WTT_PC_TO_S36_BINARY = 19,
    WTT_S36_MEMBER_TO_PC = 20,
    WTT_PC_TO_S36_MEMBER = 21,
};

// Host file types of the host file-type page: Data and Source of a file, Source and Procedure of a member.
enum WizHostFileType
{
    WHFT_DATA = 1,
    WHFT_SOURCE = 2,
    WHFT_MEMBER_SOURCE = 3,
    WHFT_MEMBER_PROCEDURE = 4,
};

// The write mode "Create file", the one that asks for the new host file's details.
const int kWizCreateFile = 1;
// The longest record a host file may have.
const int kWizMaxRecordLength = 1760;

bool IsDatabaseType(int type);
bool IsPlainType(int type);
bool IsBinaryType(int type);
bool IsHostToPcType(int type);
bool IsAs400Type(int type);
bool IsS36FileType(int type);
bool IsS36MemberType(int type);

// The choices the next page depends on.
struct WizChoices
{
    int transferType = 0;
    int hostFileType = 0;  // WizHostFileType, 0 none
    int hostWriteMode = 0;
};

// The page after `page` for the choices: its template id. The session page's successor is given whether the
// connection succeeded or not (the page itself stays when it fails). 0 when no type is chosen on the first page.
int NextPage(int page, const WizChoices& choices);
// Whether `lastPage` is one of the pages that can follow `page`, so that coming from it is a step back.
bool IsSuccessorPage(int page, int lastPage);

// The profile's transfer type (general parameter 6) for a wizard transfer type: 2 database, 1 binary, 3 DDS,
// 4 the others.
int ProfileTransferType(int type);
// The host file-type page's value for its checked radio button (0 first, 1 second, -1 none).
int HostFileTypeValue(int type, int checkedIndex);
// The code-page conversion page's value (the character set 1-4) for its checked radio button; 0 for none.
int ConversionValue(int type, int checkedIndex);
// The radio button the conversion page starts with: 0 (ANSI) for a database transfer with a PC file type of the
// spreadsheet and database kinds, else 1 (ASCII).
int DefaultConversionIndex(int type, int pcFileType);
// The PC file type the file dialog of the PC file page offers.
int PcBrowseType(int type, int pcFileType);

// Checks of the typed values. Host names of the AS/400: not empty, no blank, no digit first. System/36 names: not
// empty, no blank. Numbers: digits only, in range. PC paths: not empty, none of * ? < > |.
bool IsAs400NameValid(const std::string& name);
bool IsS36NameValid(const std::string& name);
bool IsRecordLengthValid(int type, int hostFileType, const std::string& text);
bool IsNumberOfRecordsValid(const std::string& text);
bool IsPcPathValid(const std::string& path);

// Everything the pages collected.
struct WizValues
{
    int transferType = 0;
    std::string session;
    std::string library, file, member;  // AS/400
    std::string s36File;
    std::string s36Library, s36Member;
    int hostFileType = 0;
    int hostWriteMode = 0;
    std::string hostWriteModeText;
    std::string descrFile;
    std::string recordLength;
    std::string numberOfRecords;
    std::string pcFile;
    int pcFileType = 0;
    std::string pcFileTypeText;
    int pcWriteMode = 0;
    std::string pcWriteModeText;
    int conversion = 0;
};

// The result codes of the Finish page; 0 where a code does not apply to the transfer type.
struct WizResult
{
    int transferType = 0;
    int hostFileType = 0;
    int hostWriteMode = 0;
    int pcFileType = 0;
    int pcWriteMode = 0;
    int conversion = 0;
};

// Whether the summary shows (and the profile takes) the record length and the number of records: only where the
// pages asked for them.
bool UsesDescriptionFile(const WizValues& values);
bool UsesRecordLength(const WizValues& values);
bool UsesNumberOfRecords(const WizValues& values);

// The Finish page's summary, one "name:  value" line per piece (from the program's string resources, each line
// ended by CR LF), and the result codes.
std::string BuildWizardSummary(const WizValues& values, WizResult& result);
