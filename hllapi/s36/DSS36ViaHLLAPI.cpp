#include "DSS36ViaHLLAPI.h"

#include "AsciiText.h"
#include "HostReport.h"
#include "S36Messages.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr char kReportSource[] = "DSS36ViaHLLAPI";
constexpr char kProcedure[] = "FT36";
constexpr DWORD kReplyPollMs = 50;

// Copies an upper-cased name of 1 to 8 characters; FALSE for another length.
bool TakeName(const char* text, std::size_t length, char* name)
{
    if (length < 1 || length > 8)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        name[i] = ToAsciiUpper(text[i]);
    name[length] = '\0';
    return true;
}

void PlaceText(std::string& line, std::size_t column, const char* text)
{
    line.replace(column, std::strlen(text), text);
}
}

BOOL CDSS36ViaHLLAPI::Connect()
{
    if (!(ReadSessionLetter() && LoadHllapi()))
        return FALSE;
    ResetSystem();
    const BOOL connected = ConnectPresentationSpace() && SetSessionParameters("EXTEND_UPDATE") &&
                           (IsProgramRunning() || StartProgram());
    if (!connected)
        DisconnectPresentationSpace();
    return connected;
}

BOOL CDSS36ViaHLLAPI::Disconnect()
{
    if (!IsHllapiLoaded())
        return TRUE;
    if (IsPsConnected())
        EndProgram();
    DisconnectPresentationSpace();
    FreeHllapi();
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::IsProgramRunning()
{
    return IsTextAt(1, 4, "*");
}

BOOL CDSS36ViaHLLAPI::StartProgram()
{
    return SetCursor(22, 3) && TypeLine(kProcedure) && (IsProgramRunning() || HOST_FAIL(IDS_S36_NOT_STARTED));
}

BOOL CDSS36ViaHLLAPI::EndProgram()
{
    return !IsProgramRunning() || TypeLine("X");
}

BOOL CDSS36ViaHLLAPI::Open(HANDLE cancelEvent)
{
    CDataSource::Open(cancelEvent);
    m_recordCount = 0;
    m_used = 0;
    m_hostRecords = 0;
    m_bufferCode = 0;
    m_useDescriptions = false;
    m_profile->GetGeneral(ZRP_TRANSFER_TYPE, &m_transferType);
    return IsProgramRunning() || StartProgram();
}

BOOL CDSS36ViaHLLAPI::SplitHostName(const char* name)
{
    m_library[0] = m_file[0] = m_member[0] = '\0';
    const char* open = std::strchr(name, '(');
    m_isMember = open != nullptr;
    if (!m_isMember)
        return TakeName(name, std::strlen(name), m_file) ? TRUE : HOST_FAIL(IDS_S36_BAD_FILE);
    if (!TakeName(name, static_cast<std::size_t>(open - name), m_library))
        return HOST_FAIL(IDS_S36_BAD_LIBRARY);
    const char* close = std::strchr(open + 1, ')');
    const std::size_t length = close ? static_cast<std::size_t>(close - open - 1) : std::strlen(open + 1);
    return TakeName(open + 1, length, m_member) ? TRUE : HOST_FAIL(IDS_S36_BAD_MEMBER);
}

BOOL CDSS36ViaHLLAPI::ReadDescriptionFile()
{
    const int size = m_profile->GetHostSize(ZRP_DESCRIPTION_FILE);
    std::string path(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    m_profile->GetHost(ZRP_DESCRIPTION_FILE, path.data());
    path.resize(std::strlen(path.c_str()));
    std::vector<DescrField> descriptions;
    switch (ReadDescrRecords(path.c_str(), descriptions, MAX_LISTED_FIELDS))
    {
    case DescrFileStatus::Ok:
        break;
    case DescrFileStatus::CannotOpen:
        return HOST_FAIL(IDS_S36_DESCR_NOT_OPENED, path.c_str());
    case DescrFileStatus::TooManyFields:
        return HOST_FAIL(IDS_S36_TOO_MANY_FIELDS);
    default:
        return HOST_FAIL(IDS_S36_DESCR_NOT_READ);
    }
    if (descriptions.empty())
        return HOST_FAIL(IDS_S36_DESCR_NOT_READ);
    if (!MakeDescribedFields(descriptions, false, m_layout))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::SetSingleFieldLayout(int length)
{
    if (length < 1)
        return HOST_FAIL(IDS_S36_BAD_RECORD_LENGTH, length);
    if (length > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_S36_RECORD_TOO_LONG, length, HOST_AREA_SIZE / ScreenUnit());
    if (!AllocateLayoutFields(m_layout, 1))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    m_layout.fields[0].type = HFT_CHARACTER;
    m_layout.fields[0].length = static_cast<short>(length);
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::CheckRecordFits()
{
    long length = 0;
    for (int i = 0; i < m_layout.count; ++i)
        length += static_cast<long>(FieldLength(m_layout.fields[i]));
    if (length * ScreenUnit() > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_S36_RECORD_TOO_LONG, static_cast<int>(length), HOST_AREA_SIZE / ScreenUnit());
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::ResetLayout()
{
    if (!BuildRecordBuffer(m_layout))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    m_recordCount = 0;
    m_layout.current = 0;
    m_used = 0;
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::PlaceFieldList()
{
    std::string list;
    char item[16];
    std::snprintf(item, sizeof item, "%04d%03d", static_cast<int>(m_layout.length), m_layout.count);
    list += item;
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        const char letter = HostTypeLetter(field.type);
        if (letter == '\0')
            return HOST_FAIL(IDS_S36_HEX_FIELD);
        const int digits = HostFieldDigits(field);
        if (digits > DESCR_MAX_LENGTH)
            return HOST_FAIL(IDS_S36_FIELD_TOO_LONG, digits, DESCR_MAX_LENGTH);
        std::snprintf(item, sizeof item, "%c%03d%02d", letter, digits, field.decimals);
        list += item;
    }
    return CopyStringToPresentationSpace(HOST_AREA_ROW, 1, list.data(), static_cast<int>(list.size()));
}

std::string CDSS36ViaHLLAPI::CommandLine(char verb) const
{
    std::string line(COMMAND_CHARS, ' ');
    line[0] = verb;
    const bool write = verb == 'W';
    const bool fileMode = m_writeMode >= ZRHWM_CREATE_FILE && m_writeMode <= ZRHWM_APPEND_FILE;
    if (write)
    {
        line[2] = (m_writeMode == ZRHWM_CREATE_FILE || m_writeMode == ZRHWM_CREATE_MEMBER)     ? '2'
                  : (m_writeMode == ZRHWM_REPLACE_FILE || m_writeMode == ZRHWM_REPLACE_MEMBER) ? '1'
                                                                                               : '0';
        int records = 0;
        m_profile->GetHost(ZRP_NUMBER_OF_RECORDS, &records);
        char number[16];
        std::snprintf(number, sizeof number, "%06d", records % 1000000);
        PlaceText(line, 3, number);
        std::snprintf(number, sizeof number, "%04d", static_cast<int>(m_layout.length) % 10000);
        PlaceText(line, 11, number);
    }
    if (IsBinary())
        line[10] = 'H';
    else if (write ? fileMode : m_useDescriptions)
        line[10] = 'Y';
    if (write ? !fileMode : m_isMember)
    {
        PlaceText(line, 16, m_library);
        line[24] = m_hostFileType == ZRHFT_MEMBER_SOURCE ? 'S' : 'P';
        PlaceText(line, 25, m_member);
    }
    else
    {
        PlaceText(line, 16, m_file);
    }
    return line;
}

BOOL CDSS36ViaHLLAPI::TypeLine(const std::string& line)
{
    return SendKey(DoubleAts(line.c_str()).c_str()) && SendKeysAndWait("@E");
}

BOOL CDSS36ViaHLLAPI::TypeHeader(char code, int count)
{
    // code and the count in four digits, ten blanks apart
    constexpr int kBlanks = 10;
    char header[32];
    header[0] = code;
    std::memset(header + 1, ' ', kBlanks);
    const int length = 1 + kBlanks + PutPaddedNumber(header + 1 + kBlanks, count, 4);
    return CopyStringToPresentationSpace(1, 3, header, length) && SendKeysAndWait("@E");
}

BOOL CDSS36ViaHLLAPI::ReadReplyLine()
{
    return CopyPresentationSpaceToString(1, 3, m_reply, REPLY_CHARS);
}

BOOL CDSS36ViaHLLAPI::ReadReply()
{
    if (!ReadReplyLine())
        return FALSE;
    return m_reply[1] == '*' ? TRUE : HOST_FAIL(IDS_S36_BAD_LINE);
}

long CDSS36ViaHLLAPI::ReplyCount() const
{
    long count = 0;
    for (int i = 3; i < 11 && m_reply[i] >= '0' && m_reply[i] <= '9'; ++i)
        count = count * 10 + (m_reply[i] - '0');
    return count;
}

int CDSS36ViaHLLAPI::ReplyLength() const
{
    int length = 0;
    for (int i = 11; i < REPLY_CHARS && m_reply[i] >= '0' && m_reply[i] <= '9' && length < 100000; ++i)
        length = length * 10 + (m_reply[i] - '0');
    return length;
}

BOOL CDSS36ViaHLLAPI::ReportHostMessage()
{
    char message[MESSAGE_CHARS + 1];
    if (!CopyPresentationSpaceToString(1, 5, message, MESSAGE_CHARS))
        return HOST_FAIL(IDS_S36_MESSAGE_UNAVAILABLE);
    std::size_t length = std::strlen(message);
    while (length > 0 && message[length - 1] == ' ')
        message[--length] = '\0';
    return HOST_FAIL(IDS_S36_HOST_MESSAGE, message);
}

BOOL CDSS36ViaHLLAPI::CopyDataArea()
{
    m_used = 0;
    if (IsBinary())
        return CopyPresentationSpaceToString(HOST_AREA_ROW, 1, m_area, HOST_AREA_SIZE);
    if (!SetSessionParameters("EBCDIC"))
        return FALSE;
    const BOOL copied = CopyPresentationSpaceToString(HOST_AREA_ROW, 1, m_area, HOST_AREA_SIZE);
    return SetSessionParameters("NOEBCDIC") && copied;
}

BOOL CDSS36ViaHLLAPI::PlaceRecord()
{
    if (IsBinary())
        return PlaceHexField();
    TakeRecordFromArea(m_area, m_used, m_layout);
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::PlaceHexField()
{
    if (!TakeHexFieldFromArea(m_area, m_used, m_layout.fields[m_layout.current]))
        return HOST_FAIL(IDS_S36_BAD_LINE);
    return TRUE;
}

BOOL CDSS36ViaHLLAPI::ReceiveBuffer(bool place)
{
    const DWORD start = GetTickCount();
    if (!ReadReply())
        return FALSE;
    // Reply '6': the host is still busy with the buffer; it is read again until the time-out.
    while (ReplyCode() == '6')
    {
        if (GetTickCount() - start > DdsTimeout())
            return HOST_FAIL(IDS_S36_UNKNOWN_COMMAND);
        Sleep(kReplyPollMs);
        if (!ReadReply())
            return FALSE;
    }
    switch (ReplyCode())
    {
    case '*':
    case '+':
    {
        const int length = ReplyLength();
        if (length < 1 || length > HOST_AREA_SIZE)
            return HOST_FAIL(IDS_S36_BAD_RECORD_LENGTH, length);
        // The records are taken from the area by the layout, so the host's records must be exactly that long.
        const int expected = static_cast<int>(m_layout.length) * ScreenUnit();
        if (length != expected)
            return HOST_FAIL(IDS_S36_RECORD_LENGTH_MISMATCH, length, expected);
        if (!CopyDataArea())
            return FALSE;
        m_bufferCode = ReplyCode();
        // An empty file answers with a count of 0 and a buffer of nothing: no record is placed from it.
        return !place || CDSS36ViaHLLAPI::EndOfData() || PlaceRecord();
    }
    case 'E':
        return ReportHostMessage();
    default:
        return HOST_FAIL(IDS_S36_UNKNOWN_COMMAND);
    }
}

BOOL CDSS36ViaHLLAPI::GetField(DSField* field)
{
    return CopyCurrentField(m_layout, field);
}

BOOL CDSS36ViaHLLAPI::NextField()
{
    // The reader's end of data: the writer has its own NextField.
    if (CDSS36ViaHLLAPI::EndOfData())
        return TRUE;
    if (++m_layout.current < m_layout.count)
        return IsBinary() ? PlaceHexField() : TRUE;
    m_layout.current = 0;
    ++m_recordCount;
    if (m_used + static_cast<int>(m_layout.length) * ScreenUnit() > HOST_AREA_SIZE)
    {
        // A full '*' buffer is always followed by another, an empty '+' when the data ended with it; nothing
        // follows a '+' buffer.
        if (m_bufferCode == '*')
        {
            if (!(SendKeysAndWait("@E") && ReceiveBuffer(false)))
                return FALSE;
        }
        else if (!CDSS36ViaHLLAPI::EndOfData())
        {
            return HOST_FAIL(IDS_S36_UNKNOWN_COMMAND);
        }
    }
    return CDSS36ViaHLLAPI::EndOfData() || PlaceRecord();
}

BOOL CDSS36ViaHLLAPI::EndOfData()
{
    return m_recordCount >= m_hostRecords;
}

BOOL CDSS36ViaHLLAPI::EndHostDialog()
{
    if (!IsHllapiLoaded() || !IsPsConnected())
        return TRUE;
    BOOL inhibited = FALSE;
    if (!IsInputInhibited(inhibited))
        return FALSE;
    if (inhibited)
        return HOST_FAIL(IDS_S36_INPUT_INHIBITED);
    if (!ReadReplyLine())
        return FALSE;
    switch (ReplyCode())
    {
    case ' ':
    case '*':
        return TypeLine("C");
    case '+':
    case 'E':
        return SendKeysAndWait("@E");
    default:
        return TRUE;
    }
}

BOOL CDSS36ViaHLLAPISource::Open(HANDLE cancelEvent)
{
    if (!CDSS36ViaHLLAPI::Open(cancelEvent))
        return FALSE;
    const int size = m_profile->GetHostSize(ZRP_HOST_SOURCE_NAME);
    std::string name(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    m_profile->GetHost(ZRP_HOST_SOURCE_NAME, name.data());
    if (!SplitHostName(name.c_str()))
        return FALSE;
    m_profile->GetHost(ZRP_HOST_FILE_TYPE, &m_hostFileType);
    // A binary transfer moves the host's bytes as they are: the record is one field and needs no description. A
    // description file's fields have their display lengths, which the host's records in hexadecimal do not have.
    if (!m_isMember && m_hostFileType == ZRHFT_DATA && !IsBinary())
        m_useDescriptions = m_profile->GetHostSize(ZRP_DESCRIPTION_FILE) > 1;

    BOOL requested;
    if (m_useDescriptions)
    {
        requested = ReadDescriptionFile() && CheckRecordFits() && ResetLayout() && PlaceFieldList() &&
                    TypeLine(CommandLine('R'));
    }
    else
    {
        requested = TypeLine(CommandLine('R')) && ReadReply();
        if (requested && (ReplyCode() == 'E' || ReplyLength() <= 0))
            requested = ReportHostMessage();
        requested = requested && SetSingleFieldLayout(ReplyLength() / ScreenUnit()) && CheckRecordFits() &&
                    ResetLayout();
    }
    if (!(requested && ReadReply()))
        return FALSE;
    m_hostRecords = ReplyCount();
    if (ReplyCode() == 'E')
    {
        m_hostRecords = 0;
        return ReportHostMessage();
    }
    if (SendKeysAndWait("@E") && ReceiveBuffer(true))
        return TRUE;
    m_hostRecords = 0;
    return FALSE;
}

BOOL CDSS36ViaHLLAPISource::Close()
{
    const BOOL ended = EndHostDialog();
    FreeRecordLayout(m_layout);
    const BOOL stopped = !IsHllapiLoaded() || !IsPsConnected() || EndProgram();
    CDataSource::Close();
    return ended && stopped;
}
