// The text readers split lines where they stand in the file buffer, eight bytes at a time: the split against a plain
// byte-by-byte reading of the same grammar at every length, alignment and cut of the bytes held, and whole files
// whose lines run across the buffer's refills or end at the file end around the buffer's size.
#include "PcFileTestSupport.h"

#include "DelimitedLine.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace
{
using Records = std::vector<std::vector<std::string>>;

const DelimitedSyntax kSyntaxes[] = {{',', false}, {'\t', false}, {' ', true}};

struct SplitLine
{
    LineStatus status = LineStatus::NoData;
    std::vector<std::string> values;
    std::vector<bool> quoted;
    size_t used = 0;      // bytes of the line, its line end included
    size_t lookedAt = 0;  // one past the last byte looked at (the size itself for the end of the data)
};

// The grammar read one byte at a time: the end of the text is the end of the data.
class ByteReading
{
public:
    ByteReading(const DelimitedSyntax& syntax, const std::string& text) : m_syntax(syntax), m_text(text) {}

    SplitLine Read()
    {
        const int first = Peek();
        if (first >= 0 && first != 0x1A)
            m_line.status = Values();
        m_line.used = m_at;
        return m_line;
    }

private:
    int Peek()
    {
        m_line.lookedAt = std::max(m_line.lookedAt, std::min(m_at, m_text.size()) + 1);
        return m_at < m_text.size() ? static_cast<unsigned char>(m_text[m_at]) : -1;
    }
    int Take()
    {
        const int c = Peek();
        ++m_at;
        return c;
    }
    static bool LineEnd(int c) { return c < 0 || c == 0x1A || c == '\r'; }

    LineStatus Values()
    {
        for (;;)
        {
            if (m_syntax.skipBlanks)
            {
                while (Peek() == ' ')
                    Take();
                if (!m_line.values.empty() && LineEnd(Peek()))
                    return Finish();
            }
            std::string value;
            const bool quoted = Peek() == '"';
            if (quoted)
            {
                Take();
                for (int c = Take();; c = Take())
                {
                    if (c < 0)
                        return LineStatus::Malformed;
                    if (c == '"' && Peek() != '"')
                        break;
                    if (c == '"')
                        Take();
                    value += static_cast<char>(c);
                }
                if (Peek() != m_syntax.separator && !LineEnd(Peek()))
                    return LineStatus::Malformed;
            }
            else
                while (Peek() != m_syntax.separator && !LineEnd(Peek()))
                    value += static_cast<char>(Take());
            m_line.values.push_back(value);
            m_line.quoted.push_back(quoted);
            if (LineEnd(Peek()))
                return Finish();
            Take();
        }
    }

    LineStatus Finish()
    {
        if (Peek() != '\r')
            return LineStatus::Complete;
        Take();
        const int next = Peek();
        if (next == '\n')
            Take();
        else if (next >= 0 && next != 0x1A)
            return LineStatus::Malformed;
        return LineStatus::Complete;
    }

    const DelimitedSyntax& m_syntax;
    const std::string& m_text;
    size_t m_at = 0;
    SplitLine m_line;
};

// The text scanned from `offset` bytes into a buffer, so that its bytes fall on every place within a word.
SplitLine Scanned(const DelimitedSyntax& syntax, const std::string& text, size_t offset, size_t held, bool dataEnds)
{
    std::string buffer(offset, '#');
    buffer += text;
    DelimitedLine line;
    const char* begin = buffer.data() + offset;
    const char* next = nullptr;
    SplitLine read;
    read.status = ScanDelimitedLine(syntax, begin, begin + held, dataEnds, line, next);
    for (const DelimitedValue& value : line.values)
    {
        read.values.emplace_back(value.text, value.length);
        read.quoted.push_back(value.quoted);
    }
    if (read.status == LineStatus::Complete || read.status == LineStatus::NoData)
        read.used = static_cast<size_t>(next - begin);
    return read;
}

std::string RandomLine(std::mt19937& random, char separator)
{
    const char bytes[] = {'a', 'b', 'a', 'b', ' ', '"', '"', '\r', '\n', 0x1A, separator, separator};
    std::string text;
    const size_t length = random() % 40;
    for (size_t i = 0; i < length; ++i)
        text += bytes[random() % sizeof bytes];
    return text;
}

std::string Padded(const std::string& value, size_t width, bool right)
{
    const std::string fill(width - value.size(), ' ');
    return right ? fill + value : value + fill;
}

class InPlaceReading : public PcFileFormatTest
{
protected:
    // A line of the format holding the text (quoted unless TXT) and, for the delimited formats, a number.
    static std::string Line(int type, const std::string& text, const std::string& number)
    {
        if (type == PCFT_TXT)
            return text;
        std::string quoted = "\"";
        for (char c : text)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        const char separator = type == PCFT_CSV ? ',' : type == PCFT_TAB ? '\t' : ' ';
        return quoted + "\"" + separator + number;
    }
};
}

