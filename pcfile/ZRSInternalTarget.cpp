#include "ZRSInternalTarget.h"

#include "NumberText.h"

#include <algorithm>
#include <cstring>
#include <io.h>
#include <share.h>
#include <utility>

namespace
{
const char kSource[] = "ZRSInternal";

bool FileExists(const char* name)
{
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}

CZRSInternalTarget::CZRSInternalTarget() : m_writeMode(0), m_headerDue(false), m_writeFailed(false), m_ended(false)
{
}

CZRSInternalTarget::~CZRSInternalTarget()
{
    if (m_stream)
        Close();
}

void CZRSInternalTarget::InitMembers()
{
    CZRSInternal::InitMembers();
    m_writeMode = 0;
    m_headerDue = false;
    m_writeFailed = false;
    m_ended = false;
}

BOOL CZRSInternalTarget::OpenFile()
{
    const bool exists = m_fileName[0] != '\0' && FileExists(m_fileName);
    m_writeMode = PcValue(ZRP_PC_WRITE_MODE, 0);
    const char* mode = nullptr;
    switch (m_writeMode)
    {
    case ZRPCWM_CREATE:
        if (exists && OptionValue(ZRO_CONFIRM_REPLACING, 1) && !AskQuestion(IDS_ASK_REPLACE))
            return FALSE;
        mode = "wb+";
        break;
    case ZRPCWM_REPLACE:
        if (!exists && OptionValue(ZRO_CONFIRM_CREATING, 1) && !AskQuestion(IDS_ASK_CREATE))
            return FALSE;
        mode = "wb+";
        break;
    case ZRPCWM_APPEND:
        if (exists)
            mode = "rb+";
        break;
    default:
        break;
    }
    if (mode && m_writeMode == ZRPCWM_APPEND)
        m_stream = _fsopen(m_fileName, mode, _SH_DENYRW);
    else if (mode)
    {
        const std::string written = m_safeguard.BeginReplacing(m_fileName);
        if (!written.empty())
            m_stream = _fsopen(written.c_str(), mode, _SH_DENYRW);
    }
    if (!m_stream)
    {
        m_safeguard.Discard();
        return ZRI_FAIL(kSource, IDS_ZRI010);
    }
    // The 64,000-byte buffer is the only one: a stream buffer of its own would split each write of it in several.
    setvbuf(m_stream, nullptr, _IONBF, 0);
    m_fileLength = _filelengthi64(_fileno(m_stream));
    m_headerDue = m_writeMode != ZRPCWM_APPEND;
    if (m_writeMode == ZRPCWM_APPEND && !m_safeguard.BeginAppending(m_stream, m_fileLength))
        return ZRI_FAIL(kSource, IDS_ZRI013);
    return TRUE;
}

BOOL CZRSInternalTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    const bool built = BuildPcLayout(otherSide);
    PlanFields(otherSide);
    if (!built)
        return FALSE;
    if (m_writeMode != ZRPCWM_APPEND)
        return TRUE;
    if (m_fileLength == 0)
    {
        m_headerDue = true;
        return TRUE;
    }
    return PrepareAppend();
}

void CZRSInternalTarget::PlanFields(const DSRecordLayout* otherSide)
{
    const int count = std::max(m_layout.count, 0);
    const bool decimalComma = m_writesDecimalComma && !m_decimalIsDot;
    m_fieldPlans.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        // Without the host field the plan holds no host type, and every value goes the general way.
        const bool hostKnown = otherSide && otherSide->fields && i < otherSide->count;
        m_fieldPlans[i] = {PrepareConversionToPC(hostKnown ? otherSide->fields[i].type : 0, field),
                           decimalComma && !IsPcTextType(field.type)};
    }
}

BOOL CZRSInternalTarget::PrepareAppend()
{
    BOOL endMark = FALSE;
    if (!DetectEndMark(&endMark))
        return FALSE;
    if (!ReadFromStart())
        return ZRI_FAIL(kSource, IDS_ZRI013);
    if (!CheckStructure())
        return ZRI_FAIL(SourceName(), IDS_ZRI014);
    ClearBuffer();
    m_recordCount = 0;
    if (!SeekForAppend(endMark))
        return FALSE;
    if (!m_safeguard.KeepFrom(_ftelli64(m_stream)))
        return ZRI_FAIL(kSource, IDS_ZRI013);
    return TRUE;
}

