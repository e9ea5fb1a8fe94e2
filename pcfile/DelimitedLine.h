// One line of a delimited file (TAB, CSV, PRN) split into its values. A value is plain, or quoted in double quotes
// with every inner double quote doubled; the line ends with CR LF, with a CR at the end of the data, or with the
// end of the data or a Ctrl-Z.
#pragma once

#include "ByteCopy.h"
#include "ByteRuns.h"
#include "DataSource.h"
#include "FieldConvert.h"

#include <string>
#include <vector>

struct DelimitedValue
{
    const char* text;   // in the scanned bytes, or in DelimitedLine::unquoted
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
    bool skipBlanks;    // blanks before a value are passed over (PRN)
};

enum class LineStatus
{
    Complete,
    NoData,     // nothing is left but a Ctrl-Z
    Malformed,  // a quote not closed, a closing quote not followed by a separator or the line end, a CR alone
    Incomplete, // the bytes scanned end within the line, and more bytes may follow them
};

namespace delimited
{
constexpr char kEndMark = 0x1A;

inline bool IsLineEnd(int c)
{
    return c < 0 || c == kEndMark || c == '\r';
}

// Splits one line held in memory. Bytes are looked at one value at a time; the end of the bytes held reads as the
// end of the data, and when more bytes may follow, any line that looked there is Incomplete.
class LineScanner
{
public:
    LineScanner(const DelimitedSyntax& syntax, const char* end, bool dataEnds, DelimitedLine& line)
        : m_syntax(syntax), m_end(end), m_dataEnds(dataEnds), m_ranOut(false), m_unquotedEnd(nullptr),
          m_line(line)
    {
    }

    LineStatus Scan(const char* at, const char*& next)
    {
        m_line.values.clear();
        LineStatus status = LineStatus::NoData;
        const int first = ByteAt(at);
        if (first >= 0 && first != kEndMark)
            status = ScanValues(at);
        if (m_ranOut)
            return LineStatus::Incomplete;
        next = at;
        return status;
    }

private:
    // The byte at `at`, or -1 at the end of the bytes held.
    int ByteAt(const char* at)
    {
        if (at < m_end)
            return static_cast<unsigned char>(*at);
        m_ranOut = !m_dataEnds;
        return -1;
    }

    LineStatus ScanValues(const char*& at)
    {
        for (;;)
        {
            if (m_syntax.skipBlanks)
            {
                while (ByteAt(at) == ' ')
                    ++at;
                if (!m_line.values.empty() && IsLineEnd(ByteAt(at)))
                    return FinishLine(at);
            }
            if (ByteAt(at) == '"')
            {
                const char* text = nullptr;
                size_t length = 0;
                if (!ScanQuoted(at, text, length))
                    return LineStatus::Malformed;
                const int next = ByteAt(at);
                if (next != m_syntax.separator && !IsLineEnd(next))
                    return LineStatus::Malformed;
                m_line.values.emplace_back(text, length, true);
            }
            else
                ScanPlain(at);
            if (IsLineEnd(ByteAt(at)))
                return FinishLine(at);
            ++at;
        }
    }

    // A plain value runs up to the separator or the line end.
    void ScanPlain(const char*& at)
    {
        const char* start = at;
        at = FindFirstOf(at, m_end, m_syntax.separator, '\r', kEndMark);
        m_line.values.emplace_back(start, static_cast<size_t>(at - start), false);
    }

    // A quoted value from its opening quote to after its closing quote, its text without the quotes; false when the
    // data ends before that.
    bool ScanQuoted(const char*& at, const char*& text, size_t& length)
    {
        const char* piece = ++at;
        char* unquoted = nullptr;   // the value with single quotes, once a doubled one was met
        char* out = nullptr;
        for (;;)
        {
            at = FindByte(at, m_end, '"');
            if (ByteAt(at) < 0)
                return false;
            ++at;
            if (ByteAt(at) != '"')
                break;
            if (!unquoted)
                out = unquoted = UnquotedRoom(piece);
            CopyBytes(out, piece, static_cast<size_t>(at - piece));
            out += at - piece;
            piece = ++at;
        }
        const char* closing = at - 1;
        if (!unquoted)
        {
            text = piece;
            length = static_cast<size_t>(closing - piece);
            return true;
        }
        CopyBytes(out, piece, static_cast<size_t>(closing - piece));
        out += closing - piece;
        m_unquotedEnd = out;
        text = unquoted;
        length = static_cast<size_t>(out - unquoted);
        return true;
    }

    // Where the next unquoted value goes. The line's unquoted values come from the bytes held after `from`, so
    // that much room, made at the line's first such value, holds all of them.
    char* UnquotedRoom(const char* from)
    {
        if (!m_unquotedEnd)
        {
            const size_t room = static_cast<size_t>(m_end - from);
            if (m_line.unquoted.size() < room)
                m_line.unquoted.resize(room);
            m_unquotedEnd = m_line.unquoted.data();
        }
        return m_unquotedEnd;
    }

    // After the last value: a CR is consumed with the LF after it; a CR followed by any other byte is Malformed.
    LineStatus FinishLine(const char*& at)
    {
        if (ByteAt(at) != '\r')
            return LineStatus::Complete;
        const int next = ByteAt(++at);
        if (next == '\n')
            ++at;
        else if (next >= 0 && next != kEndMark)
            return LineStatus::Malformed;
        return LineStatus::Complete;
    }

    const DelimitedSyntax m_syntax;
    const char* const m_end;
    const bool m_dataEnds;
    bool m_ranOut;
    char* m_unquotedEnd;    // after the line's unquoted values; null before the first
    DelimitedLine& m_line;
};
}

// Splits the line at the start of [begin, end). `dataEnds` tells that no byte follows `end`; otherwise a line that
// runs on to `end` gives Incomplete, to be scanned again with more bytes. A Complete line sets `next` to the byte
// after its line end (after the line's last value when it ends at the end of the data or at a Ctrl-Z).
inline LineStatus ScanDelimitedLine(const DelimitedSyntax& syntax, const char* begin, const char* end, bool dataEnds,
                                    DelimitedLine& line, const char*& next)
{
    return delimited::LineScanner(syntax, end, dataEnds, line).Scan(begin, next);
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
        const LineStatus status =
            ScanDelimitedLine(syntax, bytes.data(), bytes.data() + bytes.size(), dataEnds, line, next);
        if (status != LineStatus::Incomplete)
            return LineFits(status, line, layout);
    }
}
