// Captures what is reported through ErrorSinkFunctions, for tests of code that reports errors.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "ZRCallerTables.h"

struct CapturedError
{
    std::string source;  // empty for a plain text (ReportText)
    int line = 0;
    std::string text;
    SYSTEMTIME time = {};
};

// While it lives, Sink() reports into this capture (one capture at a time). Records are copied and freed at once.
class ErrorSinkCapture
{
public:
    ErrorSinkCapture();
    ~ErrorSinkCapture();
    ErrorSinkCapture(const ErrorSinkCapture&) = delete;
    ErrorSinkCapture& operator=(const ErrorSinkCapture&) = delete;

    const ErrorSinkFunctions* Sink() const;
    std::vector<CapturedError> Records() const;
    std::vector<std::string> Texts() const;
    size_t Count() const;
    void Clear();

private:
    static BOOL ZRTAPI CaptureText(const char* text);
    static BOOL ZRTAPI CaptureRecord(ErrorRecord* record);
    void Add(CapturedError error);

    mutable std::mutex m_mutex;
    std::vector<CapturedError> m_errors;
    ErrorSinkFunctions m_sink;
};
