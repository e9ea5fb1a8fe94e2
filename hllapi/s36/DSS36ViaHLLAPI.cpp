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

// Copies an upper-cased name of 1 to 8 characters; false for another length.
bool TakeName(const char* text, std::size_t length, char* name)
{
    if (length < 1 || length > S36_NAME_CHARS)
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
    const bool connected = ConnectPresentationSpace() && SetSessionParameters("EXTEND_UPDATE") &&
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

bool CDSS36ViaHLLAPI::IsProgramRunning()
{
    return IsTextAt(S36_RUNNING_MARK_PLACE.row, S36_RUNNING_MARK_PLACE.column, S36_RUNNING_MARK);
}

bool CDSS36ViaHLLAPI::StartProgram()
{
    return SetCursor(S36_START_PLACE.row, S36_START_PLACE.column) && TypeCommand(kProcedure) &&
           (IsProgramRunning() || HOST_FAIL(IDS_S36_NOT_STARTED));
}

bool CDSS36ViaHLLAPI::EndProgram()
{
    return !IsProgramRunning() || TypeCommand("X");
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

bool CDSS36ViaHLLAPI::SplitHostName(const char* name)
{
    m_library[0] = m_file[0] = m_member[0] = '\0';
    const char* open = std::strchr(name, '(');
    m_isMember = open != nullptr;
    if (!m_isMember)
        return TakeName(name, std::strlen(name), m_file) ? true : HOST_FAIL(IDS_S36_BAD_FILE);
    if (!TakeName(name, static_cast<std::size_t>(open - name), m_library))
        return HOST_FAIL(IDS_S36_BAD_LIBRARY);
    const char* close = std::strchr(open + 1, ')');
    const std::size_t length = close ? static_cast<std::size_t>(close - open - 1) : std::strlen(open + 1);
    return TakeName(open + 1, length, m_member) ? true : HOST_FAIL(IDS_S36_BAD_MEMBER);
}

bool CDSS36ViaHLLAPI::ReadDescriptionFile()
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
    return true;
}

bool CDSS36ViaHLLAPI::SetSingleFieldLayout(int length)
{
    if (length < 1)
        return HOST_FAIL(IDS_S36_BAD_RECORD_LENGTH, length);
    if (length > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_S36_RECORD_TOO_LONG, length, HOST_AREA_SIZE / ScreenUnit());
    if (!AllocateLayoutFields(m_layout, 1))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    m_layout.fields[0].type = HFT_CHARACTER;
    m_layout.fields[0].length = static_cast<short>(length);
    return true;
}

bool CDSS36ViaHLLAPI::CheckRecordFits()
{
    long length = 0;
    for (int i = 0; i < m_layout.count; ++i)
        length += static_cast<long>(FieldLength(m_layout.fields[i]));
    if (length * ScreenUnit() > HOST_AREA_SIZE)
        return HOST_FAIL(IDS_S36_RECORD_TOO_LONG, static_cast<int>(length), HOST_AREA_SIZE / ScreenUnit());
    return true;
}

bool CDSS36ViaHLLAPI::ResetLayout()
{
    if (!BuildRecordBuffer(m_layout))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    m_recordCount = 0;
    m_layout.current = 0;
    m_used = 0;
    return true;
}

bool CDSS36ViaHLLAPI::PlaceFieldList()
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
    return CopyStringToPresentationSpace(HOST_AREA_ROW, HOST_AREA_COLUMN, list.data(), static_cast<int>(list.size()));
}

std::string CDSS36ViaHLLAPI::CommandLine(char verb) const
{
    std::string line(S36_COMMAND_CHARS, ' ');
    line[S36_COMMAND_VERB] = verb;
    const bool write = verb == 'W';
    const bool fileMode = m_writeMode >= ZRHWM_CREATE_FILE && m_writeMode <= ZRHWM_APPEND_FILE;
    if (write)
    {
        line[S36_COMMAND_DISPOSITION] = (m_writeMode == ZRHWM_CREATE_FILE || m_writeMode == ZRHWM_CREATE_MEMBER) ? '2'
                                        : (m_writeMode == ZRHWM_REPLACE_FILE || m_writeMode == ZRHWM_REPLACE_MEMBER)
                                            ? '1'
                                            : '0';
        int records = 0;
        m_profile->GetHost(ZRP_NUMBER_OF_RECORDS, &records);
        char number[16];
        std::snprintf(number, sizeof number, "%06d", records % 1000000);
        PlaceText(line, S36_COMMAND_RECORDS, number);
        std::snprintf(number, sizeof number, "%04d", static_cast<int>(m_layout.length) % 10000);
        PlaceText(line, S36_COMMAND_RECORD_LENGTH, number);
    }
    if (IsBinary())
        line[S36_COMMAND_FORM] = 'H';
    else if (write ? fileMode : m_useDescriptions)
        line[S36_COMMAND_FORM] = 'Y';
    if (write ? !fileMode : m_isMember)
    {
        PlaceText(line, S36_COMMAND_NAME, m_library);
        line[S36_COMMAND_MEMBER_TYPE] = m_hostFileType == ZRHFT_MEMBER_SOURCE ? 'S' : 'P';
        PlaceText(line, S36_COMMAND_MEMBER, m_member);
    }
    else
    {
        PlaceText(line, S36_COMMAND_NAME, m_file);
    }
    return line;
}

