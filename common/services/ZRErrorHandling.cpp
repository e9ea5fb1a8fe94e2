#include "ZRErrorHandling.h"

#include "ErrorRecordBlock.h"

namespace
{

const char kReportTextSource[] = "ZRErrorHandling";
const int kReportTextLine = 317;

ErrorSinkFunctions g_errorSink = {};

}

ErrorList& GetErrorList()
{
    static ErrorList list;
    return list;
}

BOOL InstallErrorContext()
{
    g_errorSink.ReportText = ReportText;
    g_errorSink.ReportRecord = ReportRecord;
    return TRUE;
}

const ErrorSinkFunctions* GetErrorSinkFunctions()
{
    return &g_errorSink;
}

// Called from the data-source libraries: allocates nothing but the record's own block, so that nothing can throw.
BOOL ZRTAPI ReportText(const char* text)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    ErrorRecord* record = CreateErrorRecord(kReportTextSource, kReportTextLine, text != nullptr ? text : "", now);
    if (record == nullptr)
        return TRUE;
    BlankControlCharacters(record->text);
    GetErrorList().Append(record);
    return TRUE;
}

BOOL ZRTAPI ReportRecord(ErrorRecord* record)
{
    if (record != nullptr)
        GetErrorList().Append(record);
    return TRUE;
}

void ClearErrorList()
{
    GetErrorList().Clear();
}
