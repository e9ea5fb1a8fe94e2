#include "InternalDelimited.h"

#include "NumberText.h"

#include <algorithm>
#include <cstring>

const DelimitedFormat kTabFormat{"InternalTAB", {'\t', false}, true, true, false};
const DelimitedFormat kCsvFormat{"InternalCSV", {',', false}, false, true, false};
const DelimitedFormat kPrnFormat{"InternalPRN", {' ', true}, true, false, true};

void CInternalDelimitedTarget::InitMembers()
{
    CInternalTextTarget::InitMembers();
    m_separator = m_format.syntax.separator;
    m_quoteText = true;
    m_writesDecimalComma = m_format.decimalComma;
}

BOOL CInternalDelimitedTarget::CheckStructure()
{
    return FirstLineFits(
        m_format.syntax, [this] { return PeekByte(); }, [this] { return ReadByte(); }, m_layout);
}

void CInternalDelimitedSource::InitMembers()
{
    CZRSInternalSource::InitMembers();
    m_lineEnd = "\r\n";
    m_firstLine = m_format.headerLine;
}

void CInternalDelimitedSource::ReleaseExtra()
{
    m_line = DelimitedLine{};
}

LineStatus CInternalDelimitedSource::ReadLine()
{
    return ReadDelimitedLine(
        m_format.syntax, [this] { return PeekByte(); }, [this] { return ReadByte(); }, m_line);
}

BOOL CInternalDelimitedSource::CheckStructure()
{
    const bool fits = FirstLineFits(
        m_format.syntax, [this] { return PeekByte(); }, [this] { return ReadByte(); }, m_layout);
    m_offset = 0;
    return fits;
}

BOOL CInternalDelimitedSource::ParseRecord()
{
    LineStatus status = ReadLine();
    if (status == LineStatus::Complete && m_firstLine)
    {
        m_firstLine = false;
        if (IsHeaderLine())
        {
            MarkRecordStart();
            status = ReadLine();
        }
    }
    if (status == LineStatus::NoData)
    {
        m_allConsumed = TRUE;
        m_noRecordLeft = TRUE;
        return TRUE;
    }
    if (status == LineStatus::Malformed)
        return ZRI_FAIL(SourceName(), IDS_ZRI012, std::min<int>(m_line.values.size(), m_layout.count - 1));
    if (static_cast<int>(m_line.values.size()) != m_layout.count)
        return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
    for (int i = 0; i < m_layout.count; ++i)
        if (!StoreValue(m_layout.fields[i], m_line.values[i]))
            return ZRI_FAIL(SourceName(), IDS_ZRI012, i);
    PeekAfterRecord();
    return TRUE;
}

bool CInternalDelimitedSource::IsHeaderLine() const
{
    if (static_cast<int>(m_line.values.size()) != m_layout.count)
        return false;
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        const DelimitedValue& value = m_line.values[i];
        const char* text = m_line.text.data() + value.start;
        const size_t length = LengthWithoutTrailingBlanks(text, value.length);
        const size_t nameLength = LengthWithoutTrailingBlanks(field.name, strnlen(field.name, sizeof field.name));
        const bool named = length > 0 && length == nameLength && std::memcmp(text, field.name, length) == 0;
        const bool cutName = value.length == FieldLength(field) && value.length > 0 && value.length < nameLength &&
                             std::memcmp(text, field.name, value.length) == 0;
        if (!named && !cutName)
            return false;
    }
    return true;
}

bool CInternalDelimitedSource::StoreValue(DSField& field, const DelimitedValue& value)
{
    const size_t width = FieldLength(field);
    const char* text = m_line.text.data() + value.start;
    if (IsPcTextType(field.type))
    {
        size_t length = value.length;
        if (length > width)
        {
            if (LengthWithoutTrailingBlanks(text, length) > width)
                return false;
            length = width;
        }
        const size_t fill = width - length;
        char* at = field.value;
        if (m_format.rightAlignText)
        {
            std::memset(at, ' ', fill);
            at += fill;
        }
        else
            std::memset(at + length, ' ', fill);
        std::memcpy(at, text, length);
        return true;
    }
    if (value.quoted || !IsPcNumberType(field.type))
        return false;
    if (m_format.decimalComma && !m_decimalIsDot)
        ReplaceFirst(m_line.text.data() + value.start, value.length, ',', '.');
    return FitNumber(text, value.length, static_cast<unsigned>(width), FieldDecimals(field), NumberPad::Blanks,
                     field.value);
}
