#include "ZRSViaHLLAPI.h"

#include "AsciiText.h"
#include "HllapiMessages.h"
#include "HostReport.h"

#include <cstring>
#include <iterator>

namespace
{
constexpr char kReportSource[] = "ZRSViaHLLAPI";

// Position on the presentation space, from 1: (row - 1) x 80 + column.
int PsPosition(int row, int column)
{
    return (row - 1) * HLL_COLUMNS + column;
}

// Elapsed milliseconds since start, correct across the wrap of the tick count.
DWORD Elapsed(DWORD start)
{
    return GetTickCount() - start;
}

constexpr DWORD kWaitSliceMs = 100;

// The AS/400 command line: "===> " from column 2 of the cursor's row or of the row above.
constexpr char kCommandLineMark[] = "===> ";
constexpr int kCommandLineMarkColumn = 2;
}

bool CZRSViaHLLAPI::ReadSessionLetter()
{
    char letter = m_session;
    if (!m_profile->GetHost(ZRP_PRESENTATION_SPACE_ID, &letter))
        return false;
    m_session = letter;
    return true;
}

BOOL CZRSViaHLLAPI::LoadHllapi()
{
    if (m_bridge)
        return TRUE;
    char folder[MAX_PATH] = "";
    if (m_environment)
        m_environment->GetEnvString(ZRENV_PROGRAM_FOLDER, folder);
    folder[MAX_PATH - 1] = '\0';
    std::string path = std::string(folder) + HLL_BRIDGE_FILE;
    m_bridge.Reset(LoadLibraryA(path.c_str()));
    if (!m_bridge)
    {
        std::string parent(folder);
        const std::size_t cut = parent.rfind('\\');
        if (cut != std::string::npos)
        {
            path = parent.substr(0, cut) + HLL_BRIDGE_FILE;
            m_bridge.Reset(LoadLibraryA(path.c_str()));
        }
    }
    bool loaded = false;
    if (!m_bridge)
    {
        HOST_REPORT(IDS_HLL_BRIDGE_NOT_LOADED);
    }
    else
    {
        m_hllapi = reinterpret_cast<HllapiEntry>(
            reinterpret_cast<void*>(GetProcAddress(m_bridge.Get(), HLL_ENTRY_HLLAPI)));
        m_getStatus = reinterpret_cast<KvrGetStatusEntry>(
            reinterpret_cast<void*>(GetProcAddress(m_bridge.Get(), HLL_ENTRY_GET_STATUS)));
        if (m_hllapi && m_getStatus)
        {
            loaded = true;
        }
        else
        {
            // A bridge without both entries is of no use: forget it, so that the next attempt loads it again
            // and reports the truth.
            HOST_REPORT(IDS_HLL_BRIDGE_CORRUPTED);
            FreeHllapi();
        }
    }
    int seconds = 0;
    if (m_options && m_options->GetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, &seconds) && seconds > 0)
        m_sendKeyTimeout = static_cast<DWORD>(seconds) * 1000;
    seconds = 0;
    if (m_options && m_options->GetOption(ZRO_HLLAPI_TIMEOUT_DDS, &seconds) && seconds > 0)
        m_ddsTimeout = static_cast<DWORD>(seconds) * 1000;
    return loaded;
}

void CZRSViaHLLAPI::FreeHllapi()
{
    m_bridge.Reset();
    m_hllapi = nullptr;
    m_getStatus = nullptr;
    m_psConnected = false;
}

BOOL CZRSViaHLLAPI::QueryInfo(char* text, int* number1, int* number2)
{
    if (text)
        std::memset(text, 0, 3 * HLL_MAX_SESSIONS);
    if (number1)
        *number1 = 0;
    if (number2)
        *number2 = 0;
    ReadSessionLetter();
    char entries[HLL_MAX_SESSIONS * HLL_SESSION_ENTRY_SIZE] = {};
    int count = 0;
    if (!(LoadHllapi() && QuerySessions(entries, count)))
        return FALSE;
    int kept = 0;
    for (int i = 0; i < count; ++i)
    {
        const unsigned char* entry = reinterpret_cast<unsigned char*>(entries) + i * HLL_SESSION_ENTRY_SIZE;
        const int size = entry[HLL_SESSION_PS_SIZE] | (entry[HLL_SESSION_PS_SIZE + 1] << 8);
        if (entry[HLL_SESSION_TYPE] != HLL_SESSION_TYPE_DISPLAY || size == 0)
            continue;
        int status = HLL_STATUS_BUSY;
        if (m_getStatus)
            m_getStatus(static_cast<char>(entry[HLL_SESSION_NAME]), &status);
        if (text)
        {
            text[3 * kept] = (status & HLL_STATUS_BUSY) ? 0 : 1;
            text[3 * kept + 1] = static_cast<char>(entry[HLL_SESSION_NAME]);
            text[3 * kept + 2] = 0;
        }
        ++kept;
    }
    if (number1)
        *number1 = kept;
    return TRUE;
}

