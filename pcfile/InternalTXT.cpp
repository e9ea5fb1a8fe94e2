#include "InternalTXT.h"

#include "ByteCopy.h"
#include "ByteRuns.h"
#include "FieldConvert.h"
#include "NumberText.h"
#include "PlainNumber.h"

#include <algorithm>
#include <string>

BOOL CInternalTXTTarget::FormatRecord()
{
    if (m_removeBlanks)
        return CInternalTextTarget::FormatRecord();
    if (m_unwritableField >= 0)
        return FieldFailed(m_unwritableField);
    PutLine(m_layout.buffer, m_layout.length);
    return TRUE;
}

BOOL CInternalTXTSource::ParseRecord()
{
    const int start = PeekByte();
    if (start == kCtrlZ && !AtEndMark())
        return ZRI_FAIL(SourceName(), IDS_ZRI018, m_recordCount + 1);
    if (start < 0 || start == kCtrlZ)
    {
        m_allConsumed = true;
        m_noRecordLeft = true;
        return TRUE;
    }
    FillBytes(m_layout.buffer, 0, m_layout.length);
    bool lineEnded = false;
    bool strayEndMark = false;
    for (int i = 0; i < m_layout.count; ++i)
    {
        if (lineEnded)
            return ZRI_FAIL(SourceName(), IDS_ZRI018, m_recordCount + 1);
        DSField& field = m_layout.fields[i];
        const size_t read = ReadFieldBytes(field, lineEnded, strayEndMark);
        const bool fits = read < FieldLength(field)
                              ? CompleteShortField(field, read)
                              : IsPcTextType(field.type) || IsPlainFieldNumber(field.value, read, FieldDecimals(field));
        if (!fits)
            return ZRI_FAIL(SourceName(), IDS_ZRI012, i);
    }
    if (!lineEnded || strayEndMark)
        return ZRI_FAIL(SourceName(), IDS_ZRI019, m_recordCount + 1);
    PeekAfterRecord();
    return TRUE;
}

size_t CInternalTXTSource::ReadFieldBytes(DSField& field, bool& lineEnded, bool& strayEndMark)
{
    const size_t width = FieldLength(field);
    size_t read = 0;
    for (;;)
    {
        read += TakeValueBytes(field.value + read, width - read);
        const int c = PeekByte();
        if (c < 0 || c == kCtrlZ)
        {
            strayEndMark = c == kCtrlZ && !AtEndMark();
            m_allConsumed = !strayEndMark;
            lineEnded = true;
            return read;
        }
        if (c == '\r' || c == '\n')
        {
            ReadByte();
            if (PeekByte() == (c == '\r' ? '\n' : '\r'))
                ReadByte();
            lineEnded = true;
            return read;
        }
        if (read == width)
            return read;
    }
}

size_t CInternalTXTSource::TakeValueBytes(char* out, size_t count)
{
    const char* from = m_buffer + m_offset;
    const char* end = from + std::min(count, m_valid - m_offset);
    const size_t taken = static_cast<size_t>(FindFirstOf(from, end, '\r', '\n', kCtrlZ) - from);
    CopyBytes(out, from, taken);
    m_offset += taken;
    return taken;
}

bool CInternalTXTSource::CompleteShortField(DSField& field, size_t read)
{
    const size_t width = FieldLength(field);
    if (IsPcTextType(field.type))
    {
        FillBytes(field.value + read, ' ', width - read);
        return true;
    }
    if (!IsPcNumberType(field.type))
        return false;
    const std::string text(field.value, read);
    return FitNumber(text.data(), text.size(), static_cast<unsigned>(width), FieldDecimals(field), NumberPad::Zeros,
                     field.value);
}
