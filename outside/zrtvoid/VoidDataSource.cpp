#include "VoidDataSource.h"

BOOL CVoidDataSource::Open(HANDLE cancelEvent)
{
    m_recordCount = 0;
    return CDataSource::Open(cancelEvent);
}

BOOL CVoidDataSource::SetRecordLayout(const DSRecordLayout* otherSide)
{
    m_fieldCount = otherSide ? otherSide->count : 0;
    m_layout.current = 0;
    return otherSide != nullptr;
}

BOOL CVoidDataSource::PutField(const DSField* otherSide)
{
    return m_takesRecords && otherSide != nullptr;
}

BOOL CVoidDataSource::NextField()
{
    if (!m_takesRecords || m_fieldCount <= 0)
        return FALSE;
    if (++m_layout.current < m_fieldCount)
        return TRUE;
    m_layout.current = 0;
    ++m_recordCount;
    return TRUE;
}

// Host to PC nothing needs finishing; PC to host there is never a record.
BOOL CVoidDataSource::EndOfData()
{
    return TRUE;
}
