#include "WizardResult.h"

#include "FwText.h"
#include "ZROptions.h"
#include "ZRPcRequest.h"
#include "ZRProfile.h"
#include "ZRRequestPart.h"

#include <cstdlib>

namespace
{
enum
{
    kCharacterSet = 4,
    kTransferType = 6,
    kPcFileName = 200,
    kPcFileType = 201,
    kPcWriteMode = 202,
    kPcRemoveBlanks = 204,
    kPcDecimalIsDot = 205,
    kSession = 303,
    kHostFileType = 304,
    kDescriptionFile = 305,
    kSource = 306,
    kDestination = 307,
    kHostWriteMode = 308,
    kRecordLength = 309,
    kNumberOfRecords = 310,
    kOptionRemoveBlanks = 4,
    kOptionDecimalIsDot = 7,
};

// The host location as the profile stores it: "lib/file(member)", "file" or "lib(member)".
std::string HostName(const WizValues& values)
{
    const int type = values.transferType;
    if (IsAs400Type(type))
    {
        return FwFormat("%s/%s(%s)", values.library.c_str(), values.file.c_str(), values.member.c_str());
    }
    if (IsS36FileType(type))
    {
        return values.s36File;
    }
    return FwFormat("%s(%s)", values.s36Library.c_str(), values.s36Member.c_str());
}
}

void ApplyWizardResult(CZRProfile& profile, const WizValues& values, const WizResult& result, const CZROptions& options)
{
    const int type = values.transferType;
    int transferType = ProfileTransferType(type);
    profile.General().SetValue(kTransferType, &transferType);
    if (!IsBinaryType(type) && type != WTT_AS400_TO_PC_DDS)
    {
        profile.General().SetValue(kCharacterSet, &result.conversion);
    }
    CZRRequestPart* host = profile.HostRequest();
    CZRPcRequest* pc = profile.PcRequest();
    if (!host || !pc)
    {
        return;
    }
    host->SetValue(kSession, values.session.c_str());
    host->SetValue(IsHostToPcType(type) ? kSource : kDestination, HostName(values).c_str());
    host->SetValue(kHostFileType, &result.hostFileType);
    if (!IsHostToPcType(type))
    {
        host->SetValue(kHostWriteMode, &result.hostWriteMode);
    }
    if (UsesDescriptionFile(values))
    {
        host->SetValue(kDescriptionFile, values.descrFile.c_str());
    }
    if (UsesRecordLength(values))
    {
        int length = std::atoi(values.recordLength.c_str());
        host->SetValue(kRecordLength, &length);
    }
    else if (type == WTT_PC_TO_S36_MEMBER)
    {
        int length = values.hostFileType == WHFT_MEMBER_SOURCE ? 96 : 120;
        host->SetValue(kRecordLength, &length);
    }
    if (UsesNumberOfRecords(values))
    {
        int records = std::atoi(values.numberOfRecords.c_str());
        host->SetValue(kNumberOfRecords, &records);
    }
    pc->SetValue(kPcFileName, values.pcFile.c_str());
    pc->SetValue(kPcFileType, &result.pcFileType);
    if (IsHostToPcType(type))
    {
        pc->SetValue(kPcWriteMode, &result.pcWriteMode);
    }
    int removeBlanks = 0;
    int decimalIsDot = 0;
    options.GetValue(kOptionRemoveBlanks, &removeBlanks);
    options.GetValue(kOptionDecimalIsDot, &decimalIsDot);
    pc->SetValue(kPcRemoveBlanks, &removeBlanks);
    pc->SetValue(kPcDecimalIsDot, &decimalIsDot);
}
