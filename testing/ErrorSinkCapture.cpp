#include "ErrorSinkCapture.h"

#include <atomic>

namespace
{

std::atomic<ErrorSinkCapture*> g_activeCapture{nullptr};

}

ErrorSinkCapture::ErrorSinkCapture() : m_sink{CaptureText, CaptureRecord}
{
    g_activeCapture = this;
}

ErrorSinkCapture::~ErrorSinkCapture()
{
    g_activeCapture = nullptr;
}

const ErrorSinkFunctions* ErrorSinkCapture::Sink() const
{
    return &m_sink;
}

std::vector<CapturedError> ErrorSinkCapture::Records() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_errors;
}

std::vector<std::string> ErrorSinkCapture::Texts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> texts;
    for (const CapturedError& error : m_errors)
        texts.push_back(error.text);
    return texts;
}

size_t ErrorSinkCapture::Count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_errors.size();
}

void ErrorSinkCapture::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_errors.clear();
}

void ErrorSinkCapture::Add(CapturedError error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_errors.push_back(std::move(error));
}

BOOL ZRTAPI ErrorSinkCapture::CaptureText(const char* text)
{
    CapturedError error;
    error.text = text;
    GetLocalTime(&error.time);
    if (ErrorSinkCapture* capture = g_activeCapture)
        capture->Add(std::move(error));
    return TRUE;
}

BOOL ZRTAPI ErrorSinkCapture::CaptureRecord(ErrorRecord* record)
{
    CapturedError error;
    error.source = record->source;
    error.line = record->line;
    error.text = record->text;
    error.time = record->time;
    HeapFree(GetProcessHeap(), 0, record);
    if (ErrorSinkCapture* capture = g_activeCapture)
        capture->Add(std::move(error));
    return TRUE;
}
