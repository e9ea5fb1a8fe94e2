#include "ZRSInternalSource.h"

#include "FieldConvert.h"

#include <io.h>
#include <share.h>

namespace
{
const char kSource[] = "ZRSInternal";

bool OnlyLineEndsAndEndMarks(const char* from, const char* end)
{
    for (; from != end; ++from)
        if (*from != '\r' && *from != '\n' && *from != kCtrlZ)
            return false;
    return true;
}
}

CZRSInternalSource::CZRSInternalSource() : m_allConsumed(false), m_noRecordLeft(false)
{
}

void CZRSInternalSource::InitMembers()
{
    CZRSInternal::InitMembers();
    m_allConsumed = false;
    m_noRecordLeft = false;
}

BOOL CZRSInternalSource::OpenFile()
{
    if (m_fileName[0] != '\0')
        m_stream = _fsopen(m_fileName, "rb", _SH_DENYRW);
    if (!m_stream)
        return ZRI_FAIL(kSource, IDS_ZRI010);
    m_fileLength = _filelengthi64(_fileno(m_stream));
    if (m_fileLength <= 0)
        return ZRI_FAIL(kSource, IDS_ZRI007, m_fileName);
    return TRUE;
}

BOOL CZRSInternalSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (!BuildPcLayout(otherSide))
        return FALSE;
    BOOL endMark = FALSE;
    return DetectEndMark(&endMark) && ReadFirstRecord();
}

BOOL CZRSInternalSource::ReadFirstRecord()
{
    if (!ServiceBuffer())
        return ZRI_FAIL(SourceName(), IDS_ZRI013);
    if (!CheckStructure() || !SkipHeader())
        return m_recordTooLong ? ZRI_FAIL(SourceName(), IDS_ZRI019, 1) : ZRI_FAIL(SourceName(), IDS_ZRI014);
    return ParseAndCount();
}

BOOL CZRSInternalSource::SkipHeader()
{
    return TRUE;
}

BOOL CZRSInternalSource::GetField(DSField* field)
{
    return CopyCurrentField(m_layout, field);
}

BOOL CZRSInternalSource::NextField()
{
    if (!m_stream || m_layout.count <= 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    return NextRecord();
}

BOOL CZRSInternalSource::NextRecord()
{
    m_layout.current = 0;
    if (m_allConsumed)
    {
        m_noRecordLeft = true;
        return TRUE;
    }
    if (!ServiceBuffer())
        return ZRI_FAIL(kSource, IDS_ZRI013);
    return ParseAndCount();
}

BOOL CZRSInternalSource::ParseAndCount()
{
    MarkRecordStart();
    if (!ParseRecord())
        return FALSE;
    if (m_recordTooLong)
        return ZRI_FAIL(SourceName(), IDS_ZRI019, m_recordCount + 1);
    if (!m_noRecordLeft)
        ++m_recordCount;
    return TRUE;
}

BOOL CZRSInternalSource::EndOfData()
{
    if (!m_allConsumed && m_fileLength < m_consumed + static_cast<long long>(m_offset) + 1)
        m_allConsumed = true;
    return m_noRecordLeft;
}

BOOL CZRSInternalSource::ServiceBuffer()
{
    if (m_offset + kRecordMargin <= kBufferSize && m_recordCount > 0)
        return TRUE;
    return LoadBuffer();
}

int CZRSInternalSource::PeekAfterRecord()
{
    MarkRecordStart();
    const int next = PeekByte();
    if (next < 0 || (next == kCtrlZ && AtEndMark()))
        m_allConsumed = true;
    return next;
}

bool CZRSInternalSource::AtEndMark()
{
    if (!OnlyLineEndsAndEndMarks(m_buffer + m_offset, m_buffer + m_valid))
        return false;
    if (feof(m_stream))
        return true;
    const long long resume = _ftelli64(m_stream);
    char piece[4096];
    bool only = true;
    size_t read = 0;
    while (only && (read = fread(piece, 1, sizeof piece, m_stream)) > 0)
        only = OnlyLineEndsAndEndMarks(piece, piece + read);
    const bool failed = ferror(m_stream) != 0;
    clearerr(m_stream);
    if (_fseeki64(m_stream, resume, SEEK_SET) != 0)
        return false;
    return only && !failed;
}
