#include "CallRecording.h"

#include <algorithm>
#include <cstring>

namespace
{
enum
{
    FN_CONNECT_PS = 1,
    FN_SEND_KEY = 3,
    FN_COPY_PS_TO_STRING = 8,
    FN_SET_SESSION_PARAMETERS = 9,
    FN_QUERY_SESSIONS = 10,
    FN_COPY_OIA = 13,
    FN_COPY_STRING_TO_PS = 15,
    FN_START_HOST_NOTIFICATION = 23,
    FN_QUERY_HOST_UPDATE = 24,
    RC_SYSTEM_ERROR = 9,
    NOTIFY_BLOCK_SIZE = 16,
    NOTIFY_EVENT_OFFSET = 8,
    SESSION_WORD_SIZE = 4,
    WAIT_SLICE_MS = 100,
};

std::size_t Positive(int length)
{
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// The bytes a call's data buffer carries in.
std::size_t InputBytes(int function, int length)
{
    switch (function)
    {
    case FN_CONNECT_PS:
    case FN_QUERY_HOST_UPDATE:
        return SESSION_WORD_SIZE;
    case FN_START_HOST_NOTIFICATION:
        return NOTIFY_BLOCK_SIZE;
    case FN_SEND_KEY:
    case FN_SET_SESSION_PARAMETERS:
    case FN_COPY_STRING_TO_PS:
        return Positive(length);
    default:
        return 0;
    }
}

// The bytes the bridge fills in the data buffer.
std::size_t OutputBytes(int function, int length)
{
    switch (function)
    {
    case FN_COPY_PS_TO_STRING:
    case FN_QUERY_SESSIONS:
    case FN_COPY_OIA:
        return Positive(length);
    case FN_START_HOST_NOTIFICATION:
        return NOTIFY_BLOCK_SIZE;
    default:
        return 0;
    }
}
}

CallRecording::CallRecording() : m_event(CreateEventA(nullptr, TRUE, TRUE, nullptr))
{
}

void CallRecording::Clear()
{
    m_calls.clear();
    m_next = 0;
    m_unexpected = 0;
}

int CallRecording::RecordCall(HllapiForward forward, int* function, char* data, int* length, int* returnCode)
{
    Call call = {*function,
                 data != nullptr,
                 length != nullptr,
                 returnCode != nullptr,
                 length ? *length : 0,
                 returnCode ? *returnCode : 0,
                 std::string(),
                 std::string(),
                 0,
                 0,
                 0};
    if (data)
        call.input.assign(data, InputBytes(call.function, call.lengthIn));
    call.result = forward(function, data, length, returnCode);
    if (data)
        call.output.assign(data, OutputBytes(call.function, call.lengthIn));
    call.lengthOut = length ? *length : 0;
    call.returnCodeOut = returnCode ? *returnCode : 0;
    const int result = call.result;
    m_calls.push_back(std::move(call));
    return result;
}

bool CallRecording::Matches(const Call& call, int function, const char* data, const int* length,
                            const int* returnCode) const
{
    if (call.function != function || call.hasData != (data != nullptr) || call.hasLength != (length != nullptr) ||
        call.hasReturnCode != (returnCode != nullptr))
        return false;
    if ((length && *length != call.lengthIn) || (returnCode && *returnCode != call.returnCodeIn))
        return false;
    return !data || call.input.compare(0, std::string::npos, data, call.input.size()) == 0;
}

int CallRecording::Answer(int* function, char* data, int* length, int* returnCode)
{
    if (m_next >= m_calls.size() || !function || !Matches(m_calls[m_next], *function, data, length, returnCode))
    {
        ++m_unexpected;
        if (returnCode)
            *returnCode = RC_SYSTEM_ERROR;
        return RC_SYSTEM_ERROR;
    }
    const Call& call = m_calls[m_next++];
    if (data)
        std::memcpy(data, call.output.data(), call.output.size());
    if (call.function == FN_START_HOST_NOTIFICATION && data)
    {
        const LONG value = HandleToLong(m_event.Get());
        std::memcpy(data + NOTIFY_EVENT_OFFSET, &value, sizeof value);
    }
    if (length)
        *length = call.lengthOut;
    if (returnCode)
        *returnCode = call.returnCodeOut;
    return call.result;
}

long long CallRecording::Replay(HllapiForward forward) const
{
    std::size_t size = NOTIFY_BLOCK_SIZE;
    for (const Call& call : m_calls)
        size = std::max({size, call.input.size(), Positive(call.lengthIn) + 1});
    std::vector<char> buffer(size);
    HANDLE event = nullptr;
    long long differing = 0;
    for (const Call& call : m_calls)
    {
        std::memcpy(buffer.data(), call.input.data(), call.input.size());
        if (call.function == FN_QUERY_HOST_UPDATE && event)
            WaitForSingleObject(event, WAIT_SLICE_MS);
        int function = call.function;
        int length = call.lengthIn;
        int returnCode = call.returnCodeIn;
        const int result = forward(&function, call.hasData ? buffer.data() : nullptr,
                                   call.hasLength ? &length : nullptr, call.hasReturnCode ? &returnCode : nullptr);
        if (call.function == FN_START_HOST_NOTIFICATION && result == 0)
        {
            LONG value = 0;
            std::memcpy(&value, buffer.data() + NOTIFY_EVENT_OFFSET, sizeof value);
            event = LongToHandle(value);
        }
        if (result != call.result)
            ++differing;
    }
    return differing;
}
