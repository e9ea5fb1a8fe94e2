#include "JetDbDataSource.h"

#include "JetDbStrings.h"

#include <ReportError.h>

BOOL CJetDbDataSource::Connect()
{
    ReportError("JetDbDataSource", __LINE__, m_errorSink, m_module, IDS_JET_NOT_AVAILABLE);
    return FALSE;
}
