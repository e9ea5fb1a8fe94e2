#include "WizardFlow.h"

#include "DialogHelpers.h"
#include "FwModule.h"
#include "FwText.h"
#include "TextChecks.h"
#include "WizardIds.h"

#include <initializer_list>

namespace
{
bool IsOneOf(int value, std::initializer_list<int> values)
{
    for (int candidate : values)
    {
        if (candidate == value)
        {
            return true;
        }
    }
    return false;
}

bool IsPcToHostType(int type)
{
    return type >= WTT_PC_TO_AS400_DATABASE && !IsHostToPcType(type);
}

bool CreatesFile(const WizValues& values)
{
    return values.hostWriteMode == kWizCreateFile;
}

std::string Piece(unsigned id, std::initializer_list<CFwFormatArg> arguments)
{
    return FwFormatArgs(FwLoadString(id), arguments);
}

std::string ProfileCaption(int type)
{
    unsigned host = IsAs400Type(type) ? IDS_AS400 : IsS36FileType(type) ? IDS_S36_FILE : IDS_S36_MEMBER;
    unsigned kind = IsDatabaseType(type)    ? IDS_DATABASE
                    : IsPlainType(type)     ? IDS_PLAIN_TEXT
                    : IsBinaryType(type)    ? IDS_BINARY
                    : IsS36MemberType(type) ? IDS_SOURCE_PROCEDURE
                                            : IDS_DDS;
    return FormatProfileCaption(IsHostToPcType(type), FwLoadString(host), FwLoadString(kind));
}
}

bool IsDatabaseType(int type)
{
    return IsOneOf(type, {7, 11, 14, 17});
}

bool IsPlainType(int type)
{
    return IsOneOf(type, {8, 12, 15, 18});
}

bool IsBinaryType(int type)
{
    return IsOneOf(type, {9, 13, 16, 19});
}

bool IsHostToPcType(int type)
{
    return (type >= 7 && type <= 10) || (type >= 14 && type <= 16) || type == 20;
}

bool IsAs400Type(int type)
{
    return type >= 7 && type <= 13;
}

bool IsS36FileType(int type)
{
    return type >= 14 && type <= 19;
}

bool IsS36MemberType(int type)
{
    return type == 20 || type == 21;
}

int NextPage(int page, const WizChoices& choices)
{
    const int type = choices.transferType;
    const bool create = choices.hostWriteMode == kWizCreateFile;
    switch (page)
    {
    case 181:
        return type ? 147 : 0;
    case 147:
        return IsAs400Type(type) ? 148 : IsS36FileType(type) ? 157 : 158;
    case 148:
        return IsOneOf(type, {9, 10}) ? 146 : type == 13 ? 153 : 150;
    case 157:
        return type == 14 ? 154 : IsOneOf(type, {15, 16}) ? 146 : 153;
    case 158:
        return 150;
    case 150:
        return type == 7 ? 151 : IsOneOf(type, {8, 20}) ? 146 : 153;
    case 153:
        if (type == 11)
        {
            return !create ? 151 : choices.hostFileType == WHFT_DATA ? 154 : 155;
        }
        if (IsOneOf(type, {12, 18, 19}))
        {
            return create ? 155 : 146;
        }
        if (type == 13)
        {
            return create ? 154 : 146;
        }
        return type == 17 ? 154 : 146;
    case 154:
        if (type == 17)
        {
            return create ? 156 : 151;
        }
        return type == 13 ? 146 : 151;
    case 155:
        return type == 11 ? 151 : type == 12 ? 146 : 156;
    case 156:
        return type == 17 ? 151 : 146;
    case 151:
        return 146;
    case 146:
        return IsOneOf(type, {11, 12, 17, 18, 21}) ? 189 : IsOneOf(type, {13, 19}) ? 145 : 152;
    case 152:
        return IsOneOf(type, {7, 8, 14, 15, 20}) ? 189 : 145;
    case 189:
        return 145;
    default:
        return 0;
    }
}

bool IsSuccessorPage(int page, int lastPage)
{
    switch (page)
    {
    case 181:
        return lastPage == 147;
    case 147:
        return IsOneOf(lastPage, {148, 157, 158});
    case 148:
        return IsOneOf(lastPage, {150, 146, 153});
    case 157:
        return IsOneOf(lastPage, {154, 146, 153});
    case 158:
        return lastPage == 150;
    case 150:
        return IsOneOf(lastPage, {153, 146, 151});
    case 153:
        return IsOneOf(lastPage, {146, 151, 154, 155, 156});
    case 154:
        return IsOneOf(lastPage, {151, 156, 146});
    case 155:
        return IsOneOf(lastPage, {146, 151, 156});
    case 156:
        return IsOneOf(lastPage, {146, 151});
    case 146:
        return IsOneOf(lastPage, {152, 145, 189});
    case 151:
        return lastPage == 146;
    case 152:
        return IsOneOf(lastPage, {145, 189});
    case 189:
        return lastPage == 145;
    default:
        return false;
    }
}

int ProfileTransferType(int type)
{
    return IsDatabaseType(type) ? 2 : IsBinaryType(type) ? 1 : type == WTT_AS400_TO_PC_DDS ? 3 : 4;
}

int HostFileTypeValue(int type, int checkedIndex)
{
    if (checkedIndex < 0)
    {
        return 0;
    }
    return (IsS36MemberType(type) ? WHFT_MEMBER_SOURCE : WHFT_DATA) + (checkedIndex ? 1 : 0);
}

int ConversionValue(int type, int checkedIndex)
{
    if (checkedIndex < 0)
    {
        return 0;
    }
    if (IsHostToPcType(type))
    {
        return checkedIndex == 0 ? 2 : 1;
    }
    return checkedIndex == 0 ? 4 : 3;
}

