#include "DataSource.h"

#include <new>

namespace
{
// The longest question, 100 characters, and its terminating zero.
constexpr int kQuestionSize = 101;
}

BOOL AllocateLayoutFields(DSRecordLayout& layout, int count)
{
    FreeRecordLayout(layout);
    if (count < 0)
        return FALSE;
    layout.fields = new (std::nothrow) DSField[count > 0 ? count : 1]();
    if (!layout.fields)
        return FALSE;
    layout.count = count;
    return TRUE;
}

int FirstOverflowingField(const DSRecordLayout& layout)
{
    unsigned end = 0;
    for (int i = 0; i < layout.count; ++i)
    {
        end += FieldLength(layout.fields[i]);
        if (end > kMaxRecordLength)
            return i;
    }
    return -1;
}

BOOL BuildRecordBuffer(DSRecordLayout& layout)
{
    if (FirstOverflowingField(layout) >= 0)
        return FALSE;
    unsigned length = 0;
    for (int i = 0; i < layout.count; ++i)
        length += FieldLength(layout.fields[i]);
    delete[] layout.buffer;
    layout.buffer = new (std::nothrow) char[length > 0 ? length : 1]();
    if (!layout.buffer)
        return FALSE;
    unsigned offset = 0;
    for (int i = 0; i < layout.count; ++i)
    {
        layout.fields[i].value = layout.buffer + offset;
        offset += FieldLength(layout.fields[i]);
    }
    layout.length = length;
    return TRUE;
}

void FreeRecordLayout(DSRecordLayout& layout)
{
    delete[] layout.fields;
    delete[] layout.buffer;
    layout = DSRecordLayout{};
}

CDataSource::CDataSource()
    : m_module(nullptr), m_profile(nullptr), m_errorSink(nullptr), m_options(nullptr), m_environment(nullptr),
      m_recordCount(0), m_layout{}
{
}

CDataSource::~CDataSource()
{
    FreeRecordLayout(m_layout);
}

void CDataSource::Attach(HMODULE module, const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                         const OptionCallbacks* options, const EnvironmentCallbacks* environment)
{
    m_module = module;
    m_profile = profile;
    m_errorSink = errorSink;
    m_options = options;
    m_environment = environment;
}

int CDataSource::OptionValue(int id, int fallback) const
{
    int value = fallback;
    return (m_options && m_options->GetOption(id, &value)) ? value : fallback;
}

bool CDataSource::AskQuestion(UINT id) const
{
    char question[kQuestionSize] = {};
    char caption[MAX_PATH] = {};
    LoadStringA(m_module, id, question, kQuestionSize);
    HWND owner = nullptr;
    if (m_environment)
    {
        m_environment->GetEnvString(ZRENV_PRODUCT_SHORT_NAME, caption);
        owner = m_environment->hwndNotify;
    }
    caption[MAX_PATH - 1] = '\0';
    return MessageBoxA(owner, question, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

BOOL CDataSource::Open(HANDLE cancelEvent)
{
    m_cancelEvent = DuplicateOwnHandle(cancelEvent);
    return TRUE;
}

BOOL CDataSource::GetRecordLayout(DSRecordLayout** layout)
{
    if (!layout)
        return FALSE;
    *layout = &m_layout;
    return TRUE;
}

BOOL CDataSource::SetRecordLayout(const DSRecordLayout*)
{
    return FALSE;
}

BOOL CDataSource::Close()
{
    m_cancelEvent.Reset();
    return TRUE;
}

BOOL CDataSource::GetField(DSField*)
{
    return FALSE;
}

BOOL CDataSource::PutField(const DSField*)
{
    return FALSE;
}

BOOL CDataSource::EndOfData()
{
    return FALSE;
}
