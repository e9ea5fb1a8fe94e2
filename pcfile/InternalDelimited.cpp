#include "InternalDelimited.h"

#include "ByteRuns.h"
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
    m_number = std::string();
}

LineStatus CInternalDelimitedSource::ReadLine()
{
    bool dataEnds = false;
    for (;;)
    {
        const char* next = nullptr;
        const LineStatus status =
            ScanDelimitedLine(m_format.syntax, m_buffer + m_offset, m_buffer + m_valid, dataEnds, m_line, next);
        if (status == LineStatus::Complete)
            m_offset = static_cast<size_t>(next - m_buffer);
        if (status != LineStatus::Incomplete)
            return status;
        dataEnds = !Refill();
    }
}

BOOL CInternalDelimitedSource::CheckStructure()
{
    const bool fits = LineFits(ReadLine(), m_line, m_layout);
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
        const size_t length = LengthWithoutTrailingBlanks(value.text, value.length);
        const size_t nameLength = LengthWithoutTrailingBlanks(field.name, strnlen(field.name, sizeof field.name));
        const bool named = length > 0 && length == nameLength && std::memcmp(value.text, field.name, length) == 0;
        const bool cutName = value.length == FieldLength(field) && value.length > 0 && value.length < nameLength &&
                             std::memcmp(value.text, field.name, value.length) == 0;
        if (!named && !cutName)
            return false;
    }
    return true;
}

bool CInternalDelimitedSource::StoreValue(DSField& field, const DelimitedValue& value)
{
    const size_t width = FieldLength(field);
    if (IsPcTextType(field.type))
    {
        size_t length = value.length;
        if (length > width)
        {
            if (LengthWithoutTrailingBlanks(value.text, length) > width)
                return false;
            length = width;
        }
        const size_t fill = width - length;
        char* at = field.value;
        if (m_format.rightAlignText)
        {
            FillBytes(at, ' ', fill);
            at += fill;
        }
        else
            FillBytes(at + length, ' ', fill);
        CopyBytes(at, value.text, length);
        return true;
    }
    if (value.quoted || !IsPcNumberType(field.type))
        return false;
    const char* text = value.text;
    if (m_format.decimalComma && !m_decimalIsDot)
    {
        m_number.assign(value.text, value.length);
        ReplaceFirst(m_number.data(), m_number.size(), ',', '.');
        text = m_number.data();
    }
    return FitNumber(text, value.length, static_cast<unsigned>(width), FieldDecimals(field), NumberPad::Blanks,
                     field.value);
}
