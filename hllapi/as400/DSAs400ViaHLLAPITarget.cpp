#include "DSAs400ViaHLLAPI.h"

#include "As400Messages.h"
#include "FieldConvert.h"
#include "HostReport.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr char kReportSource[] = "DSAs400ViaHLLAPI";
constexpr char kFirstMember[] = "*FIRST";
constexpr std::size_t kMaxDescriptions = HOST_AREA_SIZE;
}

BOOL CDSAs400ViaHLLAPITarget::Open(HANDLE cancelEvent)
{
    if (!CDSAs400ViaHLLAPI::Open(cancelEvent))
        return FALSE;
    if (m_kind != KIND_TRANSFER)
        return OpenReader();
    if (!ReadTargetRequest())
        return FALSE;
    bool opened;
    if (m_writeMode == ZRHWM_CREATE_FILE && m_hostFileType == ZRHFT_SOURCE)
    {
        int recordLength = 0;
        m_profile->GetHost(ZRP_RECORD_LENGTH, &recordLength);
        opened = SetSingleFieldLayout(recordLength) && CheckRecordFits() && ResetLayout() &&
                 TypeCommand(CreateSourceCommand(recordLength)) && CheckWriteReply();
    }
    else if (m_writeMode == ZRHWM_CREATE_FILE)
    {
        bool described;
        if (m_transferType == ZRTT_PLAIN)
        {
            int recordLength = 0;
            m_profile->GetHost(ZRP_RECORD_LENGTH, &recordLength);
            described = SetSingleFieldLayout(recordLength);
        }
        else
        {
            described = ReadDescriptionFile(false);
        }
        opened = described && CheckRecordFits() && CheckDescribable() && ResetLayout() &&
                 TypeCommand(CreateCommand(false)) && CheckWriteReply() && SendDescriptions() && CheckWriteReply();
    }
    else
    {
        opened = ReadExistingLayout(kFirstMember) && CheckRecordFits() && ResetLayout() && IsWriteModeForExisting() &&
                 TypeCommand(m_hostFileType == ZRHFT_SOURCE ? WriteSourceCommand() : WriteCommand(false)) &&
                 CheckWriteReply();
    }
    m_layout.current = 0;
    m_used = 0;
    return opened;
}

