#include "DSAs400ViaHLLAPI.h"

#include "As400Messages.h"
#include "AsciiText.h"
#include "HostReport.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr char kReportSource[] = "DSAs400ViaHLLAPI";
constexpr char kStartCommand[] = "KVRTFR/KVRFT";
constexpr char kFirstMember[] = "*FIRST";
constexpr int kMaxFields = 65535;
constexpr int kMaxDialogAnswers = 16;
constexpr DWORD kReplyPollMs = 50;

template <std::size_t Size>
void CopyName(char (&destination)[Size], const char* source)
{
    std::snprintf(destination, Size, "%s", source);
}

void SetFieldName(DSField& field, const char* name)
{
    std::snprintf(field.name, sizeof field.name, "%-10s", name);
}
}

BOOL CDSAs400ViaHLLAPI::Connect()
{
    const bool connected = ReadSessionLetter() && LoadHllapi() && ConnectPresentationSpace() &&
                           SetSessionParameters("EXTEND_UPDATE") &&
                           (IsProgramRunning() || (CheckCommandLine() && TypeCommand(kStartCommand) &&
                                                   (IsProgramRunning() || HOST_FAIL(IDS_AS400_NOT_STARTED))));
    if (!connected)
        DisconnectPresentationSpace();
    return connected;
}

BOOL CDSAs400ViaHLLAPI::Disconnect()
{
    if (!IsHllapiLoaded())
        return TRUE;
    if (IsPsConnected() && IsProgramRunning())
        SendKeysAndWait("@3");
    DisconnectPresentationSpace();
    FreeHllapi();
    return TRUE;
}

BOOL CDSAs400ViaHLLAPI::Open(HANDLE cancelEvent)
{
    CDataSource::Open(cancelEvent);
    m_recordCount = 0;
    m_used = 0;
    m_hostRecords = 0;
    m_bufferCode = 0;
    m_kind = KIND_TRANSFER;
    m_hostFileType = ZRHFT_DATA;
    m_library[0] = m_file[0] = m_member[0] = '\0';
    m_profile->GetGeneral(ZRP_TRANSFER_TYPE, &m_transferType);

    int busy = 0;
    m_profile->GetBrowse(ZRP_BROWSE_BUSY, &busy);
    if (!busy)
        return TRUE;
    char request[ZR_BROWSE_REQUEST_SIZE] = "";
    m_profile->GetBrowse(ZRP_BROWSE_REQUEST, request);
    m_profile->GetBrowse(ZRP_BROWSE_LIBRARY, m_library);
    m_profile->GetBrowse(ZRP_BROWSE_FILE, m_file);
    m_profile->GetBrowse(ZRP_BROWSE_MEMBER, m_member);
    request[sizeof request - 1] = '\0';
    m_library[AS400_NAME_CHARS] = m_file[AS400_NAME_CHARS] = m_member[AS400_NAME_CHARS] = '\0';
    if (std::strcmp(request, ZR_BROWSE_TABLES) == 0)
    {
        m_kind = !m_library[0] ? KIND_LIBRARIES : !m_file[0] ? KIND_FILES : KIND_MEMBERS;
        return TypeListCommand();
    }
    if (std::strcmp(request, ZR_BROWSE_DATA) == 0)
    {
        m_kind = KIND_DATA;
        m_profile->GetHost(ZRP_HOST_FILE_TYPE, &m_hostFileType);
        return TRUE;
    }
    m_kind = KIND_DESCRIPTIONS;
    if (!m_member[0])
        CopyName(m_member, kFirstMember);
    return TRUE;
}

bool CDSAs400ViaHLLAPI::TypeListCommand()
{
    std::string command;
    if (m_kind == KIND_LIBRARIES)
    {
        command = "L";
        CopyName(m_library, "QTEMP");
        CopyName(m_file, "LIBLIST");
    }
    else if (m_kind == KIND_FILES)
    {
        command = std::string("F") + m_library;
        CopyName(m_library, "KVRTFR");
        CopyName(m_file, "FL");
    }
    else
    {
        command = std::string("M") + m_library + " " + m_file;
        CopyName(m_library, "KVRTFR");
        CopyName(m_file, "ML");
    }
    CopyName(m_member, kFirstMember);
    return TypeCommand(command);
}