char* CZRSViaHLLAPI::CallData(const char* text, std::size_t count)
{
    m_callData.assign(text, count);
    return m_callData.data();
}

int CZRSViaHLLAPI::Call(int function, void* data, int* length, int* returnCode)
{
    if (!m_hllapi)
    {
        if (returnCode)
            *returnCode = HLL_RC_SYSTEM_ERROR;
        return HLL_RC_SYSTEM_ERROR;
    }
    int number = function;
    m_hllapi(&number, static_cast<char*>(data), length, returnCode);
    return returnCode ? *returnCode : HLL_RC_OK;
}

bool CZRSViaHLLAPI::ReportRc(int line, int rc, const RcMessage* messages, int count)
{
    UINT id = IDS_HLL_UNKNOWN_ERROR;
    for (int i = 0; i < count; ++i)
    {
        if (messages[i].rc == rc)
            id = messages[i].id;
    }
    HOST_REPORT_AT(line, id);
    return false;
}

#define FAIL_WITH(rc, table) ReportRc(__LINE__, rc, table, static_cast<int>(std::size(table)))

bool CZRSViaHLLAPI::ConnectPresentationSpace()
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_BAD_SESSION},
                                          {HLL_RC_BUSY, IDS_HLL_PS_BUSY},
                                          {HLL_RC_INPUT_INHIBITED, IDS_HLL_PS_LOCKED},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR},
                                          {HLL_RC_RESOURCE_UNAVAILABLE, IDS_HLL_PS_IN_USE}};
    char data[4] = {m_session, 0, 0, 0};
    int length = 1;
    int rc = 0;
    if (Call(HLL_CONNECT_PS, data, &length, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    m_psConnected = true;
    return true;
}

void CZRSViaHLLAPI::DisconnectPresentationSpace()
{
    Call(HLL_DISCONNECT_PS, nullptr, nullptr, nullptr);
    m_psConnected = false;
}

bool CZRSViaHLLAPI::SendKey(const char* keys)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},
                                          {HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_STRING_LENGTH},
                                          {HLL_RC_BAD_POSITION, IDS_HLL_BAD_POSITION},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    const std::size_t count = std::strlen(keys);
    int length = static_cast<int>(count);
    int rc = 0;
    if (Call(HLL_SEND_KEY, CallData(keys, count), &length, &rc) == HLL_RC_OK)
        return true;
    // A locked keyboard: an operator error is what the user must mend.
    bool operatorError = false;
    if (rc == HLL_RC_INPUT_INHIBITED && IsOperatorError(operatorError) && operatorError)
    {
        HOST_REPORT(IDS_HLL_OPERATOR_ERROR);
        return false;
    }
    return FAIL_WITH(rc, kMessages);
}

bool CZRSViaHLLAPI::QueryCursorLocation(int& row, int& column)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    int position = 0;
    int rc = 0;
    if (Call(HLL_QUERY_CURSOR, nullptr, &position, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    // The position counts from 1, so column 80 belongs to its own row.
    row = (position - 1) / HLL_COLUMNS + 1;
    column = (position - 1) % HLL_COLUMNS + 1;
    return true;
}

bool CZRSViaHLLAPI::CopyPresentationSpaceToString(int row, int column, char* buffer, int count)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},
                                          {HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_STRING_LENGTH},
                                          {HLL_RC_BAD_POSITION, IDS_HLL_BAD_POSITION},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    int length = count;
    int rc = PsPosition(row, column);
    buffer[count] = '\0';
    const int result = Call(HLL_COPY_PS_TO_STRING, buffer, &length, &rc);
    buffer[count] = '\0';
    if (result != HLL_RC_OK && result != HLL_RC_BUSY && result != HLL_RC_INPUT_INHIBITED)
        return FAIL_WITH(result, kMessages);
    return true;
}

