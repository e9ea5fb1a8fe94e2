// Reporting from Zrtexcel through ReportError, from its own string table, under the names of its three sources.
#pragma once

#include "ExcelResources.h"
#include "ReportError.h"

constexpr const char kSourceFactory[] = "ZRI_DSExcelCOM";
constexpr const char kSourceDataSource[] = "ZRSExcelCOM";
constexpr const char kSourceExcel[] = "Excel";

// Reports string `id` through the object's error sink as the data source, and gives FALSE.
#define ZRX_FAIL(id, ...) \
    (ReportError(kSourceDataSource, __LINE__, m_errorSink, m_module, id __VA_OPT__(, ) __VA_ARGS__), FALSE)
