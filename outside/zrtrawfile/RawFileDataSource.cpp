#include "RawFileDataSource.h"

#include "LayoutCopy.h"
#include "RawFileStrings.h"

#include <ReportError.h>

#include <cstring>

BOOL CRawFileDataSource::Fail(UINT id)
{
    ReportError("RawFileDataSource", __LINE__, m_errorSink, m_module, id, m_path);
    return FALSE;
}

BOOL CRawFileDataSource::Open(HANDLE cancelEvent)
{
    CDataSource::Open(cancelEvent);
    m_recordCount = 0;
    m_hasRecord = false;
    memset(m_path, 0, sizeof m_path);
    int writeMode = ZRPCWM_CREATE;
    if (!m_profile->GetPc(ZRP_PC_FILE_NAME, m_path))
        return Fail(m_writesFile ? IDS_RAW_CANNOT_WRITE : IDS_RAW_CANNOT_READ);
    m_path[MAX_PATH] = '\0';
    if (!m_writesFile)
        return m_file.OpenForReading(m_path) ? TRUE : Fail(IDS_RAW_CANNOT_READ);
    m_profile->GetPc(ZRP_PC_WRITE_MODE, &writeMode);
    return m_file.OpenForWriting(m_path, writeMode) ? TRUE : Fail(IDS_RAW_CANNOT_WRITE);
}

BOOL CRawFileDataSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (!otherSide || !CopyLayoutByWidths(*otherSide, m_layout))
    {
        FreeRecordLayout(m_layout);
        return Fail(IDS_RAW_LAYOUT);
    }
    return m_writesFile || ReadRecord();
}

BOOL CRawFileDataSource::ReadRecord()
{
    size_t got = 0;
    if (!m_file.Read(m_layout.buffer, m_layout.length, &got))
        return Fail(IDS_RAW_CANNOT_READ);
    m_hasRecord = got == m_layout.length;
    if (got == 0 || m_hasRecord)
        return TRUE;
    ReportError("RawFileDataSource", __LINE__, m_errorSink, m_module, IDS_RAW_INCOMPLETE_RECORD, m_path,
                static_cast<unsigned>(got), static_cast<unsigned>(m_layout.length));
    return FALSE;
}

BOOL CRawFileDataSource::GetField(DSField* field)
{
    return !m_writesFile && m_hasRecord && CopyCurrentField(m_layout, field);
}

BOOL CRawFileDataSource::PutField(const DSField* otherSide)
{
    if (!m_writesFile || !otherSide || m_layout.current < 0 || m_layout.current >= m_layout.count)
        return FALSE;
    DSField& field = m_layout.fields[m_layout.current];
    if (otherSide->value)
        memcpy(field.value, otherSide->value, FieldLength(field));
    else
        memset(field.value, 0, FieldLength(field));
    return TRUE;
}

BOOL CRawFileDataSource::NextField()
{
    if (m_layout.count == 0)
        return FALSE;
    if (++m_layout.current < m_layout.count)
        return TRUE;
    m_layout.current = 0;
    ++m_recordCount;
    if (m_writesFile)
        return m_file.Write(m_layout.buffer, m_layout.length) ? TRUE : Fail(IDS_RAW_CANNOT_WRITE);
    return ReadRecord();
}

BOOL CRawFileDataSource::EndOfData()
{
    if (!m_writesFile)
        return !m_hasRecord;
    return m_file.Flush() ? TRUE : Fail(IDS_RAW_CANNOT_WRITE);
}

BOOL CRawFileDataSource::Close()
{
    const bool closed = m_file.Close();
    CDataSource::Close();
    return closed ? TRUE : Fail(m_writesFile ? IDS_RAW_CANNOT_WRITE : IDS_RAW_CANNOT_READ);
}
