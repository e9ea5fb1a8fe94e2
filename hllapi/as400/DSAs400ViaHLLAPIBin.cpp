#include "DSAs400ViaHLLAPI.h"

#include "As400Messages.h"
#include "HostReport.h"

#include <cstring>

namespace
{
constexpr char kReportSource[] = "DSAs400ViaHLLAPIBin";
}

BOOL CDSAs400ViaHLLAPIBinSource::NextField()
{
    return AdvanceReader(m_kind == KIND_TRANSFER);
}

bool CDSAs400ViaHLLAPIBinSource::ReceiveFirstBuffer()
{
    if (m_kind != KIND_TRANSFER)
        return CDSAs400ViaHLLAPISource::ReceiveFirstBuffer();
    if (!ReadReplyAfterWaits(GetTickCount(), IDS_AS400_BUFFER_TIMEOUT))
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
        // A member with no records answers '+' with a count of 0: nothing is decoded from its empty buffer.
        return TakeDataBuffer(false) && (CDSAs400ViaHLLAPI::EndOfData() || PlaceRecord(true));
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

bool CDSAs400ViaHLLAPIBinSource::ReceiveNextBuffer()
{
    if (m_kind != KIND_TRANSFER)
        return CDSAs400ViaHLLAPISource::ReceiveNextBuffer();
    const DWORD start = GetTickCount();
    if (!(SendKeysAndWait("@E") && ReadReplyAfterWaits(start, IDS_AS400_BUFFER_TIMEOUT)))
        return false;
    switch (ReplyCode())
    {
    case '*':
    case '+':
        return TakeDataBuffer(false);
    case 'E':
        return ReportHostMessage();
    default:
        return HOST_FAIL(IDS_AS400_UNKNOWN_COMMAND);
    }
}

BOOL CDSAs400ViaHLLAPIBinTarget::Open(HANDLE cancelEvent)
{
    if (!CDSAs400ViaHLLAPI::Open(cancelEvent))
        return FALSE;
    if (m_kind != KIND_TRANSFER)
        return OpenReader();
    if (!ReadTargetRequest())
        return FALSE;
    // Binary transfers always describe the record by its fields, whatever the host file type says.
    m_hostFileType = ZRHFT_DATA;
    bool opened;
    if (m_writeMode == ZRHWM_CREATE_FILE)
    {
        opened = ReadDescriptionFile(true) && CheckRecordFits() && ResetLayout() && TypeCommand(CreateCommand(true)) &&
                 CheckWriteReply() && SendDescriptions() && CheckWriteReply();
    }
    else
    {
        opened = ReadExistingLayout(m_member) && CheckRecordFits() && ResetLayout() && IsWriteModeForExisting() &&
                 TypeCommand(WriteCommand(true)) && CheckWriteReply();
    }
    m_layout.current = 0;
    m_used = 0;
    return opened;
}

BOOL CDSAs400ViaHLLAPIBinTarget::PutField(const DSField* otherSide)
{
    if (m_kind != KIND_TRANSFER || !otherSide || m_layout.current >= m_layout.count)
        return FALSE;
    DSField& field = m_layout.fields[m_layout.current];
    const std::size_t length = FieldLength(field);
    const std::size_t given = otherSide->value ? FieldLength(*otherSide) : 0;
    std::memset(field.value, 0, length);
    if (given > 0)
        std::memcpy(field.value, otherSide->value, given < length ? given : length);
    return TRUE;
}

BOOL CDSAs400ViaHLLAPIBinTarget::NextField()
{
    return m_kind == KIND_TRANSFER ? AppendField(true) : CDSAs400ViaHLLAPI::NextField();
}

BOOL CDSAs400ViaHLLAPIBinTarget::EndOfData()
{
    return m_kind == KIND_TRANSFER ? SendBuffer() : CDSAs400ViaHLLAPI::EndOfData();
}

bool CDSAs400ViaHLLAPIBinTarget::SendBuffer()
{
    return SendDataBuffer(true);
}
