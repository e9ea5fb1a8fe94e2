#include "ZRProfileSql.h"

#include "ZRProfileContext.h"
#include "ZRProfileParams.h"
#include "ZRTypeCodes.h"

namespace
{
constexpr int kNeutralRecordLength = 92;

struct UsedParameters
{
    bool referenceFile = false;
    bool recordLength = false;
};

UsedParameters FindUsedParameters(const CZRProfile& profile)
{
    UsedParameters used;
    const CZRRequestPart* host = profile.HostRequest();
    const CZRPcRequest* pc = profile.PcRequest();
    if (host == nullptr || pc == nullptr || profile.General().Get(ZRP_DIRECTION) != ZRDIR_PC_TO_HOST ||
        host->GetInt(ZRP_HOST_WRITE_MODE) != ZRHWM_CREATE_FILE)
        return used;
    if (pc->GetInt(ZRP_PC_FILE_TYPE) == PCFT_BINARY)
    {
        used.referenceFile = TRUE;
        return used;
    }
    int hostFileType = host->GetInt(ZRP_HOST_FILE_TYPE);
    used.referenceFile = hostFileType == ZRHFT_DATA;
    used.recordLength = hostFileType == ZRHFT_SOURCE;
    return used;
}
}

CZRProfileSql::CZRProfileSql(const ZRSqlConnection& connection, int hostType, int direction, int transferType)
    : CZRProfile(connection.connectionType, hostType, direction, transferType), m_connection(connection)
{
}

CZRProfileSql::CZRProfileSql(const ZRSqlConnection& connection, const char* fileName)
    : CZRProfile(fileName), m_connection(connection)
{
}

BOOL CZRProfileSql::IsParameterUsed(int id)
{
    UsedParameters used = FindUsedParameters(*this);
    switch (id)
    {
    case ZRP_SQL_REFERENCE_FILE:
        return used.referenceFile;
    case ZRP_RECORD_LENGTH:
        return used.recordLength;
    default:
        return FALSE;
    }
}

void CZRProfileSql::ResetUnusedParameters()
{
    CZRRequestPart* host = HostRequest();
    if (host == nullptr)
        return;
    if (!IsParameterUsed(ZRP_SQL_REFERENCE_FILE))
        host->SetValue(ZRP_SQL_REFERENCE_FILE, "");
    if (!IsParameterUsed(ZRP_RECORD_LENGTH))
    {
        int length = kNeutralRecordLength;
        host->SetValue(ZRP_RECORD_LENGTH, &length);
    }
}

BOOL CZRProfileSql::MakeHostRequest(CZRRequestPart* (*makeHostToPc)(), CZRRequestPart* (*makePcToHost)())
{
    // The host part of another kind's file must never be read, and then written, as this kind's.
    if (General().Get(ZRP_CONNECTION_TYPE) != m_connection.connectionType)
        return RejectEntry(m_connection.source, "Connection");
    bool hostToPc = General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
    return SetHostRequest(hostToPc ? makeHostToPc() : makePcToHost(), m_connection.source);
}
