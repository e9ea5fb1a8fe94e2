// One line of a delimited file (TAB, CSV, PRN) split into its values. A value is plain, or quoted in double quotes
// with every inner double quote doubled; the line ends with CR LF, with a CR at the end of the data, or with the
// end of the data or a Ctrl-Z.
#pragma once

#include "ByteCopy.h"
#include "ByteRuns.h"
#include "DataSource.h"
#include "FieldConvert.h"

#include <algorithm>
#include <string>
#include <vector>

struct DelimitedValue
{
    const char* text;  // in the scanned bytes, or in DelimitedLine::unquoted
    size_t length;
    bool quoted;
};

struct DelimitedLine
{
    std::vector<DelimitedValue> values;
    // Room for the quoted values that held doubled quotes, each with its quotes made single again.
    std::vector<char> unquoted;
};

struct DelimitedSyntax
{
    char separator;
    bool skipBlanks;  // blanks before a value are passed over (PRN)
};

enum class LineStatus
{
    Complete,
    NoData,      // nothing is left but a Ctrl-Z
    Malformed,   // a quote not closed, a closing quote not followed by a separator or the line end, a CR alone
    Incomplete,  // the bytes scanned end within the line, and more bytes may follow them
};

namespace delimited
{
constexpr char kEndMark = 0x1A;

// Splits one line held in memory and hands its values in order to `Values`, which offers Clear(), HasValues() and
// Take(text, length, quoted). The bytes are looked at eight at a time as one word; the plain values within a word
// are all taken from it, loaded once. The end of the bytes held reads as the end of the data, and when more
// bytes may follow, any line that looked there is Incomplete.
template <typename Values>
class LineScanner
{
public:
    LineScanner(const DelimitedSyntax& syntax, const char* end, bool dataEnds, std::vector<char>& unquoted,
                Values& values)
        : m_syntax(syntax), m_end(end), m_dataEnds(dataEnds), m_group{}, m_status(LineStatus::Complete),
          m_unquoted(unquoted), m_unquotedEnd(nullptr), m_values(values)
    {
    }

    LineStatus Scan(const char* at, const char*& next)
    {
        m_values.Clear();
        if (at == m_end && !m_dataEnds)
            return LineStatus::Incomplete;
        if (at == m_end || *at == kEndMark)
        {
            next = at;
            return LineStatus::NoData;
        }
        LoadGroup(at);
        return ScanValues(at, next);
    }

private:
    // The end marks (see EndMarks) of eight bytes of the line from `start` on, worked out once for all the values
    // that meet in them; beyond the end of the bytes held the bytes read as zeros, which are marked.
    struct Group
    {
        const char* start;
        uint64_t marks;
    };

    void LoadGroup(const char* from)
    {
        const size_t held = static_cast<size_t>(m_end - from);
        m_group.start = from;
        m_group.marks = EndMarks(held >= kWordSize ? LoadWord(from) : LoadShortWord(from, held));
    }

    // Marks of the bytes that may end a plain value: the separator and every control character; of these only
    // the separator, CR and Ctrl-Z do.
    uint64_t EndMarks(uint64_t word) const
    {
        constexpr unsigned char kBlank = ' ';
        return BytesEqualTo(word, m_syntax.separator) | BytesBelow(word, kBlank);
    }

    bool EndsValue(char c) const { return c == m_syntax.separator || c == '\r' || c == kEndMark; }

    // The first byte at or after `at` that EndMarks marks, or the end of the bytes held. `at` never lies before the
    // current group.
    const char* NextEndMark(const char* at)
    {
        if (at - m_group.start >= static_cast<ptrdiff_t>(kWordSize))
            LoadGroup(at);
        for (;;)
        {
            const uint64_t found = m_group.marks & (~uint64_t{0} << (8 * (at - m_group.start)));
            if (found)
                return std::min(m_group.start + FirstMarkedByte(found), m_end);
            if (m_end - m_group.start <= static_cast<ptrdiff_t>(kWordSize))
                return m_end;
            LoadGroup(m_group.start + kWordSize);
            at = m_group.start;
        }
    }

    // A plain value runs up to the separator or the line end; the byte found is returned.
    const char* PlainValueEnd(const char* at)
    {
        at = NextEndMark(at);
        while (at != m_end && !EndsValue(*at))
            at = NextEndMark(at + 1);
        return at;
    }

    bool AtLineEnd(const char* at) const { return at == m_end || *at == '\r' || *at == kEndMark; }

    LineStatus ScanValues(const char* at, const char*& next)
    {
        for (;;)
        {
            if (m_syntax.skipBlanks)
            {
                at = SkipByte(at, m_end, ' ');
                if (at == m_end && !m_dataEnds)
                    return LineStatus::Incomplete;
                if (m_values.HasValues() && AtLineEnd(at))
                    return FinishLine(at, next);
            }
            if (at != m_end && *at == '"')
            {
                at = ScanQuoted(at);
                if (!at)
                    return m_status;
            }
            else
            {
                const char* start = at;
                at = PlainValueEnd(at);
                m_values.Take(start, static_cast<size_t>(at - start), false);
            }
            if (at == m_end)
            {
                next = at;
                return m_dataEnds ? LineStatus::Complete : LineStatus::Incomplete;
            }
            if (*at != m_syntax.separator)
                return FinishLine(at, next);
            ++at;
        }
    }