int DefaultConversionIndex(int type, int pcFileType)
{
    return IsDatabaseType(type) && IsOneOf(pcFileType, {12, 13, 14, 16, 17, 18, 19}) ? 0 : 1;
}

int PcBrowseType(int type, int pcFileType)
{
    return IsDatabaseType(type) ? pcFileType : IsBinaryType(type) ? 2 : type == WTT_AS400_TO_PC_DDS ? 15 : 3;
}

bool IsAs400NameValid(const std::string& name)
{
    return IsS36NameValid(name) && !(name[0] >= '0' && name[0] <= '9');
}

bool IsS36NameValid(const std::string& name)
{
    return !name.empty() && name.find(' ') == std::string::npos;
}

bool IsRecordLengthValid(int type, int hostFileType, const std::string& text)
{
    const bool sourceFile = IsOneOf(type, {11, 12}) && hostFileType != WHFT_DATA;
    return !text.empty() && IsIntInRange(text.c_str(), sourceFile ? 13 : 1, kWizMaxRecordLength);
}

bool IsNumberOfRecordsValid(const std::string& text)
{
    return !text.empty() && IsIntInRange(text.c_str(), 1, 999999);
}

bool IsPcPathValid(const std::string& path)
{
    return !path.empty() && path.find_first_of("*?<>|") == std::string::npos;
}

bool UsesDescriptionFile(const WizValues& values)
{
    const int type = values.transferType;
    return (type == 11 && values.hostFileType == WHFT_DATA && CreatesFile(values)) ||
           (type == 13 && CreatesFile(values)) || type == 14 || type == 17;
}

bool UsesRecordLength(const WizValues& values)
{
    const int type = values.transferType;
    return (type == 11 && values.hostFileType != WHFT_DATA && CreatesFile(values)) ||
           (IsOneOf(type, {12, 18, 19}) && CreatesFile(values));
}

bool UsesNumberOfRecords(const WizValues& values)
{
    return IsOneOf(values.transferType, {17, 18, 19}) && CreatesFile(values);
}

std::string BuildWizardSummary(const WizValues& values, WizResult& result)
{
    const int type = values.transferType;
    result = WizResult{};
    result.transferType = type;
    std::string summary = Piece(IDS_WIZ_SUM_PROFILE_TYPE, {ProfileCaption(type)});

    if (type == WTT_AS400_TO_PC_DDS)
    {
        result.conversion = 2;
    }
    else if (!IsBinaryType(type))
    {
        result.conversion = values.conversion;
        static const unsigned kConversions[] = {IDS_WIZ_EBCDIC_TO_ASCII, IDS_WIZ_EBCDIC_TO_ANSI,
                                                IDS_WIZ_ASCII_TO_EBCDIC, IDS_WIZ_ANSI_TO_EBCDIC};
        std::string name = values.conversion >= 1 && values.conversion <= 4
                               ? FwLoadString(kConversions[values.conversion - 1])
                               : std::string();
        summary += Piece(IDS_WIZ_SUM_CONVERSION, {name});
    }

    summary += Piece(IDS_WIZ_SUM_SESSION, {values.session});
    if (IsAs400Type(type))
    {
        summary += Piece(IDS_WIZ_SUM_AS400_LOCATION, {values.library, values.file, values.member});
    }
    else if (IsS36FileType(type))
    {
        summary += Piece(IDS_WIZ_SUM_S36_FILE, {values.s36File});
    }
    else
    {
        summary += Piece(IDS_WIZ_SUM_S36_MEMBER, {values.s36Library, values.s36Member});
    }

    if (IsOneOf(type, {7, 8, 11, 12, 20, 21}))
    {
        result.hostFileType = values.hostFileType;
        static const unsigned kTypeNames[] = {IDS_WIZ_DATA, IDS_WIZ_SOURCE, IDS_WIZ_SOURCE, IDS_WIZ_PROCEDURE};
        if (values.hostFileType >= 1 && values.hostFileType <= 4)
        {
            unsigned line = values.hostFileType <= 2 ? IDS_WIZ_SUM_HOST_FILE_TYPE : IDS_WIZ_SUM_HOST_MEMBER_TYPE;
            summary += Piece(line, {FwLoadString(kTypeNames[values.hostFileType - 1])});
        }
    }
    else
    {
        result.hostFileType = WHFT_DATA;
    }

    if (IsPcToHostType(type))
    {
        result.hostWriteMode = values.hostWriteMode;
        summary += Piece(IDS_WIZ_SUM_HOST_WRITE_MODE, {values.hostWriteModeText});
    }
    if (UsesDescriptionFile(values))
    {
        summary += Piece(IDS_WIZ_SUM_DESCR_FILE, {values.descrFile});
    }
    if (UsesRecordLength(values))
    {
        summary += Piece(IDS_WIZ_SUM_RECORD_LENGTH, {values.recordLength});
    }
    if (UsesNumberOfRecords(values))
    {
        summary += Piece(IDS_WIZ_SUM_NUMBER_OF_RECORDS, {values.numberOfRecords});
    }
    summary += Piece(IDS_WIZ_SUM_PC_FILE, {values.pcFile});

    if (IsDatabaseType(type))
    {
        result.pcFileType = values.pcFileType;
        summary += Piece(IDS_WIZ_SUM_PC_FILE_TYPE, {values.pcFileTypeText});
    }
    else
    {
        result.pcFileType = IsBinaryType(type) ? 2 : type == WTT_AS400_TO_PC_DDS ? 15 : 3;
    }
    if (IsHostToPcType(type))
    {
        result.pcWriteMode = values.pcWriteMode;
        summary += Piece(IDS_WIZ_SUM_PC_WRITE_MODE, {values.pcWriteModeText});
    }
    return summary;
}