bool CZRSViaHLLAPI::SetSessionParameters(const char* parameters)
{
    static const RcMessage kMessages[] = {{HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_PARAMETER},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    const std::size_t count = std::strlen(parameters);
    int length = static_cast<int>(count);
    int rc = 0;
    if (Call(HLL_SET_SESSION_PARAMETERS, CallData(parameters, count), &length, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    return true;
}

bool CZRSViaHLLAPI::QuerySessions(char* entries, int& count)
{
    static const RcMessage kMessages[] = {{HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    int length = HLL_MAX_SESSIONS * HLL_SESSION_ENTRY_SIZE;
    int rc = 0;
    const int result = Call(HLL_QUERY_SESSIONS, entries, &length, &rc);
    if (result != HLL_RC_OK && result != HLL_RC_PARAMETER_ERROR)
        return FAIL_WITH(result, kMessages);
    // The bridge's count is trusted only as far as the buffer reaches.
    count = length < 0 ? 0 : (length > HLL_MAX_SESSIONS ? HLL_MAX_SESSIONS : length);
    return true;
}

bool CZRSViaHLLAPI::CopyOIA(int byteIndex, bool& on)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},
                                          {HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_LENGTH},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    unsigned char oia[HLL_OIA_SIZE] = {};
    int length = HLL_OIA_SIZE;
    int rc = 0;
    const int result = Call(HLL_COPY_OIA, oia, &length, &rc);
    if (result != HLL_RC_OK && result != HLL_RC_BUSY && result != HLL_RC_INPUT_INHIBITED)
        return FAIL_WITH(result, kMessages);
    on = oia[byteIndex] != 0;
    return true;
}

bool CZRSViaHLLAPI::CopyStringToPresentationSpace(int row, int column, const char* data, int count)
{
    static const RcMessage kMessages[] = {
        {HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},  {HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_STRING_LENGTH},
        {HLL_RC_INPUT_INHIBITED, IDS_HLL_PS_PROTECTED}, {HLL_RC_TRUNCATED, IDS_HLL_DATA_TRUNCATED},
        {HLL_RC_BAD_POSITION, IDS_HLL_BAD_POSITION},    {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    char* copy = CallData(data, static_cast<std::size_t>(count));
    int length = count;
    int rc = PsPosition(row, column);
    if (Call(HLL_COPY_STRING_TO_PS, copy, &length, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    return true;
}

void CZRSViaHLLAPI::ResetSystem()
{
    Call(HLL_RESET_SYSTEM, nullptr, nullptr, nullptr);
    m_psConnected = false;
}

bool CZRSViaHLLAPI::SetCursor(int row, int column)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_NOT_CONNECTED},
                                          {HLL_RC_BUSY, IDS_HLL_PS_BUSY},
                                          {HLL_RC_BAD_POSITION, IDS_HLL_BAD_CURSOR},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    int length = 0;
    int rc = PsPosition(row, column);
    if (Call(HLL_SET_CURSOR, nullptr, &length, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    return true;
}

bool CZRSViaHLLAPI::StartHostNotification(char* block)
{
    static const RcMessage kMessages[] = {{HLL_RC_NOT_CONNECTED, IDS_HLL_BAD_SESSION},
                                          {HLL_RC_PARAMETER_ERROR, IDS_HLL_BAD_DESIGNATOR},
                                          {HLL_RC_SYSTEM_ERROR, IDS_HLL_SYSTEM_ERROR}};
    std::memset(block, ' ', HLL_NOTIFY_BLOCK_SIZE);
    block[HLL_NOTIFY_SESSION] = m_session;
    block[HLL_NOTIFY_MODE] = 'A';
    block[HLL_NOTIFY_WHAT] = 'B';
    int length = HLL_NOTIFY_BLOCK_SIZE;
    int rc = 0;
    if (Call(HLL_START_HOST_NOTIFICATION, block, &length, &rc) != HLL_RC_OK)
        return FAIL_WITH(rc, kMessages);
    return true;
}

void CZRSViaHLLAPI::QueryHostUpdate(int& flags, int& rc)
{
    char data[4] = {m_session, 0, 0, 0};
    flags = 4;
    rc = 0;
    Call(HLL_QUERY_HOST_UPDATE, data, &flags, &rc);
}

BOOL CZRSViaHLLAPI::WaitForHost(const char* block)
{
    LONG value = 0;
    std::memcpy(&value, block + HLL_NOTIFY_EVENT_OFFSET, sizeof value);
    const HANDLE event = LongToHandle(value);
    const DWORD start = GetTickCount();
    UINT error = 0;
    bool inhibitSeen = false;
    for (;;)
    {
        const DWORD waited = WaitForSingleObject(event, kWaitSliceMs);
        if (waited == WAIT_OBJECT_0)
        {
            int flags = 0;
            int rc = 0;
            QueryHostUpdate(flags, rc);
            if (rc == HLL_RC_OK || rc == HLL_RC_PS_UPDATED)
            {
            }
            else if (rc == HLL_RC_NOT_CONNECTED || rc == HLL_RC_NO_NOTIFICATION || rc == HLL_RC_SYSTEM_ERROR)
            {
                error = rc == HLL_RC_NOT_CONNECTED     ? IDS_HLL_BAD_SESSION
                        : rc == HLL_RC_NO_NOTIFICATION ? IDS_HLL_NO_NOTIFICATION
                                                       : IDS_HLL_SYSTEM_ERROR;
                break;
            }
            else if (rc == HLL_RC_OIA_UPDATED || rc == HLL_RC_BOTH_UPDATED)
            {
                if (flags & HLL_UPDATE_INHIBIT_ON)
                    inhibitSeen = true;
                if (inhibitSeen && (flags & HLL_UPDATE_INHIBIT_OFF))
                    break;
            }
            else
            {
                error = IDS_HLL_UNKNOWN_ERROR;
            }
        }
        else if (waited != WAIT_TIMEOUT)
        {
            error = IDS_HLL_EVENT_DAMAGED;
            break;
        }
        // The time-out is tested on every pass, so that a session that keeps signalling cannot hold the wait.
        const bool late = Elapsed(start) > m_sendKeyTimeout;
        if (waited == WAIT_TIMEOUT || late)
        {
            bool operatorError = false;
            if (!IsOperatorError(operatorError))
                return FALSE;
            if (operatorError)
            {
                error = IDS_HLL_OPERATOR_ERROR;
                break;
            }
            if (late)
            {
                error = IDS_HLL_TIMEOUT;
                break;
            }
        }
    }
    if (error)
    {
        HOST_REPORT(error);
        return FALSE;
    }
    return TRUE;
}

BOOL CZRSViaHLLAPI::SendKeysAndWait(const char* keys)
{
    bool operatorError = false;
    if (!IsOperatorError(operatorError))
        return FALSE;
    if (operatorError)
    {
        HOST_REPORT(IDS_HLL_OPERATOR_ERROR);
        return FALSE;
    }
    char block[HLL_NOTIFY_BLOCK_SIZE];
    return StartHostNotification(block) && SendKey(keys) && WaitForHost(block);
}

bool CZRSViaHLLAPI::TypeCommand(const std::string& text)
{
    return SendKey(DoubleAts(text.c_str()).c_str()) && SendKeysAndWait("@E");
}

bool CZRSViaHLLAPI::SendHeader(const char* header, int length)
{
    return CopyStringToPresentationSpace(HOST_REPLY_LINE.row, HOST_REPLY_LINE.column, header, length) &&
           SendKeysAndWait("@E");
}

BOOL CZRSViaHLLAPI::IsTextAt(int row, int column, const char* text)
{
    const std::size_t count = std::strlen(text);
    if (count == 0)
        return TRUE;
    std::string screen(count + 1, '\0');
    return CopyPresentationSpaceToString(row, column, screen.data(), static_cast<int>(count)) &&
           EqualsNoCase(std::string_view(screen.data(), count), std::string_view(text, count));
}

BOOL CZRSViaHLLAPI::CheckCommandLine()
{
    int row = 0;
    int column = 0;
    if (!QueryCursorLocation(row, column))
        return FALSE;
    if (IsTextAt(row, kCommandLineMarkColumn, kCommandLineMark) ||
        IsTextAt(row > 1 ? row - 1 : 1, kCommandLineMarkColumn, kCommandLineMark))
        return TRUE;
    HOST_REPORT(IDS_HLL_NOT_COMMAND_LINE, m_session);
    return FALSE;
}

std::string CZRSViaHLLAPI::DoubleAts(const char* text)
{
    std::string typed;
    for (; *text; ++text)
    {
        typed += *text;
        if (*text == '@')
            typed += '@';
    }
    return typed;
}