TEST(DelimitedLineScan, AgreesWithAByteByByteReadingAtEveryAlignmentAndCut)
{
    std::mt19937 random(7301);
    for (const DelimitedSyntax& syntax : kSyntaxes)
        for (int run = 0; run < 600; ++run)
        {
            const std::string text = RandomLine(random, syntax.separator);
            const SplitLine whole = ByteReading(syntax, text).Read();
            for (size_t offset = 0; offset < 8; ++offset)
            {
                const SplitLine scanned = Scanned(syntax, text, offset, text.size(), true);
                ASSERT_EQ(scanned.status, whole.status) << Escaped(text);
                if (whole.status == LineStatus::Malformed)
                    continue;
                EXPECT_EQ(scanned.values, whole.values) << Escaped(text);
                EXPECT_EQ(scanned.quoted, whole.quoted) << Escaped(text);
                EXPECT_EQ(scanned.used, whole.used) << Escaped(text);
            }
            // Bytes held up to a cut, more to come: the line is whole only when nothing beyond the cut was needed.
            for (size_t cut = 0; cut <= text.size(); ++cut)
            {
                const SplitLine scanned = Scanned(syntax, text, cut % 8, cut, false);
                if (whole.lookedAt > cut)
                {
                    ASSERT_EQ(scanned.status, LineStatus::Incomplete) << Escaped(text) << " cut " << cut;
                }
                else
                {
                    ASSERT_EQ(scanned.status, whole.status) << Escaped(text) << " cut " << cut;
                    if (whole.status != LineStatus::Malformed)
                    {
                        EXPECT_EQ(scanned.values, whole.values) << Escaped(text) << " cut " << cut;
                    }
                }
            }
        }
}

TEST(DelimitedLineScan, PassesOverControlCharactersThatEndNoValue)
{
    // Values holding control characters other than CR and Ctrl-Z, and bytes that differ from the separator, CR or
    // Ctrl-Z in one bit or by one, at every place of a word and with every cut of the bytes held.
    std::mt19937 random(9137);
    for (const DelimitedSyntax& syntax : kSyntaxes)
    {
        const char bytes[] = {'a',    '\0',   '\t',   '\n',   '\x0C',           '\x0E',          '\x19',
                              '\x1B', '\x1F', '\x7F', '\x80', '\x8D',           '\x9A',          '\xA0',
                              '\xFF', '"',    '\r',   0x1A,   syntax.separator, syntax.separator};
        for (int run = 0; run < 400; ++run)
        {
            std::string text;
            const size_t length = random() % 30;
            for (size_t i = 0; i < length; ++i)
                text += random() % 3 ? 'a' : bytes[random() % sizeof bytes];
            const SplitLine whole = ByteReading(syntax, text).Read();
            for (size_t offset = 0; offset < 8; ++offset)
            {
                const SplitLine scanned = Scanned(syntax, text, offset, text.size(), true);
                ASSERT_EQ(scanned.status, whole.status) << Escaped(text);
                EXPECT_EQ(scanned.values, whole.values) << Escaped(text);
                if (whole.status != LineStatus::Malformed)
                {
                    EXPECT_EQ(scanned.used, whole.used) << Escaped(text);
                }
            }
            for (size_t cut = 0; cut <= text.size(); ++cut)
            {
                const SplitLine scanned = Scanned(syntax, text, cut % 8, cut, false);
                if (whole.lookedAt > cut)
                {
                    ASSERT_EQ(scanned.status, LineStatus::Incomplete) << Escaped(text) << " cut " << cut;
                    continue;
                }
                ASSERT_EQ(scanned.status, whole.status) << Escaped(text) << " cut " << cut;
                EXPECT_EQ(scanned.values, whole.values) << Escaped(text) << " cut " << cut;
            }
        }
    }
}

TEST(DelimitedLineScan, AMalformedLineKeepsTheValuesBeforeItsFault)
{
    // The values split before the fault tell which field a malformed line is reported at.
    std::mt19937 random(5113);
    for (const DelimitedSyntax& syntax : kSyntaxes)
        for (int run = 0; run < 3000; ++run)
        {
            const std::string text = RandomLine(random, syntax.separator);
            const SplitLine whole = ByteReading(syntax, text).Read();
            if (whole.status != LineStatus::Malformed)
                continue;
            for (size_t offset = 0; offset < 8; ++offset)
                EXPECT_EQ(Scanned(syntax, text, offset, text.size(), true).values, whole.values) << Escaped(text);
        }
}