BOOL CZRSInternalTarget::CheckStructure()
{
    return TRUE;
}

BOOL CZRSInternalTarget::SeekForAppend(BOOL endMark)
{
    if (_fseeki64(m_stream, m_fileLength - (endMark ? 1 : 0), SEEK_SET) != 0)
        return ZRI_FAIL(kSource, IDS_ZRI013);
    return TRUE;
}

BOOL CZRSInternalTarget::PutField(const DSField* otherSide)
{
    const int current = m_layout.current;
    if (!otherSide || current < 0 || current >= m_layout.count)
        return FieldFailed(current);
    DSField& field = m_layout.fields[current];
    const FieldPlan& plan = m_fieldPlans[current];
    if (!ConvertPreparedToPC(plan.conversion, *otherSide, field, m_environment))
        return FieldFailed(current);
    if (plan.decimalComma)
        ReplaceFirst(field.value, FieldLength(field), '.', ',');
    return TRUE;
}

BOOL CZRSInternalTarget::NextField()
{
    if (!m_stream || m_layout.count <= 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    m_layout.current = 0;
    return PutRecord();
}

BOOL CZRSInternalTarget::PutRecord()
{
    if (!ServiceBuffer())
        return ZRI_FAIL(SourceName(), ServiceFailureId());
    if (m_headerDue)
    {
        if (!WriteHeader())
            return FALSE;
        m_headerDue = false;
    }
    return FormatRecord() && !m_writeFailed;
}

BOOL CZRSInternalTarget::FormatRecord()
{
    for (int i = 0; i < m_layout.count; ++i)
        if (!FormatField(m_layout.fields[i]))
            return FieldFailed(i);
    return TRUE;
}

BOOL CZRSInternalTarget::FieldFailed(int index)
{
    return ZRI_FAIL(SourceName(), IDS_ZRI012, index);
}

BOOL CZRSInternalTarget::EndOfData()
{
    if (!m_stream || m_writeFailed)
        return FALSE;
    if (m_headerDue)
    {
        if (!WriteHeader())
            return FALSE;
        m_headerDue = false;
    }
    if (!FlushBuffer() || !WriteTrailer())
        return FALSE;
    if (fflush(m_stream) != 0 || ferror(m_stream))
        return ZRI_FAIL(kSource, IDS_ZRI006);
    m_ended = true;
    return TRUE;
}

BOOL CZRSInternalTarget::Close()
{
    if (!m_ended)
        m_safeguard.RestoreAppended();
    const bool ended = std::exchange(m_ended, false);
    bool closed = CZRSInternal::Close();
    if (ended && closed && !m_safeguard.Commit())
    {
        ZRI_REPORT(kSource, IDS_ZRI006);
        closed = false;
    }
    m_safeguard.Discard();
    return closed;
}

BOOL CZRSInternalTarget::WriteHeader()
{
    return TRUE;
}

BOOL CZRSInternalTarget::WriteTrailer()
{
    return TRUE;
}

BOOL CZRSInternalTarget::ServiceBuffer()
{
    if (m_offset + kRecordMargin <= kBufferSize)
        return TRUE;
    return WriteUsedBytes();
}

UINT CZRSInternalTarget::ServiceFailureId() const
{
    return IDS_ZRI006;
}

void CZRSInternalTarget::PutThroughFullBuffer(const char* bytes, size_t count)
{
    if (m_writeFailed)
        return;
    if (!WriteUsedBytes())
    {
        m_writeFailed = true;
        ZRI_REPORT(kSource, IDS_ZRI006);
        return;
    }
    if (count < kBufferSize)
    {
        std::memcpy(m_buffer, bytes, count);
        m_offset = count;
    }
    else if (fwrite(bytes, 1, count, m_stream) != count)
    {
        m_writeFailed = true;
        ZRI_REPORT(kSource, IDS_ZRI006);
    }
}
