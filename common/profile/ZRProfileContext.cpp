#include "ZRProfileContext.h"

#include "ReportError.h"
#include "ZRErrorHandling.h"
#include "ZRProfile.h"
#include "ZRProgram.h"

namespace
{
CZRProfile* g_currentProfile = nullptr;
BOOL g_strictReading = FALSE;
UINT g_nameWarningId = IDS_ZR_NAME_INVALID_DESK;
}

CZRProfile* GetCurrentProfile()
{
    return g_currentProfile;
}

void SetCurrentProfile(CZRProfile* profile)
{
    g_currentProfile = profile;
}

void SetStrictProfileReading(BOOL strict)
{
    g_strictReading = strict;
}

void SetProfileNameWarningId(UINT stringId)
{
    g_nameWarningId = stringId;
}

UINT GetProfileNameWarningId()
{
    return g_nameWarningId;
}

void ReportProfileMessage(const char* source, int line, UINT stringId, const char* argument)
{
    ReportError(source, line, GetErrorSinkFunctions(), GetOwnModule(), stringId, argument);
}

BOOL RejectEntry(const char* source, const char* key)
{
    ReportProfileMessage(source, __LINE__, IDS_ZR_ENTRY_INVALID, key);
    return FALSE;
}

BOOL DefaultEntry(const char* source, const char* key, UINT warningId)
{
    if (g_strictReading)
        return RejectEntry(source, key);
    if (g_currentProfile != nullptr)
        g_currentProfile->SetModified(TRUE);
    ReportProfileMessage(source, __LINE__, warningId, key);
    return TRUE;
}