bool CDSAs400ViaHLLAPI::OpenReader()
{
    if (m_kind == KIND_TRANSFER)
    {
        const int size = m_profile->GetHostSize(ZRP_HOST_SOURCE_NAME);
        std::string name(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        m_profile->GetHost(ZRP_HOST_SOURCE_NAME, name.data());
        if (!SplitHostName(name.c_str()))
            return false;
        m_profile->GetHost(ZRP_HOST_FILE_TYPE, &m_hostFileType);
        if (!m_member[0])
        {
            m_kind = KIND_DESCRIPTIONS;
            m_hostFileType = ZRHFT_DATA;
        }
    }
    if (m_kind == KIND_DATA && !m_member[0])
    {
        m_kind = KIND_DESCRIPTIONS;
        m_hostFileType = ZRHFT_DATA;
    }
    if (m_kind == KIND_DESCRIPTIONS)
    {
        if (!m_member[0])
            CopyName(m_member, kFirstMember);
        if (!(ReadRequest() && ReadReplyAfterWaits(GetTickCount(), IDS_AS400_DDS_TIMEOUT)))
            return false;
        if (ReplyCode() != 'F')
            return ReportHostMessage();
        if (ReplyLength() != DESCR_LINE_CHARS)
            return HOST_FAIL(IDS_AS400_BAD_DDS_LENGTH);
        return BuildDescriptionLayout() && ResetLayout() && ReceiveTextFirstBuffer();
    }
    if (!(ReadRequest() && ReceiveFieldList() && CheckRecordFits() && ResetLayout()))
        return false;
    return m_kind == KIND_TRANSFER ? ReceiveFirstBuffer() : ReceiveTextFirstBuffer();
}

bool CDSAs400ViaHLLAPI::SplitHostName(const char* name)
{
    struct Part
    {
        char end;
        char* target;
        int minimum;
        UINT error;
    };
    const Part parts[] = {{'/', m_library, 1, IDS_AS400_BAD_LIBRARY},
                          {'(', m_file, 1, IDS_AS400_BAD_FILE},
                          {')', m_member, 0, IDS_AS400_BAD_MEMBER}};
    const char* rest = name;
    for (const Part& part : parts)
    {
        const char* end = std::strchr(rest, part.end);
        const std::size_t length = end ? static_cast<std::size_t>(end - rest) : std::strlen(rest);
        bool valid = length >= static_cast<std::size_t>(part.minimum) && length <= AS400_NAME_CHARS;
        for (std::size_t i = 0; valid && i < length; ++i)
        {
            const char c = rest[i];
            valid = c != ' ' && !(i == 0 && c >= '0' && c <= '9');
            part.target[i] = ToAsciiUpper(c);
        }
        if (!valid)
            return HOST_FAIL(part.error);
        part.target[length] = '\0';
        rest = end ? end + 1 : rest + length;
    }
    return true;
}

bool CDSAs400ViaHLLAPI::ReadRequest()
{
    std::string command = std::string("A ") + m_library + " " + m_file + " " + m_member;
    command += m_hostFileType == ZRHFT_SOURCE ? " 'S' " : " 'Y' ";
    command += IsHexTransfer() ? "'H'" : "' '";
    if (!(TypeCommand(command) && ReadReply()))
        return false;
    return ReplyCode() == 'E' ? ReportHostMessage() : true;
}

bool CDSAs400ViaHLLAPI::ReceiveFieldList()
{
    if (m_hostFileType == ZRHFT_SOURCE)
        return ReplyLength() > 0 ? SetSingleFieldLayout(ReplyLength()) : HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    if (!ReceiveDescriptions())
        return false;
    if (m_kind >= KIND_LIBRARIES && m_kind <= KIND_MEMBERS && m_layout.count >= 2)
    {
        SetFieldName(m_layout.fields[0], "Name");
        SetFieldName(m_layout.fields[1], "Comment");
    }
    return true;
}

bool CDSAs400ViaHLLAPI::ReceiveDescriptions()
{
    const long count = ReplyCount();
    if (ReplyLength() != DESCR_LINE_CHARS)
        return HOST_FAIL(IDS_AS400_BAD_DDS_LENGTH);
    if (count < 1 || count > kMaxFields)
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    if (!AllocateLayoutFields(m_layout, static_cast<int>(count)))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    const DWORD start = GetTickCount();
    int filled = 0;
    while (filled < count)
    {
        switch (ReplyCode())
        {
        case 'F':
        {
            if (!CopyDataArea(false))
                return false;
            const int onScreen = count - filled < HOST_DESCRIPTIONS_PER_SCREEN ? static_cast<int>(count - filled)
                                                                               : HOST_DESCRIPTIONS_PER_SCREEN;
            for (int i = 0; i < onScreen; ++i, ++filled)
            {
                if (!ParseHostDescription(m_area + i * DESCR_LINE_CHARS, IsHexTransfer(), m_layout.fields[filled]))
                    return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
            }
            if (!(SendKeysAndWait("@E") && ReadReply()))
                return false;
            break;
        }
        case 'W':
            if (GetTickCount() - start > DdsTimeout())
                return HOST_FAIL(IDS_AS400_DDS_TIMEOUT);
            Sleep(kReplyPollMs);
            if (!ReadReply())
                return false;
            break;
        case 'E':
            return ReportHostMessage();
        default:
            return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
        }
    }
    return true;
}

bool CDSAs400ViaHLLAPI::BuildDescriptionLayout()
{
    static const struct
    {
        const char* name;
        short length;
    } kColumns[] = {{"Name", 10}, {"Type", 1}, {"Length", 3}, {"Decimal", 2}, {"Comment", 50}};
    if (!AllocateLayoutFields(m_layout, static_cast<int>(std::size(kColumns))))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    for (int i = 0; i < m_layout.count; ++i)
    {
        std::snprintf(m_layout.fields[i].name, sizeof m_layout.fields[i].name, "%s", kColumns[i].name);
        m_layout.fields[i].type = HFT_CHARACTER;
        m_layout.fields[i].length = kColumns[i].length;
    }
    return true;
}

bool CDSAs400ViaHLLAPI::SetSingleFieldLayout(int length)
{
    if (length < 1)
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    if (length > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_AS400_RECORD_TOO_LONG, length, HOST_AREA_SIZE);
    if (!AllocateLayoutFields(m_layout, 1))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    m_layout.fields[0].type = HFT_CHARACTER;
    m_layout.fields[0].length = static_cast<short>(length);
    return true;
}

bool CDSAs400ViaHLLAPI::CheckRecordFits()
{
    long length = 0;
    for (int i = 0; i < m_layout.count; ++i)
        length += static_cast<long>(FieldLength(m_layout.fields[i]));
    const long onScreen = IsHexTransfer() ? 2 * length : length;
    if (length < 1 || onScreen > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_AS400_RECORD_TOO_LONG, static_cast<int>(length),
                         IsHexTransfer() ? HOST_AREA_SIZE / 2 : HOST_AREA_SIZE);
    return true;
}

bool CDSAs400ViaHLLAPI::ResetLayout()
{
    if (!BuildRecordBuffer(m_layout))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    m_recordCount = 0;
    m_layout.current = 0;
    m_used = 0;
    return true;
}

bool CDSAs400ViaHLLAPI::TypeHeader(char code, int count, int recordLength)
{
    // The code, the count and the record length where a reply has them, blanks between.
    char header[32];
    int length = 0;
    header[length++] = code;
    while (length < REPLY_COUNT)
        header[length++] = ' ';
    length += PutPaddedNumber(header + length, count, AS400_HEADER_COUNT_DIGITS);
    while (length < REPLY_RECORD_LENGTH)
        header[length++] = ' ';
    length += PutPaddedNumber(header + length, recordLength, AS400_HEADER_LENGTH_DIGITS);
    return SendHeader(header, length);
}

bool CDSAs400ViaHLLAPI::ReadReply()
{
    return CopyPresentationSpaceToString(HOST_REPLY_LINE, m_reply);
}

long CDSAs400ViaHLLAPI::ReplyCount() const
{
    long count = 0;
    int i = REPLY_COUNT;
    for (; i < REPLY_COUNT + AS400_REPLY_COUNT_DIGITS; ++i)
    {
        const char c = m_reply[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        count = count * 16 + digit;
    }
    return i > REPLY_COUNT && IsReplyNumberEnd(m_reply[i]) ? count : -1;
}

bool CDSAs400ViaHLLAPI::ReadReplyAfterWaits(DWORD start, UINT timeoutId)
{
    if (!ReadReply())
        return false;
    while (ReplyCode() == 'W')
    {
        if (GetTickCount() - start > DdsTimeout())
            return HOST_FAIL(timeoutId);
        Sleep(kReplyPollMs);
        if (!ReadReply())
            return false;
    }
    return true;
}

bool CDSAs400ViaHLLAPI::ReportHostMessage()
{
    char message[AS400_MESSAGE_LINE.chars + 1];
    if (CopyPresentationSpaceToString(AS400_MESSAGE_LINE, message))
        HOST_REPORT(IDS_AS400_HOST_MESSAGE, message);
    return false;
}

bool CDSAs400ViaHLLAPI::HostMessageContains(const char* text, bool& contains)
{
    char message[AS400_MESSAGE_LINE.chars + 1];
    if (!CopyPresentationSpaceToString(AS400_MESSAGE_LINE, message))
        return false;
    ToAsciiUpper(message);
    contains = std::strstr(message, text) != nullptr;
    return true;
}

bool CDSAs400ViaHLLAPI::IsProgramRunning()
{
    return IsTextAt(AS400_PROGRAM_ID_PLACE.row, AS400_PROGRAM_ID_PLACE.column, AS400_PROGRAM_ID);
}

bool CDSAs400ViaHLLAPI::CopyDataArea(bool ebcdic)
{
    m_used = 0;
    if (!ebcdic)
        return CopyPresentationSpaceToString(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, HOST_AREA_SIZE);
    if (!SetSessionParameters("EBCDIC"))
        return false;
    const bool copied = CopyPresentationSpaceToString(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, HOST_AREA_SIZE);
    return SetSessionParameters("NOEBCDIC") && copied;
}

bool CDSAs400ViaHLLAPI::TakeDataBuffer(bool ebcdic)
{
    // The records are taken from the area by the layout, so the host's records must be exactly that long.
    if (ReplyLength() != static_cast<int>(m_layout.length))
        return HOST_FAIL(IDS_AS400_RECORD_LENGTH_MISMATCH, ReplyLength(), static_cast<int>(m_layout.length));
    if (!CopyDataArea(ebcdic))
        return false;
    m_bufferCode = ReplyCode();
    return true;
}

bool CDSAs400ViaHLLAPI::PlaceRecord(bool hex)
{
    if (hex)
        return PlaceHexField();
    TakeRecordFromArea(m_area, m_used, m_layout);
    return true;
}

bool CDSAs400ViaHLLAPI::PlaceHexField()
{
    if (!TakeHexFieldFromArea(m_area, m_used, m_layout.fields[m_layout.current]))
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    return true;
}

BOOL CDSAs400ViaHLLAPI::GetField(DSField* field)
{
    return CopyCurrentField(m_layout, field);
}

BOOL CDSAs400ViaHLLAPI::NextField()
{
    return AdvanceReader(false);
}

bool CDSAs400ViaHLLAPI::AdvanceReader(bool hex)
{
    // Only a reader comes here: the writers' own end of data does not apply.
    if (CDSAs400ViaHLLAPI::EndOfData())
        return true;
    if (++m_layout.current < m_layout.count)
        return hex ? PlaceHexField() : true;
    m_layout.current = 0;
    ++m_recordCount;
    const int recordBytes = static_cast<int>(m_layout.length) * (hex ? 2 : 1);
    if (m_used + recordBytes > HOST_AREA_SIZE)
    {
        // A full '*' buffer is always followed by another, an empty '+' when the data ended with it. Nothing
        // follows a '+' buffer; after the last screen of field descriptions the host would go on to the member's
        // data, which a description request does not read.
        const bool more = m_bufferCode == '*' || (m_bufferCode == 'F' && !CDSAs400ViaHLLAPI::EndOfData());
        if (more)
        {
            if (!ReceiveNextBuffer())
                return false;
        }
        else if (!CDSAs400ViaHLLAPI::EndOfData())
        {
            return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
        }
    }
    return CDSAs400ViaHLLAPI::EndOfData() || PlaceRecord(hex);
}

BOOL CDSAs400ViaHLLAPI::EndOfData()
{
    return m_recordCount >= m_hostRecords;
}

bool CDSAs400ViaHLLAPI::ReceiveFirstBuffer()
{
    return ReceiveTextFirstBuffer();
}

bool CDSAs400ViaHLLAPI::ReceiveNextBuffer()
{
    return ReceiveTextNextBuffer();
}

bool CDSAs400ViaHLLAPI::ReceiveTextFirstBuffer()
{
    if (!ReadReplyAfterWaits(GetTickCount(), IDS_AS400_DDS_TIMEOUT))
        return false;
    m_hostRecords = ReplyCount();
    if (m_hostRecords < 0)
    {
        m_hostRecords = 0;
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    }
    switch (ReplyCode())
    {
    case '*':
    case '+':
    case 'F':
        return TakeDataBuffer(true) && (CDSAs400ViaHLLAPI::EndOfData() || PlaceRecord(false));
    case 'E':
        if (m_hostRecords == 0)
            return true;
        m_hostRecords = 0;
        return ReportHostMessage();
    default:
        m_hostRecords = 0;
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    }
}

bool CDSAs400ViaHLLAPI::ReceiveTextNextBuffer()
{
    // The host's time to answer counts from the Enter, including the wait for its first reply.
    const DWORD start = GetTickCount();
    if (!(SendKeysAndWait("@E") && ReadReplyAfterWaits(start, IDS_AS400_DDS_TIMEOUT)))
        return false;
    switch (ReplyCode())
    {
    case '*':
    case '+':
    case 'F':
        return TakeDataBuffer(true);
    case 'E':
        return ReportHostMessage();
    default:
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    }
}

bool CDSAs400ViaHLLAPI::EndHostDialog(bool writer)
{
    if (!IsHllapiLoaded() || !IsPsConnected())
        return true;
    bool inhibited = false;
    if (!IsInputInhibited(inhibited))
        return false;
    if (inhibited)
        return HOST_FAIL(IDS_AS400_INPUT_INHIBITED);
    for (int answers = 0;; ++answers)
    {
        if (!ReadReply())
            return false;
        const char code = ReplyCode();
        const char* key = nullptr;
        if (code == '*' || code == 'F' || code == 'W' || (writer && code == 'S'))
            key = "@3";
        else if (code == '+' || code == 'E')
            key = "@E";
        if (!key)
            return true;
        // A host that keeps answering is not ready for the next request.
        if (answers == kMaxDialogAnswers)
            return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
        if (!SendKeysAndWait(key))
            return false;
    }
}

BOOL CDSAs400ViaHLLAPISource::Open(HANDLE cancelEvent)
{
    return CDSAs400ViaHLLAPI::Open(cancelEvent) && OpenReader();
}

BOOL CDSAs400ViaHLLAPISource::Close()
{
    const bool ended = EndHostDialog(false);
    FreeRecordLayout(m_layout);
    CDataSource::Close();
    return ended;
}
