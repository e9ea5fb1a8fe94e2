// Reporting from Zrtpcfile: string ids of its own table, through ReportError.
#pragma once

#include "PcFileResources.h"
#include "ReportError.h"

// Reports string `id` of this library through the object's error sink, naming `source` as the reporting source.
#define ZRI_REPORT(source, id, ...) ReportError(source, __LINE__, m_errorSink, m_module, id __VA_OPT__(, ) __VA_ARGS__)
// Reports as ZRI_REPORT and gives FALSE.
#define ZRI_FAIL(source, id, ...) (ZRI_REPORT(source, id __VA_OPT__(, ) __VA_ARGS__), FALSE)
