// Reporting from the host data sources: each source file names itself in kReportSource, and the object's module
// and error sink (CDataSource) do the rest.
#pragma once

#include "ReportError.h"

#define HOST_REPORT(...) ReportError(kReportSource, __LINE__, m_errorSink, m_module, __VA_ARGS__)
#define HOST_REPORT_AT(line, ...) ReportError(kReportSource, line, m_errorSink, m_module, __VA_ARGS__)
// Reports and yields false, for the failing operation's return.
#define HOST_FAIL(...) (HOST_REPORT(__VA_ARGS__), false)
