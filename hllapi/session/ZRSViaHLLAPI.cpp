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

enum
{
    RC_OK = 0,
    RC_UPDATE_NONE = 0,
    RC_UPDATE_OIA = 21,
    RC_UPDATE_PS = 22,
    RC_UPDATE_BOTH = 23,
    RC_KEYBOARD_LOCKED = 5,
    WAIT_SLICE_MS = 100,
};
}

CZRSViaHLLAPI::~CZRSViaHLLAPI()
{
    if (m_bridge)
        FreeHllapi();
}

BOOL CZRSViaHLLAPI::ReadSessionLetter()
{
    char letter = m_session;
    if (!m_profile->GetHost(ZRP_PRESENTATION_SPACE_ID, &letter))
        return FALSE;
    m_session = letter;
    return TRUE;
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
    m_bridge = LoadLibraryA(path.c_str());
    if (!m_bridge)
    {
        std::string parent(folder);
        const std::size_t cut = parent.rfind('\\');
        if (cut != std::string::npos)
        {
            path = parent.substr(0, cut) + HLL_BRIDGE_FILE;
            m_bridge = LoadLibraryA(path.c_str());
        }
    }
    BOOL loaded = FALSE;
    if (!m_bridge)
    {
        HOST_REPORT(IDS_HLL_BRIDGE_NOT_LOADED);
    }
    else
    {
        m_hllapi = reinterpret_cast<HllapiEntry>(reinterpret_cast<void*>(GetProcAddress(m_bridge, HLL_ENTRY_HLLAPI)));
        m_getStatus = reinterpret_cast<KvrGetStatusEntry>(
            reinterpret_cast<void*>(GetProcAddress(m_bridge, HLL_ENTRY_GET_STATUS)));
        if (m_hllapi && m_getStatus)
        {
            loaded = TRUE;
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
    if (m_bridge)
        FreeLibrary(m_bridge);
    m_bridge = nullptr;
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
        const int size = entry[14] | (entry[15] << 8);
        if (entry[12] != 'H' || size == 0)
            continue;
        int status = HLL_STATUS_BUSY;
        if (m_getStatus)
            m_getStatus(static_cast<char>(entry[0]), &status);
        if (text)
        {
            text[3 * kept] = (status & HLL_STATUS_BUSY) ? 0 : 1;
            text[3 * kept + 1] = static_cast<char>(entry[0]);
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
    return returnCode ? *returnCode : RC_OK;
}

BOOL CZRSViaHLLAPI::ReportRc(int line, int rc, const RcMessage* messages, int count)
{
    UINT id = IDS_HLL_UNKNOWN_ERROR;
    for (int i = 0; i < count; ++i)
    {
        if (messages[i].rc == rc)
            id = messages[i].id;
    }
    HOST_REPORT_AT(line, id);
    return FALSE;
}

#define FAIL_WITH(rc, table) ReportRc(__LINE__, rc, table, static_cast<int>(std::size(table)))

BOOL CZRSViaHLLAPI::ConnectPresentationSpace()
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_BAD_SESSION}, {4, IDS_HLL_PS_BUSY}, {5, IDS_HLL_PS_LOCKED},
                                          {9, IDS_HLL_SYSTEM_ERROR}, {11, IDS_HLL_PS_IN_USE}};
    char data[4] = {m_session, 0, 0, 0};
    int length = 1;
    int rc = 0;
    if (Call(HLL_CONNECT_PS, data, &length, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    m_psConnected = true;
    return TRUE;
}

void CZRSViaHLLAPI::DisconnectPresentationSpace()
{
    Call(HLL_DISCONNECT_PS, nullptr, nullptr, nullptr);
    m_psConnected = false;
}

BOOL CZRSViaHLLAPI::SendKey(const char* keys)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {2, IDS_HLL_BAD_STRING_LENGTH},
                                          {7, IDS_HLL_BAD_POSITION}, {9, IDS_HLL_SYSTEM_ERROR}};
    const std::size_t count = std::strlen(keys);
    int length = static_cast<int>(count);
    int rc = 0;
    if (Call(HLL_SEND_KEY, CallData(keys, count), &length, &rc) == RC_OK)
        return TRUE;
    // A locked keyboard: an operator error is what the user must mend.
    BOOL operatorError = FALSE;
    if (rc == RC_KEYBOARD_LOCKED && IsOperatorError(operatorError) && operatorError)
    {
        HOST_REPORT(IDS_HLL_OPERATOR_ERROR);
        return FALSE;
    }
    return FAIL_WITH(rc, kMessages);
}

BOOL CZRSViaHLLAPI::QueryCursorLocation(int& row, int& column)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {9, IDS_HLL_SYSTEM_ERROR}};
    int position = 0;
    int rc = 0;
    if (Call(HLL_QUERY_CURSOR, nullptr, &position, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    // The position counts from 1, so column 80 belongs to its own row.
    row = (position - 1) / HLL_COLUMNS + 1;
    column = (position - 1) % HLL_COLUMNS + 1;
    return TRUE;
}

BOOL CZRSViaHLLAPI::CopyPresentationSpaceToString(int row, int column, char* buffer, int count)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {2, IDS_HLL_BAD_STRING_LENGTH},
                                          {7, IDS_HLL_BAD_POSITION}, {9, IDS_HLL_SYSTEM_ERROR}};
    int length = count;
    int rc = PsPosition(row, column);
    buffer[count] = '\0';
    const int result = Call(HLL_COPY_PS_TO_STRING, buffer, &length, &rc);
    buffer[count] = '\0';
    if (result != 0 && result != 4 && result != 5)
        return FAIL_WITH(result, kMessages);
    return TRUE;
}

