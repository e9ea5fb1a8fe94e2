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

// The values of a record's line, each stored into its field as the line is split. Values beyond the fields and
// values after one that did not fit are only counted.
class CInternalDelimitedSource::FieldValues
{
public:
    explicit FieldValues(CInternalDelimitedSource& source)
        : m_source(source), m_rules(source.m_rules.data()), m_fields(source.m_rules.size()), m_taken(0), m_refused(-1)
    {
    }

    void Clear()
    {
        m_taken = 0;
        m_refused = -1;
    }
    bool HasValues() const { return m_taken > 0; }
    [[gnu::always_inline]] void Take(const char* text, size_t length, bool quoted)
    {
        if (m_taken < m_fields && m_refused < 0 && !m_source.StoreValue(m_rules[m_taken], text, length, quoted))
            m_refused = static_cast<int>(m_taken);
        ++m_taken;
    }

    size_t Taken() const { return m_taken; }
    int Refused() const { return m_refused; }

private:
    CInternalDelimitedSource& m_source;
    const FieldRule* const m_rules;
    const size_t m_fields;
    size_t m_taken;
    int m_refused;
};

template <typename Values>
LineStatus CInternalDelimitedSource::ReadLine(Values& values)
{
    bool dataEnds = false;
    for (;;)
    {
        const char* next = nullptr;
        const LineStatus status = ScanDelimitedValues(m_format.syntax, m_buffer + m_offset, m_buffer + m_valid,
                                                      dataEnds, m_line.unquoted, values, next);
        if (status == LineStatus::Complete)
            m_offset = static_cast<size_t>(next - m_buffer);
        if (status != LineStatus::Incomplete)
            return status;
        dataEnds = !Refill();
    }
}

BOOL CInternalDelimitedSource::CheckStructure()
{
    delimited::LineValues values(m_line.values);
    const bool fits = LineFits(ReadLine(values), m_line, m_layout);
    m_offset = 0;
    return fits;
}

BOOL CInternalDelimitedSource::ParseRecord()
{
    if (m_firstLine)
        PassHeaderLine();
    FieldValues values(*this);
    const LineStatus status = ReadLine(values);
    return RecordRead(status, values.Taken(), values.Refused());
}

void CInternalDelimitedSource::PassHeaderLine()
{
    delimited::LineValues values(m_line.values);
    if (ReadLine(values) != LineStatus::Complete)
        return;
    m_firstLine = false;
    if (IsHeaderLine())
        MarkRecordStart();
    else
        m_offset = m_recordStart;
}

BOOL CInternalDelimitedSource::RecordRead(LineStatus status, size_t taken, int refused)
{
    if (status == LineStatus::NoData)
    {
        if (PeekByte() == kCtrlZ && !AtEndMark())
            return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
        m_allConsumed = true;
        m_noRecordLeft = true;
        return TRUE;
    }
    if (status == LineStatus::Malformed)
        return ZRI_FAIL(SourceName(), IDS_ZRI012, std::min<int>(taken, m_layout.count - 1));
    if (static_cast<int>(taken) != m_layout.count)
        return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
    if (refused >= 0)
        return ZRI_FAIL(SourceName(), IDS_ZRI012, refused);
    // A Ctrl-Z right after the values belongs to this record's line; one that starts the next line, to the next.
    const bool lineEndRead = m_offset > 0 && (m_buffer[m_offset - 1] == '\n' || m_buffer[m_offset - 1] == '\r');
    if (IsStrayEndMark(PeekAfterRecord()) && !lineEndRead)
        return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
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

inline bool CInternalDelimitedSource::StoreValue(const FieldRule& rule, const char* text, size_t length, bool quoted)
{
    switch (rule.kind)
    {
    case ValueKind::Text:
        return StoreText(rule, text, length);
    case ValueKind::Number:
        return !quoted && StoreNumber(rule, text, length);
    case ValueKind::NumberWithComma:
        return !quoted && StoreNumberWithComma(rule, text, length);
    default:
        return false;
    }
}

bool CInternalDelimitedSource::StoreNumberWithComma(const FieldRule& rule, const char* text, size_t length)
{
    m_number.assign(text, length);
    ReplaceFirst(m_number.data(), m_number.size(), ',', '.');
    return StoreNumber(rule, m_number.data(), m_number.size());
}

inline bool CInternalDelimitedSource::StoreText(const FieldRule& rule, const char* text, size_t length) const
{
    if (length > rule.width)
    {
        if (LengthWithoutTrailingBlanks(text, length) > rule.width)
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
    CopyBytes(at, text, length);
    return true;
}

inline bool CInternalDelimitedSource::StoreNumber(const FieldRule& rule, const char* text, size_t length) const
{
    return LayCommonNumber(text, length, rule.width, rule.decimals, rule.value) || StoreOtherNumber(rule, text, length);
}

bool CInternalDelimitedSource::StoreOtherNumber(const FieldRule& rule, const char* text, size_t length) const
{
    return LayAnyNumberAsWritten(text, length, rule.width, rule.decimals, rule.value) ||
           FitNumber(text, length, rule.width, rule.decimals, NumberPad::Blanks, rule.value);
}