    // A quoted value from its opening quote to after its closing quote, which the separator or the line end must
    // follow; its text is taken without the quotes. Gives the byte after the closing quote, or null with m_status
    // set when the line is Malformed or Incomplete.
    const char* ScanQuoted(const char* at)
    {
        const char* piece = ++at;
        char* unquoted = nullptr;  // the value with single quotes, once a doubled one was met
        char* out = nullptr;
        for (;;)
        {
            at = FindByte(at, m_end, '"');
            if (at == m_end)
                return Stop(m_dataEnds ? LineStatus::Malformed : LineStatus::Incomplete);
            ++at;
            if (at == m_end && !m_dataEnds)
                return Stop(LineStatus::Incomplete);
            if (at == m_end || *at != '"')
                break;
            if (!unquoted)
                out = unquoted = UnquotedRoom(piece);
            CopyBytes(out, piece, static_cast<size_t>(at - piece));
            out += at - piece;
            piece = ++at;
        }
        if (!AtLineEnd(at) && *at != m_syntax.separator)
            return Stop(LineStatus::Malformed);
        const char* closing = at - 1;
        if (!unquoted)
        {
            m_values.Take(piece, static_cast<size_t>(closing - piece), true);
            return at;
        }
        CopyBytes(out, piece, static_cast<size_t>(closing - piece));
        out += closing - piece;
        m_unquotedEnd = out;
        m_values.Take(unquoted, static_cast<size_t>(out - unquoted), true);
        return at;
    }

    const char* Stop(LineStatus status)
    {
        m_status = status;
        return nullptr;
    }

    // Where the next unquoted value goes. The line's unquoted values come from the bytes held after `from`, so
    // that much room, made at the line's first such value, holds all of them.
    char* UnquotedRoom(const char* from)
    {
        if (!m_unquotedEnd)
        {
            const size_t room = static_cast<size_t>(m_end - from);
            if (m_unquoted.size() < room)
                m_unquoted.resize(room);
            m_unquotedEnd = m_unquoted.data();
        }
        return m_unquotedEnd;
    }

    // After the last value, at the line end: a CR is consumed with the LF after it; a CR followed by any other byte
    // is Malformed.
    LineStatus FinishLine(const char* at, const char*& next)
    {
        if (at != m_end && *at == '\r')
        {
            ++at;
            if (at == m_end && !m_dataEnds)
                return LineStatus::Incomplete;
            if (at != m_end && *at == '\n')
                ++at;
            else if (at != m_end && *at != kEndMark)
                return LineStatus::Malformed;
        }
        next = at;
        return LineStatus::Complete;
    }

    const DelimitedSyntax m_syntax;
    const char* const m_end;
    const bool m_dataEnds;
    Group m_group;
    LineStatus m_status;  // why ScanQuoted stopped the line
    std::vector<char>& m_unquoted;
    char* m_unquotedEnd;  // after the line's unquoted values; null before the first
    Values& m_values;
};

// The values of a line kept as DelimitedValue records.
class LineValues
{
public:
    explicit LineValues(std::vector<DelimitedValue>& values) : m_values(values) {}

    void Clear() { m_values.clear(); }
    bool HasValues() const { return !m_values.empty(); }
    void Take(const char* text, size_t length, bool quoted) { m_values.emplace_back(text, length, quoted); }

private:
    std::vector<DelimitedValue>& m_values;
};
}

// Splits the line at the start of [begin, end), handing its values to `values` as LineScanner describes.
// `dataEnds` tells that no byte follows `end`; otherwise a line that runs on to `end` gives Incomplete, to be
// scanned again with more bytes. A Complete or NoData line sets `next` to the byte after its line end (after the
// line's last value when it ends at the end of the data or at a Ctrl-Z). Quoted values that held doubled quotes
// are made single again in `unquoted`.
template <typename Values>
LineStatus ScanDelimitedValues(const DelimitedSyntax& syntax, const char* begin, const char* end, bool dataEnds,
                               std::vector<char>& unquoted, Values& values, const char*& next)
{
    return delimited::LineScanner<Values>(syntax, end, dataEnds, unquoted, values).Scan(begin, next);
}

// ScanDelimitedValues into the line's DelimitedValue records.
inline LineStatus ScanDelimitedLine(const DelimitedSyntax& syntax, const char* begin, const char* end, bool dataEnds,
                                    DelimitedLine& line, const char*& next)
{
    delimited::LineValues values(line.values);
    return ScanDelimitedValues(syntax, begin, end, dataEnds, line.unquoted, values, next);
}

// The check of a file's first line against the field list: a line holds one value per field and quoted values
// stand only in text fields. A file without a line passes.
inline bool LineFits(LineStatus status, const DelimitedLine& line, const DSRecordLayout& layout)
{
    if (status == LineStatus::NoData)
        return true;
    if (status != LineStatus::Complete || static_cast<int>(line.values.size()) != layout.count)
        return false;
    for (int i = 0; i < layout.count; ++i)
        if (line.values[i].quoted && !IsPcTextType(layout.fields[i].type))
            return false;
    return true;
}

// The check of the first line read through peek() and read(), which give the next byte or -1. Bytes are gathered
// in growing portions until the line is whole, so that more than the line may be read.
template <typename Peek, typename Read>
bool FirstLineFits(const DelimitedSyntax& syntax, Peek peek, Read read, const DSRecordLayout& layout)
{
    constexpr size_t kFirstPortion = 256;
    std::string bytes;
    DelimitedLine line;
    const char* next = nullptr;
    for (size_t portion = kFirstPortion;; portion *= 2)
    {
        while (bytes.size() < portion && peek() >= 0)
            bytes += static_cast<char>(read());
        const bool dataEnds = bytes.size() < portion;
        const LineStatus status = ScanDelimitedLine(syntax, bytes.data(), bytes.data() + bytes.size(), dataEnds, line,
                                                    next);
        if (status != LineStatus::Incomplete)
            return LineFits(status, line, layout);
    }
}
