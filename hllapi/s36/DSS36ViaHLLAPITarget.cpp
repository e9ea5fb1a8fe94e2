#include "DSS36ViaHLLAPI.h"

#include "FieldConvert.h"
#include "HostReport.h"
#include "S36Messages.h"

#include <cstring>

namespace
{
constexpr char kReportSource[] = "DSS36ViaHLLAPI";
constexpr unsigned char kEbcdicBlank = 0x40;
constexpr unsigned char kEbcdicZero = 0xF0;
constexpr unsigned char kEbcdicMinus = 0x60;

// A number goes to FT36 zero-filled with its sign first: leading blanks become zeros, and a minus sign after them
// moves to the front (" -12" becomes "-012").
void FillNumber(char* value, int length)
{
    int i = 0;
    while (i < length && static_cast<unsigned char>(value[i]) == kEbcdicBlank)
        value[i++] = static_cast<char>(kEbcdicZero);
    if (i < length && static_cast<unsigned char>(value[i]) == kEbcdicMinus)
    {
        value[i] = static_cast<char>(kEbcdicZero);
        value[0] = static_cast<char>(kEbcdicMinus);
    }
}
}

BOOL CDSS36ViaHLLAPITarget::Open(HANDLE cancelEvent)
{
    if (!CDSS36ViaHLLAPI::Open(cancelEvent))
        return FALSE;
    const int size = m_profile->GetHostSize(ZRP_HOST_TARGET_NAME);
    std::string name(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    m_profile->GetHost(ZRP_HOST_TARGET_NAME, name.data());
    if (!SplitHostName(name.c_str()))
        return FALSE;
    m_profile->GetHost(ZRP_HOST_FILE_TYPE, &m_hostFileType);
    m_profile->GetHost(ZRP_HOST_WRITE_MODE, &m_writeMode);
    if (m_writeMode < ZRHWM_CREATE_FILE || m_writeMode > ZRHWM_REPLACE_MEMBER)
        return HOST_FAIL(IDS_S36_BAD_WRITE_MODE);
    bool withFieldList = false;
    const bool opened = ChooseLayout(withFieldList) && CheckRecordFits() && ResetLayout() &&
                        (!withFieldList || PlaceFieldList()) && TypeCommand(CommandLine('W')) && CheckWriteReply();
    m_layout.current = 0;
    m_used = 0;
    return opened;
}

bool CDSS36ViaHLLAPITarget::ChooseLayout(bool& withFieldList)
{
    const bool fileMode = m_writeMode <= ZRHWM_APPEND_FILE;
    int recordLength = 0;
    m_profile->GetHost(ZRP_RECORD_LENGTH, &recordLength);
    if (IsBinary())
        return SetSingleFieldLayout(recordLength);
    // A plain write places the field list of its one field in every write mode, although the command announces
    // a field list ('Y' in column 10) for the file modes only; other member writes go without one.
    if (m_transferType == ZRTT_PLAIN)
    {
        withFieldList = true;
        if (m_writeMode == ZRHWM_REPLACE_FILE || m_writeMode == ZRHWM_APPEND_FILE)
            return ReadExistingLength();
        return SetSingleFieldLayout(recordLength);
    }
    withFieldList = fileMode;
    return fileMode ? ReadDescriptionFile() : SetSingleFieldLayout(recordLength);
}

bool CDSS36ViaHLLAPITarget::ReadExistingLength()
{
    if (!(TypeCommand(CommandLine('R')) && ReadReply()))
        return false;
    if (ReplyCode() == 'E' || ReplyLength() <= 0)
        return ReportHostMessage();
    return SetSingleFieldLayout(ReplyLength()) && EndHostDialog();
}

bool CDSS36ViaHLLAPITarget::CheckWriteReply()
{
    if (!ReadReply())
        return false;
    if (ReplyCode() == 'E')
    {
        ReportHostMessage();
        SendKeysAndWait("@E");
        return false;
    }
    const int expected = static_cast<int>(m_layout.length) * ScreenUnit();
    return ReplyLength() == expected ? true : HOST_FAIL(IDS_S36_BAD_LINE);
}

BOOL CDSS36ViaHLLAPITarget::PutField(const DSField* otherSide)
{
    if (!otherSide || m_layout.current >= m_layout.count)
        return FALSE;
    DSField& field = m_layout.fields[m_layout.current];
    const int length = static_cast<int>(FieldLength(field));
    if (IsBinary())
    {
        const int given = otherSide->value ? static_cast<int>(FieldLength(*otherSide)) : 0;
        std::memset(field.value, 0, static_cast<std::size_t>(length));
        if (given > 0)
            std::memcpy(field.value, otherSide->value, static_cast<std::size_t>(given < length ? given : length));
        return TRUE;
    }
    if (m_conversions.size() != static_cast<std::size_t>(m_layout.count) &&
        !SizeHostConversions(m_conversions, m_layout.count))
        return HOST_FAIL(IDS_S36_NO_RECORD_MEMORY);
    if (!ConvertPreparedToHost(m_conversions[m_layout.current], *otherSide, field, m_environment))
        return HOST_FAIL(IDS_S36_BAD_VALUE, m_layout.current + 1, m_recordCount + 1);
    if (field.type != HFT_CHARACTER)
        FillNumber(field.value, length);
    return TRUE;
}

BOOL CDSS36ViaHLLAPITarget::NextField()
{
    // The fields wait in the record buffer until the record is complete, then go into the data area together.
    if (++m_layout.current < m_layout.count)
        return TRUE;
    return AppendRecord();
}

bool CDSS36ViaHLLAPITarget::AppendRecord()
{
    m_layout.current = 0;
    PutRecordIntoArea(m_layout, IsBinary(), m_area, m_used);
    if (m_used + static_cast<int>(m_layout.length) * ScreenUnit() > HOST_AREA_SIZE)
    {
        if (!SendBuffer())
            return false;
        m_used = 0;
    }
    ++m_recordCount;
    return true;
}

BOOL CDSS36ViaHLLAPITarget::EndOfData()
{
    return SendBuffer();
}

bool CDSS36ViaHLLAPITarget::SendBuffer()
{
    // Only whole records go: a transfer cancelled in the middle of a record leaves that record out.
    const int recordBytes = static_cast<int>(m_layout.length) * ScreenUnit();
    const int records = m_used / recordBytes;
    const int bytes = records * recordBytes;
    if (bytes > 0)
    {
        if (IsBinary())
        {
            if (!CopyStringToPresentationSpace(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, bytes))
                return false;
        }
        else
        {
            if (!SetSessionParameters("EBCDIC"))
                return false;
            const bool copied = CopyStringToPresentationSpace(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, bytes);
            if (!(SetSessionParameters("NOEBCDIC") && copied))
                return false;
        }
    }
    const char code = records == HOST_AREA_SIZE / recordBytes ? '*' : '+';
    if (!(TypeHeader(code, records) && ReadReply()))
        return false;
    // The host answers every buffer; 'E' reports its failure.
    if (ReplyCode() != 'E')
        return true;
    ReportHostMessage();
    SendKeysAndWait("@E");
    return false;
}

BOOL CDSS36ViaHLLAPITarget::Close()
{
    bool closed = true;
    if (IsHllapiLoaded() && IsPsConnected())
    {
        bool inhibited = false;
        if (!IsInputInhibited(inhibited))
            closed = false;
        else if (inhibited)
            closed = HOST_FAIL(IDS_S36_INPUT_INHIBITED);
        else if (!ReadReplyLine())
            closed = false;
        else if (ReplyCode() == '*')
            closed = TypeCommand("C");
        else if (ReplyCode() == '+')
            closed = SendKeysAndWait("@E");
        else if (ReplyCode() == 'E')
        {
            ReportHostMessage();
            SendKeysAndWait("@E");
            closed = false;
        }
    }
    FreeRecordLayout(m_layout);
    const bool stopped = !IsHllapiLoaded() || !IsPsConnected() || EndProgram();
    CDataSource::Close();
    return closed && stopped;
}