TEST(DelimitedLineScan, FindsTheBytesSoughtAtEveryPlaceOfAWord)
{
    // Bytes around the ones sought that differ from them in one bit or by one, and bytes with the high bit set.
    const std::string others = "\x80\xA2\x0E\x0C\x2D\x2B\x1B\x19\xFF\x9A\x23\x21\x8D\x00x";
    for (size_t length = 0; length <= 24; ++length)
        for (size_t at = 0; at <= length; ++at)
            for (size_t shift = 0; shift < others.size(); ++shift)
            {
                std::string text(length, ' ');
                for (size_t i = 0; i < length; ++i)
                    text[i] = others[(i + shift) % others.size()];
                const char* begin = text.data();
                for (char sought : {',', '\r', '\x1A'})
                {
                    if (at < length)
                        text[at] = sought;
                    EXPECT_EQ(FindFirstOf(begin, begin + length, ',', '\r', 0x1A) - begin, static_cast<ptrdiff_t>(at));
                }
                if (at < length)
                    text[at] = '"';
                EXPECT_EQ(FindByte(begin, begin + length, '"') - begin, static_cast<ptrdiff_t>(at));
            }
    char bytes[40];
    for (size_t count = 0; count <= 33; ++count)
    {
        std::memset(bytes, '#', sizeof bytes);
        FillBytes(bytes + 1, ' ', count);
        std::string expected(count + 2, ' ');
        expected.front() = '#';
        expected.back() = '#';
        EXPECT_EQ(std::string(bytes, count + 2), expected);
    }
}

TEST_F(InPlaceReading, LongLinesAcrossBufferRefillsAreReadWhole)
{
    const std::vector<HostFieldDefinition> fields = {{"T", HFT_CHARACTER, 9000, 0}, {"N", HFT_ZONED, 5, 0}};
    std::mt19937 random(4242);
    const char characters[] = {'a', 'b', 'c', '"', ',', '\t', ' ', '\r', '\n'};
    for (int type : {PCFT_CSV, PCFT_TAB, PCFT_PRN})
    {
        std::string file;
        Records expected;
        for (int line = 0; line < 40; ++line)
        {
            std::string text(3000 + random() % 6000, 'a');
            for (char& c : text)
                if (random() % 16 == 0)
                    c = characters[random() % sizeof characters];
            text.back() = 'z';
            const int number = static_cast<int>(random() % 1000);
            file += Line(type, text, std::to_string(number)) + "\r\n";
            std::string shown = std::to_string(number);
            expected.push_back({Padded(text, 9000, type == PCFT_PRN), std::string(5 - shown.size(), ' ') + shown});
        }
        const Records records = ReadRecords(type, fields, file);
        ASSERT_EQ(records.size(), expected.size()) << type;
        for (size_t i = 0; i < records.size(); ++i)
            EXPECT_TRUE(records[i] == expected[i]) << type << " record " << i;
    }
}

TEST_F(InPlaceReading, TheLastLineEndsAtTheFileEndAroundTheBufferSize)
{
    const std::vector<HostFieldDefinition> delimitedFields = {{"T", HFT_CHARACTER, 1200, 0}, {"N", HFT_ZONED, 3, 0}};
    const std::vector<HostFieldDefinition> txtFields = {{"T", HFT_CHARACTER, 1200, 0}};
    for (int type : {PCFT_CSV, PCFT_TAB, PCFT_PRN, PCFT_TXT})
        for (const std::string ending : {"", "\r", "\x1A", "\r\n"})
            for (size_t size = 63991; size <= 64009; ++size)
            {
                std::string file;
                Records expected;
                for (int line = 0; file.size() < 63000; ++line)
                {
                    const std::string text = std::string(990, static_cast<char>('a' + line % 26)) + "\"q";
                    file += Line(type, text, "7") + "\r\n";
                    expected.push_back({Padded(text, 1200, type == PCFT_PRN), "  7"});
                }
                const size_t rest = size - file.size() - ending.size() - Line(type, "", "9").size();
                const std::string text = std::string(rest, 'z');
                file += Line(type, text, "9") + ending;
                expected.push_back({Padded(text, 1200, type == PCFT_PRN), "  9"});
                ASSERT_EQ(file.size(), size);
                if (type == PCFT_TXT)
                    for (auto& record : expected)
                        record.pop_back();
                const Records records = ReadRecords(type, type == PCFT_TXT ? txtFields : delimitedFields, file);
                ASSERT_EQ(records.size(), expected.size()) << type << " " << Escaped(ending) << " " << size;
                EXPECT_TRUE(records == expected) << type << " " << Escaped(ending) << " " << size;
            }
}
