// One line of a delimited file (TAB, CSV, PRN) split into its values. A value is plain, or quoted in double quotes
// with every inner double quote doubled; the line ends with CR LF, with a CR at the end of the data, or with the
// end of the data or a Ctrl-Z.
#pragma once

#include "DataSource.h"
#include "FieldConvert.h"

#include <string>
#include <vector>

struct DelimitedValue
{
    size_t start;   // in DelimitedLine::text
    size_t length;
    bool quoted;
};

struct DelimitedLine
{
    std::string text;                   // the values' characters, quotes removed
    std::vector<DelimitedValue> values;
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
};

namespace delimited
{
constexpr int kEndMark = 0x1A;

inline bool IsLineEnd(int c)
{
    return c < 0 || c == kEndMark || c == '\r';
}

template <typename Peek, typename Read>
LineStatus FinishLine(Peek& peek, Read& read)
{
    if (peek() != '\r')
        return LineStatus::Complete;
    read();
    const int next = peek();
    if (next == '\n')
        read();
    else if (next >= 0 && next != kEndMark)
        return LineStatus::Malformed;
    return LineStatus::Complete;
}
}

// Reads one line through peek() and read(), which give the next byte or -1.
template <typename Peek, typename Read>
LineStatus ReadDelimitedLine(const DelimitedSyntax& syntax, Peek peek, Read read, DelimitedLine& line)
{
    using namespace delimited;
    line.text.clear();
    line.values.clear();
    const int first = peek();
    if (first < 0 || first == kEndMark)
        return LineStatus::NoData;
    for (;;)
    {
        if (syntax.skipBlanks)
        {
            while (peek() == ' ')
                read();
            if (!line.values.empty() && IsLineEnd(peek()))
                return FinishLine(peek, read);
        }
        DelimitedValue value{line.text.size(), 0, false};
        if (peek() == '"')
        {
            read();
            value.quoted = true;
            for (;;)
            {
                const int c = read();
                if (c < 0)
                    return LineStatus::Malformed;
                if (c == '"')
                {
                    if (peek() != '"')
                        break;
                    read();
                }
                line.text += static_cast<char>(c);
            }
            const int next = peek();
            if (next != syntax.separator && !IsLineEnd(next))
                return LineStatus::Malformed;
            value.length = line.text.size() - value.start;
            line.values.push_back(value);
            if (IsLineEnd(next))
                return FinishLine(peek, read);
            read();
            continue;
        }
        for (;;)
        {
            const int c = peek();
            if (c == syntax.separator || IsLineEnd(c))
                break;
            line.text += static_cast<char>(read());
        }
        value.length = line.text.size() - value.start;
        line.values.push_back(value);
        if (IsLineEnd(peek()))
            return FinishLine(peek, read);
        read();
    }
}

// The check of a file's first line against the field list: a line holds one value per field and quoted values
// stand only in text fields. A file without a line passes.
template <typename Peek, typename Read>
bool FirstLineFits(const DelimitedSyntax& syntax, Peek peek, Read read, const DSRecordLayout& layout)
{
    DelimitedLine line;
    const LineStatus status = ReadDelimitedLine(syntax, peek, read, line);
    if (status == LineStatus::NoData)
        return true;
    if (status != LineStatus::Complete || static_cast<int>(line.values.size()) != layout.count)
        return false;
    for (int i = 0; i < layout.count; ++i)
        if (line.values[i].quoted && !IsPcTextType(layout.fields[i].type))
            return false;
    return true;
}
