#include "ReportError.h"

#include <cstdio>

#include "ErrorRecordBlock.h"

namespace
{

const int kStringSize = 512;
const int kMessageSize = 1040;

}

int ReportErrorV(const char* sourcePath, int line, const ErrorSinkFunctions* sink, HMODULE module, UINT stringId,
                 va_list arguments)
{
    if (sink == nullptr || sink->ReportRecord == nullptr)
        return 0;
    char format[kStringSize];
    if (LoadStringA(module, stringId, format, kStringSize) <= 0)
        return 0;
    // A message longer than the buffer is cut.
    char message[kMessageSize];
    std::vsnprintf(message, kMessageSize, format, arguments);
    BlankControlCharacters(message);

    SYSTEMTIME now;
    GetLocalTime(&now);
    ErrorRecord* record = CreateErrorRecord(SourceBaseName(sourcePath), line, message, now);
    if (record == nullptr)
        return 0;
    return sink->ReportRecord(record);
}

int ReportError(const char* sourcePath, int line, const ErrorSinkFunctions* sink, HMODULE module, UINT stringId, ...)
{
    va_list arguments;
    va_start(arguments, stringId);
    int result = ReportErrorV(sourcePath, line, sink, module, stringId, arguments);
    va_end(arguments);
    return result;
}
