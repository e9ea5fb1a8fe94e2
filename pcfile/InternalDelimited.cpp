#include "InternalDelimited.h"

#include "ByteRuns.h"
#include "NumberText.h"
#include "PlainNumber.h"

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
    m_rules = std::vector<FieldRule>();
    m_number = std::string();
}

BOOL CInternalDelimitedSource::ReadFirstRecord()
{
    m_rules.clear();
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        ValueKind kind = ValueKind::None;
        if (IsPcTextType(field.type))
            kind = ValueKind::Text;
        else if (IsPcNumberType(field.type))
            kind = m_format.decimalComma && !m_decimalIsDot ? ValueKind::NumberWithComma : ValueKind::Number;
        m_rules.push_back({kind, FieldLength(field), FieldDecimals(field), field.value});
    }
    return CZRSInternalSource::ReadFirstRecord();
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
        if (!StoreValue(m_rules[i], m_line.values[i]))
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

bool CInternalDelimitedSource::StoreValue(const FieldRule& rule, const DelimitedValue& value)
{
    switch (rule.kind)
    {
    case ValueKind::Text:
        return StoreText(rule, value);
    case ValueKind::Number:
        return !value.quoted && StoreNumber(rule, value.text, value.length);
    case ValueKind::NumberWithComma:
        if (value.quoted)
            return false;
        m_number.assign(value.text, value.length);
        ReplaceFirst(m_number.data(), m_number.size(), ',', '.');
        return StoreNumber(rule, m_number.data(), m_number.size());
    default:
        return false;
    }
}

bool CInternalDelimitedSource::StoreText(const FieldRule& rule, const DelimitedValue& value) const
{
    size_t length = value.length;
    if (length > rule.width)
    {
        if (LengthWithoutTrailingBlanks(value.text, length) > rule.width)
            return false;
        length = rule.width;
    }
    const size_t fill = rule.width - length;
    char* at = rule.value;
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

bool CInternalDelimitedSource::StoreNumber(const FieldRule& rule, const char* text, size_t length) const
{
    return LayNumberAsWritten(text, length, rule.width, rule.decimals, rule.value) ||
           FitNumber(text, length, rule.width, rule.decimals, NumberPad::Blanks, rule.value);
}
