// Reading DIF files line by line: the header up to the first tuple, and the tuples, one per record. Every line ends
// with a CR (an LF after it is passed over); lines are compared without regard to case. The record count stands in
// the VECTORS entry of the header and the field count in the TUPLES entry.
#pragma once

#include "AsciiText.h"
#include "DataSource.h"
#include "FieldConvert.h"
#include "NumberText.h"

#include <algorithm>
#include <cstring>
#include <string>

// Where a count of the header stands: the characters after the comma of the line that follows VECTORS or TUPLES.
struct DifCountField
{
    long long offset = -1;  // -1: the header has no such entry
    size_t width = 0;
    long long value = 0;
};

struct DifHeader
{
    DifCountField records;  // VECTORS
    DifCountField fields;   // TUPLES
};

enum class DifStep
{
    Tuple,  // a tuple follows
    End,    // the data ended (EOD)
    Bad,    // the file does not fit
};

// Input: int Peek() and int Read() give the next byte or -1, long long Position() the file offset of the next
// byte, void Keep() marks the next byte as the first that must stay in the buffer.
template <typename Input>
class DifReader
{
public:
    explicit DifReader(Input input) : m_input(input) {}

    // From the file's first line to the first tuple. A file titled "EXCEL" has the field names in its first
    // tuple, which is passed over as header.
    DifStep ReadHeader(DifHeader& header)
    {
        if (!ReadLine() || !Is("TABLE") || !ReadLine() || !Is("0,1"))
            return DifStep::Bad;
        bool excel = false;
        for (;;)
        {
            if (!ReadLine())
                return DifStep::Bad;
            if (Is("-1,0"))
            {
                if (!ReadLine() || !(Is("BOT") || Is("EOD")))
                    return DifStep::Bad;
                if (excel && Is("BOT"))
                {
                    excel = false;
                    continue;
                }
                return Is("BOT") ? DifStep::Tuple : DifStep::End;
            }
            if (Is("VECTORS") || Is("TUPLES"))
            {
                DifCountField& count = Is("VECTORS") ? header.records : header.fields;
                if (!ReadLine() || !ReadCount(count))
                    return DifStep::Bad;
            }
            else if (Is("\"EXCEL\""))
                excel = true;
        }
    }

    // One tuple: a value of the field's kind for every field of the layout, then "-1,0" and "BOT" (another tuple
    // follows) or "EOD". With store set, the values are laid into the fields. On Bad, badField is the field at
    // which the tuple failed.
    DifStep ReadTuple(const DSRecordLayout& layout, bool store, int& badField)
    {
        int values = 0;
        for (;;)
        {
            badField = values < layout.count ? values : layout.count - 1;
            if (!ReadLine())
                return DifStep::Bad;
            if (Is("-1,0"))
            {
                if (!ReadLine() || !(Is("BOT") || Is("EOD")) || values != layout.count)
                    return DifStep::Bad;
                return Is("BOT") ? DifStep::Tuple : DifStep::End;
            }
            if (values == layout.count)
                return DifStep::Bad;
            DSField& field = layout.fields[values];
            if (Is("1,0"))
            {
                if (!ReadLine() || !IsPcTextType(field.type) || !StoreText(field, store))
                    return DifStep::Bad;
            }
            else if (m_line.size() >= 2 && m_line[0] == '0' && m_line[1] == ',')
            {
                const std::string number = m_line.substr(2);
                if (!ReadLine() || !Is("V") || !IsPcNumberType(field.type) ||
                    !FitNumber(number.data(), number.size(), FieldLength(field), FieldDecimals(field),
                               NumberPad::Blanks, store ? field.value : Scratch(field)))
                    return DifStep::Bad;
            }
            else
                return DifStep::Bad;
            ++values;
        }
    }

private:
    bool ReadLine()
    {
        m_input.Keep();
        m_lineStart = m_input.Position();
        m_line.clear();
        for (;;)
        {
            const int c = m_input.Read();
            if (c < 0)
                return !m_line.empty();
            if (c == kCtrlZ)
                return false;
            if (c == '\r')
            {
                if (m_input.Peek() == '\n')
                    m_input.Read();
                return true;
            }
            m_line += static_cast<char>(c);
        }
    }

    bool Is(const char* word) const { return EqualsNoCase(m_line, word); }

    bool ReadCount(DifCountField& count)
    {
        const size_t comma = m_line.find(',');
        if (comma == std::string::npos)
            return false;
        count.offset = m_lineStart + static_cast<long long>(comma) + 1;
        count.width = m_line.size() - comma - 1;
        count.value = 0;
        for (size_t i = comma + 1; i < m_line.size(); ++i)
            if (m_line[i] >= '0' && m_line[i] <= '9' && count.value < kMostCount)
                count.value = count.value * 10 + (m_line[i] - '0');
            else if (m_line[i] != ' ')
                return false;
        return true;
    }

    // A quoted text with its inner double quotes doubled, laid left-aligned into the field.
    bool StoreText(DSField& field, bool store)
    {
        if (m_line.size() < 2 || m_line.front() != '"' || m_line.back() != '"')
            return false;
        std::string text;
        for (size_t i = 1; i + 1 < m_line.size(); ++i)
        {
            if (m_line[i] == '"' && (i + 2 >= m_line.size() || m_line[++i] != '"'))
                return false;
            text += m_line[i];
        }
        const size_t length = FieldLength(field);
        if (text.size() > length && LengthWithoutTrailingBlanks(text.data(), text.size()) > length)
            return false;
        if (store)
        {
            const size_t copied = std::min(text.size(), length);
            std::memcpy(field.value, text.data(), copied);
            std::memset(field.value + copied, ' ', length - copied);
        }
        return true;
    }

    char* Scratch(const DSField& field)
    {
        m_scratch.resize(FieldLength(field));
        return m_scratch.data();
    }

    static constexpr long long kMostCount = 1LL << 40;
    static constexpr int kCtrlZ = 0x1A;

    Input m_input;
    std::string m_line;
    long long m_lineStart = 0;
    std::string m_scratch;
};