bool CDSAs400ViaHLLAPITarget::ReadTargetRequest()
{
    const int size = m_profile->GetHostSize(ZRP_HOST_TARGET_NAME);
    std::string name(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    m_profile->GetHost(ZRP_HOST_TARGET_NAME, name.data());
    if (!SplitHostName(name.c_str()))
        return false;
    m_profile->GetHost(ZRP_HOST_FILE_TYPE, &m_hostFileType);
    m_profile->GetHost(ZRP_HOST_WRITE_MODE, &m_writeMode);
    return true;
}

bool CDSAs400ViaHLLAPITarget::ReadDescriptionFile(bool binary)
{
    const int size = m_profile->GetHostSize(ZRP_DESCRIPTION_FILE);
    std::string path(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    m_profile->GetHost(ZRP_DESCRIPTION_FILE, path.data());
    path.resize(std::strlen(path.c_str()));
    switch (ReadDescrRecords(path.c_str(), m_descriptions, kMaxDescriptions))
    {
    case DescrFileStatus::Ok:
        break;
    case DescrFileStatus::CannotOpen:
        return HOST_FAIL(IDS_AS400_DESCR_NOT_OPENED, path.c_str());
    default:
        return HOST_FAIL(IDS_AS400_DESCR_NOT_READ);
    }
    if (m_descriptions.empty())
        return HOST_FAIL(IDS_AS400_DESCR_NOT_READ);
    if (!MakeDescribedFields(m_descriptions, binary, m_layout))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    return true;
}

bool CDSAs400ViaHLLAPITarget::ReadExistingLayout(const char* member)
{
    char named[AS400_NAME_CHARS + 1];
    std::memcpy(named, m_member, sizeof named);
    std::snprintf(m_member, sizeof m_member, "%s", member);
    const bool read = ReadRequest() && ReceiveFieldList() && EndHostDialog(true);
    std::memcpy(m_member, named, sizeof named);
    return read;
}

bool CDSAs400ViaHLLAPITarget::CheckDescribable()
{
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        if (HostTypeLetter(field.type) == '\0')
            return HOST_FAIL(IDS_AS400_HEX_FIELD);
        if (HostFieldDigits(field) > DESCR_MAX_LENGTH)
            return HOST_FAIL(IDS_AS400_FIELD_TOO_LONG, HostFieldDigits(field), DESCR_MAX_LENGTH);
    }
    return true;
}

bool CDSAs400ViaHLLAPITarget::IsWriteModeForExisting() const
{
    if (m_writeMode == ZRHWM_CREATE_MEMBER || m_writeMode == ZRHWM_REPLACE_MEMBER || m_writeMode == ZRHWM_APPEND_MEMBER)
        return true;
    return HOST_FAIL(IDS_AS400_BAD_WRITE_MODE);
}

bool CDSAs400ViaHLLAPITarget::CheckWriteReply()
{
    if (!ReadReply())
        return false;
    if (ReplyCode() == 'S')
        return true;
    if (ReplyCode() == 'E')
        return ReportHostMessage();
    return HOST_FAIL(IDS_AS400_START_FAILED);
}

bool CDSAs400ViaHLLAPITarget::SendDescriptions()
{
    const int count = m_descriptions.empty() ? m_layout.count : static_cast<int>(m_descriptions.size());
    int placed = 0;
    for (int i = 0; i < count; ++i)
    {
        char* record = m_area + placed * DESCR_LINE_CHARS;
        if (!(m_descriptions.empty() ? FormatHostDescription(m_layout.fields[i], record)
                                     : FormatHostDescription(m_descriptions[i], record)))
            return HOST_FAIL(IDS_AS400_HEX_FIELD);
        if (++placed == HOST_DESCRIPTIONS_PER_SCREEN)
        {
            if (!SendDescriptionScreen(placed))
                return false;
            placed = 0;
        }
    }
    if (placed > 0 && !SendDescriptionScreen(placed))
        return false;
    if (!(TypeHeader('+', 0, DESCR_LINE_CHARS) && ReadReply()))
        return false;
    if (ReplyCode() == 'W')
        return SendKeysAndWait("@E");
    if (ReplyCode() == 'E')
        return ReportHostMessage();
    return HOST_FAIL(IDS_AS400_NOT_READY);
}

bool CDSAs400ViaHLLAPITarget::SendDescriptionScreen(int count)
{
    if (!(CopyStringToPresentationSpace(HOST_AREA_ROW, HOST_AREA_COLUMN, m_area, count * DESCR_LINE_CHARS) &&
          TypeHeader('F', count, DESCR_LINE_CHARS) && ReadReply()))
        return false;
    return ReplyCode() == 'E' ? ReportHostMessage() : true;
}

std::string CDSAs400ViaHLLAPITarget::CreateCommand(bool binary) const
{
    return std::string("P ") + m_library + " " + m_file + " " + m_member + " 'C' 'Y' " +
           (binary ? "'Y' 'H' '1'" : "'Y' ' ' '1'");
}

namespace
{
const char* WriteModePart(int writeMode)
{
    switch (writeMode)
    {
    case ZRHWM_CREATE_MEMBER:
        return "'M' 'Y' ";
    case ZRHWM_REPLACE_MEMBER:
        return "'X' 'Y' ";
    default:
        return "' ' 'Y' ";
    }
}
}

std::string CDSAs400ViaHLLAPITarget::WriteCommand(bool binary) const
{
    return std::string("P ") + m_library + " " + m_file + " " + m_member + " " + WriteModePart(m_writeMode) +
           (binary ? "' ' 'H' '1'" : "' ' ' ' '1'");
}

std::string CDSAs400ViaHLLAPITarget::CreateSourceCommand(int recordLength) const
{
    return std::string("P ") + m_library + " " + m_file + " " + m_member + " 'C' 'Y' 'S' ' ' '" +
           std::to_string(recordLength) + "'";
}

std::string CDSAs400ViaHLLAPITarget::WriteSourceCommand() const
{
    return std::string("P ") + m_library + " " + m_file + " " + m_member + " " + WriteModePart(m_writeMode) +
           "'S' ' ' '1'";
}

BOOL CDSAs400ViaHLLAPITarget::PutField(const DSField* otherSide)
{
    if (m_kind != KIND_TRANSFER || !otherSide || m_layout.current >= m_layout.count)
        return FALSE;
    const int current = m_layout.current;
    if (m_conversions.size() != static_cast<std::size_t>(m_layout.count) &&
        !SizeHostConversions(m_conversions, m_layout.count))
        return HOST_FAIL(IDS_AS400_NO_RECORD_MEMORY);
    if (!ConvertPreparedToHost(m_conversions[current], *otherSide, m_layout.fields[current], m_environment))
        return HOST_FAIL(IDS_AS400_BAD_VALUE, current + 1, m_recordCount + 1);
    return TRUE;
}

BOOL CDSAs400ViaHLLAPITarget::NextField()
{
    return m_kind == KIND_TRANSFER ? AppendField(false) : CDSAs400ViaHLLAPI::NextField();
}

bool CDSAs400ViaHLLAPITarget::AppendRecord(bool hex)
{
    m_layout.current = 0;
    PutRecordIntoArea(m_layout, hex, m_area, m_used);
    const int recordBytes = static_cast<int>(m_layout.length) * (hex ? 2 : 1);
    if (m_used + recordBytes > HOST_AREA_SIZE)
    {
        if (!SendBuffer())
            return false;
        m_used = 0;
    }
    ++m_recordCount;
    return true;
}

BOOL CDSAs400ViaHLLAPITarget::EndOfData()
{
    return m_kind == KIND_TRANSFER ? SendBuffer() : CDSAs400ViaHLLAPI::EndOfData();
}

bool CDSAs400ViaHLLAPITarget::SendBuffer()
{
    return SendDataBuffer(false);
}

bool CDSAs400ViaHLLAPITarget::SendDataBuffer(bool hex)
{
    // Only whole records go: a transfer cancelled in the middle of a record leaves that record out.
    const int recordBytes = static_cast<int>(m_layout.length) * (hex ? 2 : 1);
    const int records = m_used / recordBytes;
    const int bytes = records * recordBytes;
    const char code = records == HOST_AREA_SIZE / recordBytes ? '*' : '+';
    if (bytes > 0)
    {
        if (hex)
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
    if (!(TypeHeader(code, records, static_cast<int>(m_layout.length)) && ReadReply()))
        return false;
    // The host answers every buffer; 'E' is a failure unless its message reports success.
    if (ReplyCode() != 'E')
        return true;
    bool success = false;
    if (!HostMessageContains("SUCCESS", success))
        return false;
    return success ? true : ReportHostMessage();
}

BOOL CDSAs400ViaHLLAPITarget::Close()
{
    const bool ended = EndHostDialog(true);
    FreeRecordLayout(m_layout);
    m_descriptions.clear();
    CDataSource::Close();
    return ended;
}
