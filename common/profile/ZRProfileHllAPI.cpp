#include "ZRProfileHllAPI.h"

#include "ZRHostRequestAs400.h"
#include "ZRHostRequestS36.h"
#include "ZRProfileContext.h"
#include "ZRProfileParams.h"
#include "ZRTypeCodes.h"

#include <new>

namespace
{
constexpr int kAs400RecordLength = 92;
constexpr int kS36RecordLength = 80;
constexpr int kNumberOfRecords = 1000;

struct UsedParameters
{
    bool descriptionFile = false;
    bool recordLength = false;
    bool numberOfRecords = false;
};

bool IsTextPcFile(int pcFileType)
{
    return pcFileType == PCFT_BINARY || pcFileType == PCFT_TXT;
}

UsedParameters FindUsedParameters(const CZRProfile& profile)
{
    UsedParameters used;
    const CZRRequestPart* host = profile.HostRequest();
    const CZRPcRequest* pc = profile.PcRequest();
    if (host == nullptr || pc == nullptr)
        return used;
    int hostType = profile.General().Get(ZRP_HOST_TYPE);
    int direction = profile.General().Get(ZRP_DIRECTION);
    int hostFileType = host->GetInt(ZRP_HOST_FILE_TYPE);
    int writeMode = host->GetInt(ZRP_HOST_WRITE_MODE);
    int pcFileType = pc->GetInt(ZRP_PC_FILE_TYPE);

    if (hostType == ZRHOST_AS400)
    {
        if (direction != ZRDIR_PC_TO_HOST || writeMode != ZRHWM_CREATE_FILE)
            return used;
        if (pcFileType == PCFT_BINARY)
            used.descriptionFile = TRUE;
        else if (pcFileType == PCFT_TXT)
            used.recordLength = TRUE;
        else
        {
            used.descriptionFile = hostFileType == ZRHFT_DATA;
            used.recordLength = hostFileType == ZRHFT_SOURCE;
        }
        return used;
    }
    if (host->IsMemberName())
        return used;
    if (direction == ZRDIR_HOST_TO_PC)
    {
        used.descriptionFile = !IsTextPcFile(pcFileType);
        return used;
    }
    if (!IsTextPcFile(pcFileType))
        used.descriptionFile = TRUE;
    else
        used.recordLength = writeMode == ZRHWM_CREATE_FILE;
    used.numberOfRecords = writeMode == ZRHWM_CREATE_FILE;
    return used;
}
}

BOOL CZRProfileHllAPI::CreateHostRequest()
{
    if (General().Get(ZRP_CONNECTION_TYPE) != ZRCONN_HLLAPI)
        return RejectEntry(kProfileHllApiSource, "Connection");
    bool hostToPc = General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    BOOL as400 = General().Get(ZRP_HOST_TYPE) == ZRHOST_AS400;
    CZRRequestPart* part;
    if (hostToPc)
        part = as400 ? static_cast<CZRRequestPart*>(new (std::nothrow) CZRHostRequestAs400H2P)
                     : new (std::nothrow) CZRHostRequestS36H2P;
    else
        part = as400 ? static_cast<CZRRequestPart*>(new (std::nothrow) CZRHostRequestAs400P2H)
                     : new (std::nothrow) CZRHostRequestS36P2H;
    return SetHostRequest(part, kProfileHllApiSource);
}

BOOL CZRProfileHllAPI::IsParameterUsed(int id)
{
    UsedParameters used = FindUsedParameters(*this);
    switch (id)
    {
    case ZRP_DESCRIPTION_FILE:
        return used.descriptionFile;
    case ZRP_RECORD_LENGTH:
        return used.recordLength;
    case ZRP_NUMBER_OF_RECORDS:
        return used.numberOfRecords;
    default:
        return FALSE;
    }
}

void CZRProfileHllAPI::ResetUnusedParameters()
{
    CZRRequestPart* host = HostRequest();
    if (host == nullptr)
        return;
    if (!IsParameterUsed(ZRP_DESCRIPTION_FILE))
        host->SetValue(ZRP_DESCRIPTION_FILE, "");
    BOOL as400 = General().Get(ZRP_HOST_TYPE) == ZRHOST_AS400;
    bool keepsLength = !as400 && General().Get(ZRP_DIRECTION) == ZRDIR_PC_TO_HOST && host->IsMemberName();
    if (!IsParameterUsed(ZRP_RECORD_LENGTH) && !keepsLength)
    {
        int length = as400 ? kAs400RecordLength : kS36RecordLength;
        host->SetValue(ZRP_RECORD_LENGTH, &length);
    }
    if (!IsParameterUsed(ZRP_NUMBER_OF_RECORDS))
    {
        int records = kNumberOfRecords;
        host->SetValue(ZRP_NUMBER_OF_RECORDS, &records);
    }
}