BOOL CZRSViaHLLAPI::SetSessionParameters(const char* parameters)
{
    static const RcMessage kMessages[] = {{2, IDS_HLL_BAD_PARAMETER}, {9, IDS_HLL_SYSTEM_ERROR}};
    const std::size_t count = std::strlen(parameters);
    int length = static_cast<int>(count);
    int rc = 0;
    if (Call(HLL_SET_SESSION_PARAMETERS, CallData(parameters, count), &length, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    return TRUE;
}

BOOL CZRSViaHLLAPI::QuerySessions(char* entries, int& count)
{
    static const RcMessage kMessages[] = {{9, IDS_HLL_SYSTEM_ERROR}};
    int length = HLL_MAX_SESSIONS * HLL_SESSION_ENTRY_SIZE;
    int rc = 0;
    const int result = Call(HLL_QUERY_SESSIONS, entries, &length, &rc);
    if (result != 0 && result != 2)
        return FAIL_WITH(result, kMessages);
    // The bridge's count is trusted only as far as the buffer reaches.
    count = length < 0 ? 0 : (length > HLL_MAX_SESSIONS ? HLL_MAX_SESSIONS : length);
    return TRUE;
}

BOOL CZRSViaHLLAPI::CopyOIA(int byteIndex, BOOL& on)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {2, IDS_HLL_BAD_LENGTH},
                                          {9, IDS_HLL_SYSTEM_ERROR}};
    unsigned char oia[HLL_OIA_SIZE] = {};
    int length = HLL_OIA_SIZE;
    int rc = 0;
    const int result = Call(HLL_COPY_OIA, oia, &length, &rc);
    if (result != 0 && result != 4 && result != 5)
        return FAIL_WITH(result, kMessages);
    on = oia[byteIndex] != 0;
    return TRUE;
}

BOOL CZRSViaHLLAPI::CopyStringToPresentationSpace(int row, int column, const char* data, int count)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {2, IDS_HLL_BAD_STRING_LENGTH},
                                          {5, IDS_HLL_PS_PROTECTED}, {6, IDS_HLL_DATA_TRUNCATED},
                                          {7, IDS_HLL_BAD_POSITION}, {9, IDS_HLL_SYSTEM_ERROR}};
    char* copy = CallData(data, static_cast<std::size_t>(count));
    int length = count;
    int rc = PsPosition(row, column);
    if (Call(HLL_COPY_STRING_TO_PS, copy, &length, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    return TRUE;
}

void CZRSViaHLLAPI::ResetSystem()
{
    Call(HLL_RESET_SYSTEM, nullptr, nullptr, nullptr);
    m_psConnected = false;
}

BOOL CZRSViaHLLAPI::SetCursor(int row, int column)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_NOT_CONNECTED}, {4, IDS_HLL_PS_BUSY}, {7, IDS_HLL_BAD_CURSOR},
                                          {9, IDS_HLL_SYSTEM_ERROR}};
    int length = 0;
    int rc = PsPosition(row, column);
    if (Call(HLL_SET_CURSOR, nullptr, &length, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    return TRUE;
}

BOOL CZRSViaHLLAPI::StartHostNotification(char* block)
{
    static const RcMessage kMessages[] = {{1, IDS_HLL_BAD_SESSION}, {2, IDS_HLL_BAD_DESIGNATOR},
                                          {9, IDS_HLL_SYSTEM_ERROR}};
    std::memset(block, ' ', HLL_NOTIFY_BLOCK_SIZE);
    block[0] = m_session;
    block[4] = 'A';
    block[12] = 'B';
    int length = HLL_NOTIFY_BLOCK_SIZE;
    int rc = 0;
    if (Call(HLL_START_HOST_NOTIFICATION, block, &length, &rc) != RC_OK)
        return FAIL_WITH(rc, kMessages);
    return TRUE;
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
        const DWORD waited = WaitForSingleObject(event, WAIT_SLICE_MS);
        if (waited == WAIT_OBJECT_0)
        {
            int flags = 0;
            int rc = 0;
            QueryHostUpdate(flags, rc);
            if (rc == RC_UPDATE_NONE || rc == RC_UPDATE_PS)
            {
            }
            else if (rc == 1 || rc == 8 || rc == 9)
            {
                error = rc == 1 ? IDS_HLL_BAD_SESSION : rc == 8 ? IDS_HLL_NO_NOTIFICATION : IDS_HLL_SYSTEM_ERROR;
                break;
            }
            else if (rc == RC_UPDATE_OIA || rc == RC_UPDATE_BOTH)
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
            BOOL operatorError = FALSE;
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
    BOOL operatorError = FALSE;
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
    static const char kCommandLine[] = "===> ";
    int row = 0;
    int column = 0;
    if (!QueryCursorLocation(row, column))
        return FALSE;
    if (IsTextAt(row, 2, kCommandLine) || IsTextAt(row > 1 ? row - 1 : 1, 2, kCommandLine))
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