bool CDSS36ViaHLLAPI::TypeHeader(char code, int count)
{
    // The code, blanks, and the count where it belongs.
    char header[32];
    header[REPLY_CODE] = code;
    std::memset(header + REPLY_CODE + 1, ' ', S36_HEADER_COUNT - REPLY_CODE - 1);
    const int length = S36_HEADER_COUNT + PutPaddedNumber(header + S36_HEADER_COUNT, count, S36_HEADER_COUNT_DIGITS);
    return SendHeader(header, length);
}

bool CDSS36ViaHLLAPI::ReadReplyLine()
{
    return CopyPresentationSpaceToString(HOST_REPLY_LINE, m_reply);
}

bool CDSS36ViaHLLAPI::ReadReply()
{
    if (!ReadReplyLine())
        return false;
    return m_reply[S36_REPLY_MARKER] == S36_RUNNING_MARK[0] ? true : HOST_FAIL(IDS_S36_BAD_LINE);
}

long CDSS36ViaHLLAPI::ReplyCount() const
{
    // At most eight digits: the count always fits.
    constexpr long long kMost = 99999999;
    constexpr size_t kPlaces = REPLY_RECORD_LENGTH - REPLY_COUNT;
    long long count = 0;
    const size_t digits = ReadDecimalDigits(m_reply + REPLY_COUNT, kPlaces, kMost, count);
    if (digits == 0 || (digits < kPlaces && !IsReplyNumberEnd(m_reply[REPLY_COUNT + digits])))
        return -1;
    return static_cast<long>(count);
}

bool CDSS36ViaHLLAPI::ReportHostMessage()
{
    char message[S36_MESSAGE_LINE.chars + 1];
    if (!CopyPresentationSpaceToString(S36_MESSAGE_LINE, message))
        return HOST_FAIL(IDS_S36_MESSAGE_UNAVAILABLE);
    std::size_t length = std::strlen(message);
    while (length > 0 && message[length - 1] == ' ')
        message[--length] = '\0';
    return HOST_FAIL(IDS_S36_HOST_MESSAGE, message);
}

bool CDSS36ViaHLLAPI::CopyDataArea()
{
    m_used = 0;
    if (IsBinary())
        return CopyPresentationSpaceToString(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, HOST_AREA_SIZE);
    if (!SetSessionParameters("EBCDIC"))
        return false;
    const bool copied = CopyPresentationSpaceToString(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, HOST_AREA_SIZE);
    return SetSessionParameters("NOEBCDIC") && copied;
}

bool CDSS36ViaHLLAPI::PlaceRecord()
{
    if (IsBinary())
        return PlaceHexField();
    TakeRecordFromArea(m_area, m_used, m_layout);
    return true;
}

bool CDSS36ViaHLLAPI::PlaceHexField()
{
    if (!TakeHexFieldFromArea(m_area, m_used, m_layout.fields[m_layout.current]))
        return HOST_FAIL(IDS_S36_BAD_LINE);
    return true;
}

bool CDSS36ViaHLLAPI::ReceiveBuffer(bool place)
{
    const DWORD start = GetTickCount();
    if (!ReadReply())
        return false;
    // Reply '6': the host is still busy with the buffer; it is read again until the time-out.
    while (ReplyCode() == '6')
    {
        if (GetTickCount() - start > DdsTimeout())
            return HOST_FAIL(IDS_S36_UNKNOWN_COMMAND);
        Sleep(kReplyPollMs);
        if (!ReadReply())
            return false;
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
            return false;
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
        return IsBinary() ? PlaceHexField() : true;
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

bool CDSS36ViaHLLAPI::EndHostDialog()
{
    if (!IsHllapiLoaded() || !IsPsConnected())
        return true;
    bool inhibited = false;
    if (!IsInputInhibited(inhibited))
        return false;
    if (inhibited)
        return HOST_FAIL(IDS_S36_INPUT_INHIBITED);
    if (!ReadReplyLine())
        return false;
    switch (ReplyCode())
    {
    case ' ':
    case '*':
        return TypeCommand("C");
    case '+':
    case 'E':
        return SendKeysAndWait("@E");
    default:
        return true;
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

    bool requested;
    if (m_useDescriptions)
    {
        requested = ReadDescriptionFile() && CheckRecordFits() && ResetLayout() && PlaceFieldList() &&
                    TypeCommand(CommandLine('R'));
    }
    else
    {
        requested = TypeCommand(CommandLine('R')) && ReadReply();
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
    if (m_hostRecords < 0)
    {
        m_hostRecords = 0;
        return HOST_FAIL(IDS_S36_BAD_LINE);
    }
    if (SendKeysAndWait("@E") && ReceiveBuffer(true))
        return TRUE;
    m_hostRecords = 0;
    return FALSE;
}

BOOL CDSS36ViaHLLAPISource::Close()
{
    const bool ended = EndHostDialog();
    FreeRecordLayout(m_layout);
    const bool stopped = !IsHllapiLoaded() || !IsPsConnected() || EndProgram();
    CDataSource::Close();
    return ended && stopped;
}
