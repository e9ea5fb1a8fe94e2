#include "InternalTextTarget.h"

namespace
{
const char kSource[] = "ZRSInternal";
}

void CInternalTextTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_lineEnd = "\r\n";
}

BOOL CInternalTextTarget::ReadEndsWithLineEnd(long long contentLength, bool& endsWithLineEnd)
{
    endsWithLineEnd = false;
    if (contentLength < 2)
        return TRUE;
    char last[2] = {};
    if (_fseeki64(m_stream, contentLength - 2, SEEK_SET) != 0 || fread(last, 1, 2, m_stream) != 2)
        return ZRI_FAIL(kSource, IDS_ZRI013);
    endsWithLineEnd = last[0] == '\r' && last[1] == '\n';
    return TRUE;
}

BOOL CInternalTextTarget::SeekForAppend(BOOL endMark)
{
    const long long contentLength = m_fileLength - (endMark ? 1 : 0);
    bool endsWithLineEnd = false;
    if (!ReadEndsWithLineEnd(contentLength, endsWithLineEnd))
        return FALSE;
    if (contentLength > 0 && !endsWithLineEnd)
        PutLineEnd();
    return CZRSInternalTarget::SeekForAppend(endMark);
}

BOOL CInternalTextTarget::FormatRecord()
{
    m_removeBlanks = RemoveBlanks();
    return PutFields();
}

BOOL CInternalTextTarget::PutFields()
{
    for (int i = 0; i < m_layout.count; ++i)
    {
        if (i > 0 && m_separator)
            PutChar(m_separator);
        if (!FormatField(m_layout.fields[i]))
            return FieldFailed(i);
    }
    PutLineEnd();
    return TRUE;
}
