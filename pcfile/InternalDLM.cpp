#include "InternalDLM.h"

#include "FieldConvert.h"
#include "NumberText.h"
#include "PlainNumber.h"

#include <cstring>

void CInternalDLMTarget::InitMembers()
{
    CInternalTextTarget::InitMembers();
    m_writesDecimalComma = true;
}

BOOL CInternalDLMTarget::FormatRecord()
{
    PutLine(m_layout.buffer, m_layout.length);
    return TRUE;
}

BOOL CInternalDLMSource::ParseRecord()
{
    const long long remaining = m_fileLength - m_consumed - static_cast<long long>(m_offset);
    const int start = PeekByte();
    const bool shortTail = remaining < static_cast<long long>(m_layout.length);
    if (start == kCtrlZ && shortTail && !AtEndMark())
        return ZRI_FAIL(SourceName(), IDS_ZRI018, m_recordCount + 1);
    if (start < 0 || (start == kCtrlZ && shortTail))
    {
        m_allConsumed = true;
        m_noRecordLeft = true;
        return TRUE;
    }
    const size_t read = ReadBytes(m_layout.buffer, m_layout.length);
    if (read < m_layout.length)
        return ZRI_FAIL(SourceName(), IDS_ZRI018, m_recordCount + 1);
    if (!ConsumeLineEnd())
    {
        const bool lineInside = std::memchr(m_layout.buffer, '\r', m_layout.length) != nullptr ||
                                std::memchr(m_layout.buffer, '\n', m_layout.length) != nullptr;
        return ZRI_FAIL(SourceName(), lineInside ? IDS_ZRI018 : IDS_ZRI019, m_recordCount + 1);
    }
    const int bad = NormaliseNumbers();
    if (bad >= 0)
        return ZRI_FAIL(SourceName(), IDS_ZRI012, bad);
    PeekAfterRecord();
    return TRUE;
}

bool CInternalDLMSource::ConsumeLineEnd()
{
    const int next = PeekAfterRecord();
    if (next < 0 || (next == kCtrlZ && !IsStrayEndMark(next)))
        return true;
    if (next != '\r')
        return false;
    ReadByte();
    if (PeekByte() != '\n')
        return false;
    ReadByte();
    return true;
}

int CInternalDLMSource::NormaliseNumbers()
{
    for (int i = 0; i < m_layout.count; ++i)
    {
        DSField& field = m_layout.fields[i];
        if (IsPcTextType(field.type))
            continue;
        if (!m_decimalIsDot)
            ReplaceFirst(field.value, FieldLength(field), ',', '.');
        if (!IsPcNumberType(field.type) || !IsPlainFieldNumber(field.value, FieldLength(field), FieldDecimals(field)))
            return i;
    }
    return -1;
}
