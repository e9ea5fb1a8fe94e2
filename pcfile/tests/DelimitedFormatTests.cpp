// TAB, CSV and PRN files: the bytes written, and what the readers make of good and bad lines.
#include "PcFileTestSupport.h"

namespace
{
class DelimitedFormats : public PcFileFormatTest
{
};

using Records = std::vector<std::vector<std::string>>;
const std::vector<HostFieldDefinition> kTwoTexts = {{"NAME      ", HFT_CHARACTER, 4, 0},
                                                    {"CITY      ", HFT_CHARACTER, 4, 0}};
const std::vector<HostFieldDefinition> kTextAndNumber = {{"NAME", HFT_CHARACTER, 4, 0}, {"QTY", HFT_PACKED, 7, 2}};
}

TEST_F(DelimitedFormats, WriteTextsQuotedAndNumbersAsDelivered)
{
    EXPECT_BYTES(Written(PCFT_CSV, {}),
                 "\"He \"\"X\"\"    \",  12.50, 00042,-123\r\n\"          \",-001.50, 00000,   0\r\n");
    EXPECT_BYTES(Written(PCFT_CSV, {{ZRP_REMOVE_BLANKS, 1}}), "\"He \"\"X\"\"\",12.50,42,-123\r\n\"\",-001.50,0,0\r\n");
    EXPECT_BYTES(Written(PCFT_CSV, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
                 "\"He \"\"X\"\"    \",  12.50, 00042,-123\r\n\"          \",-001.50, 00000,   0\r\n");
}

TEST_F(DelimitedFormats, QuotesAreDoubledWhereverTheyStandInTextsOfEveryLength)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_CSV;
    transfer.fields = {{"LONG", HFT_CHARACTER, 24, 0}, {"SHORT", HFT_CHARACTER, 9, 0}};
    // A double quote at each place, two and all of them, and values ending in blanks at every length.
    std::vector<std::string> values;
    for (size_t at = 0; at < 24; ++at)
    {
        std::string value(24, static_cast<char>('a' + at % 26));
        value[at] = '"';
        values.push_back(value);
    }
    values.push_back(std::string(24, '"'));
    values.push_back("\"\"ab\"  ");
    for (size_t length = 0; length <= 24; ++length)
        values.push_back(std::string(length, 'z') + (length % 3 ? "\"" : ""));
    const auto quoted = [](std::string value, size_t width, bool removeBlanks) {
        value.resize(width, ' ');
        if (removeBlanks)
            value.erase(value.find_last_not_of(' ') + 1);
        std::string text = "\"";
        for (char c : value)
            text += c == '"' ? std::string("\"\"") : std::string(1, c);
        return text + "\"";
    };
    for (bool removeBlanks : {false, true})
    {
        std::string expected;
        transfer.records.clear();
        for (const std::string& value : values)
        {
            const std::string shortValue = value.substr(value.size() > 9 ? value.size() - 9 : 0);
            transfer.records.push_back({value, shortValue});
            expected += quoted(value, 24, removeBlanks) + "," + quoted(shortValue, 9, removeBlanks) + "\r\n";
        }
        transfer.profile = {{ZRP_REMOVE_BLANKS, removeBlanks ? 1 : 0}};
        EXPECT_BYTES(WriteFile(m_runner, transfer), expected) << removeBlanks;
    }
}

TEST_F(DelimitedFormats, TabAndPrnWriteADecimalCommaWhenTheDotIsOff)
{
    EXPECT_BYTES(Written(PCFT_TAB, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}, {ZRP_REMOVE_BLANKS, 1}}),
                 "\"He \"\"X\"\"\"\t12,50\t42\t-123\r\n\"\"\t-001,50\t0\t0\r\n");
    EXPECT_BYTES(Written(PCFT_TAB, {}),
                 "\"He \"\"X\"\"    \"\t  12.50\t 00042\t-123\r\n\"          \"\t-001.50\t 00000\t   0\r\n");
    EXPECT_BYTES(Written(PCFT_PRN, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
                 "\"He \"\"X\"\"    \"   12,50  00042 -123\r\n\"          \" -001,50  00000    0\r\n");
}

TEST_F(DelimitedFormats, AFirstLineOfFieldNamesIsPassedOver)
{
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "NAME,CITY\r\n\"a\",\"b\"\r\n"), (Records{{"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_TAB, kTwoTexts, "\"NAME\"\tCITY      \r\n\"a\"\t\"b\"\r\n"),
              (Records{{"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "NAME,CITX\r\n\"a\",\"b\"\r\n"),
              (Records{{"NAME", "CITX"}, {"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "NAME,CITY\r\nNAME,CITY\r\n"), (Records{{"NAME", "CITY"}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "NAME,CITY\r\n"), Records{});
    EXPECT_EQ(ReadRecords(PCFT_PRN, kTwoTexts, "NAME CITY\r\n"), (Records{{"NAME", "CITY"}}));
}

TEST_F(DelimitedFormats, AFirstDataLineThatOnlyResemblesTheNamesIsKept)
{
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"\",\"\"\r\n\"a\",\"b\"\r\n"),
              (Records{{"    ", "    "}, {"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "NA,CI\r\n"), (Records{{"NA  ", "CI  "}}));
    const std::vector<HostFieldDefinition> narrow = {{"NAME", HFT_CHARACTER, 2, 0}, {"CITY", HFT_CHARACTER, 2, 0}};
    EXPECT_EQ(ReadRecords(PCFT_CSV, narrow, "NA,CI\r\nxy,zw\r\n"), (Records{{"xy", "zw"}}));
}

TEST_F(DelimitedFormats, NumbersAreLaidRightAlignedWithTheirDecimals)
{
    const struct
    {
        const char* line;
        HostFieldDefinition field;
        const char* value;
    } cases[] = {
        {"1.5E2", {"N", HFT_PACKED, 8, 2}, "  150.00"}, {"12.5", {"N", HFT_PACKED, 7, 2}, "  12.50"},
        {"12.9", {"N", HFT_PACKED, 5, 0}, "   12"},     {"-3e1", {"N", HFT_ZONED, 5, 0}, "  -30"},
        {"000123", {"N", HFT_ZONED, 5, 0}, "  123"},    {"", {"N", HFT_ZONED, 5, 0}, "     "},
        {" 42 ", {"N", HFT_BINARY, 7, 2}, "  42.00"},   {"+7", {"N", HFT_BINARY, 3, 0}, " +7"},
        {"-.5", {"N", HFT_PACKED, 6, 2}, "  -.50"},     {"0012.345", {"N", HFT_PACKED, 7, 2}, "0012.34"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRecords(PCFT_CSV, {{"NAME", HFT_CHARACTER, 1, 0}, c.field}, std::string("x,") + c.line),
                  (Records{{"x", c.value}}))
            << c.line;
}

TEST_F(DelimitedFormats, DamagedFilesAreRefusedNamingTheFieldOrTheRecord)
{
    const std::vector<HostFieldDefinition> number = {{"NAME", HFT_CHARACTER, 1, 0}, {"N", HFT_ZONED, 5, 0}};
    std::vector<TransferCase> cases;
    for (const char* value : {"123456789", "1E20", "12x", "1.2.3", "-", "E5", "1e400"})
        cases.push_back(Refused(value, PCFT_CSV, number, std::string("x,1\r\nx,") + value + "\r\n", Zri(12, "1")));
    const TransferCase more[] = {
        Refused("quoted number", PCFT_CSV, kTextAndNumber, "\"a\",1\r\n\"b\",\"12\"\r\n", Zri(12, "1")),
        Refused("text too long", PCFT_CSV, kTextAndNumber, "\"abcdef\",1\r\n", Zri(12, "0")),
        Refused("one field too few", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"c\",\"d\"\r\n\"e\"\r\n", Zri(17, "3")),
        Refused("one field too many", PCFT_TAB, kTwoTexts, "a\tb\r\na\tb\tc\r\n", Zri(17, "2")),
        Refused("empty line", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\r\n", Zri(17, "2")),
        Refused("first line too long", PCFT_CSV, kTwoTexts, "\"a\",\"b\",\"c\"\r\n", Zri(14)),
        Refused("first line quotes a number", PCFT_CSV, kTextAndNumber, "\"a\",\"1\"\r\n", Zri(14)),
        Refused("first line after a quote", PCFT_CSV, kTwoTexts, "\"a\"x,\"b\"\r\n", Zri(14)),
        Refused("first line CR alone", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\"c\",\"d\"\r\n", Zri(14)),
        Refused("text after a quote", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abc\"x,\"b\"\r\n", Zri(12, "0")),
        Refused("quote not closed", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"a\",\"unterminated", Zri(12, "1")),
        Refused("CR alone", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"a\",\"b\"\rX", Zri(12, "1")),
        Refused("decimal comma with the dot on", PCFT_TAB, kTextAndNumber, "\"x\"\t12,5\r\n", Zri(12, "1")),
        Refused("PRN line short", PCFT_PRN, kTextAndNumber, "\"AB\" 42\r\n\"CD\"\r\n", Zri(17, "2")),
    };
    cases.insert(cases.end(), std::begin(more), std::end(more));
    for (const TransferCase& refused : cases)
        EXPECT_TRUE(RunTransferCase(m_runner, refused));
}

TEST_F(DelimitedFormats, ALineWithSeveralFaultsIsReportedByTheWholeLineFirst)
{
    // A line that breaks off is named by the field where it broke, a line of the wrong length by its record, and
    // only a whole line of the right length by its first value that does not fit, whatever values came before.
    const TransferCase cases[] = {
        Refused("too long, then one too many", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\",\"b\",\"c\"\r\n",
                Zri(17, "2")),
        Refused("too long, then one too few", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\"\r\n", Zri(17, "2")),
        Refused("bad number, then one too many", PCFT_TAB, kTextAndNumber, "a\t1\r\nb\tx\t3\r\n", Zri(17, "2")),
        Refused("too long, then not closed", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\",\"unterminated",
                Zri(12, "1")),
        Refused("too long, then text after a quote", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\",\"b\"x\r\n",
                Zri(12, "1")),
        Refused("too long, then CR alone", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\",\"b\"\rX", Zri(12, "1")),
        Refused("both too long", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"abcdefg\",\"hijklmn\"\r\n", Zri(12, "0")),
        Refused("after the names, too long and one too many", PCFT_CSV, kTwoTexts,
                "\"NAME\",\"CITY\"\r\n\"a\",\"b\"\r\n\"abcdefg\",\"b\",\"c\"\r\n", Zri(17, "2")),
    };
    for (const TransferCase& refused : cases)
        EXPECT_TRUE(RunTransferCase(m_runner, refused));
}

TEST_F(DelimitedFormats, TheLastLineNeedsNoLineEndAndACtrlZEndsTheData)
{
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"a\",\"b\""), (Records{{"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\"c\",\"d\""),
              (Records{{"a   ", "b   "}, {"c   ", "d   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\x1A"), (Records{{"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"a\",\"b\"\x1A\r\n\x1A\x1A\r\n\n"), (Records{{"a   ", "b   "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\x1A"), Records{});
}

// A Ctrl-Z with data after it ends nothing: its record is refused, whichever buffer of the file holds the rest.
TEST_F(DelimitedFormats, ACtrlZBeforeMoreDataIsRefusedWithItsRecord)
{
    std::string lines;
    for (int i = 0; i < 25; ++i)
        lines += "\"r" + std::to_string(i) + "\",\"x\"\r\n";
    // The mark inserted `back` bytes before the start of line `line` + 1.
    auto withMarkAt = [&](size_t line, size_t back) {
        size_t at = 0;
        for (size_t i = 0; i < line; ++i)
            at = lines.find('\n', at) + 1;
        return std::string(lines).insert(at - back, "\x1A");
    };
    std::string farEnd;
    for (int i = 0; i < 6000; ++i)
        farEnd += "\"f\",\"g\"\r\n";
    const TransferCase cases[] = {
        Refused("end of line 13", PCFT_CSV, kTwoTexts, withMarkAt(13, 2), Zri(17, "13")),
        Refused("start of line 14", PCFT_CSV, kTwoTexts, withMarkAt(13, 0), Zri(17, "14")),
        Refused("a line of its own", PCFT_TAB, kTwoTexts, "a\tb\r\n\x1A\r\nc\td\r\n", Zri(17, "2")),
        Refused("before the last line's end", PCFT_PRN, kTwoTexts, "a b\r\nc d\x1A\r\nX", Zri(17, "2")),
        Refused("data far behind", PCFT_CSV, kTwoTexts, "\"a\",\"b\"\r\n\x1A" + farEnd, Zri(17, "2")),
        Refused("first line", PCFT_CSV, kTwoTexts, "\x1A\r\n\"a\",\"b\"\r\n", Zri(17, "1")),
    };
    for (const TransferCase& refused : cases)
        EXPECT_TRUE(RunTransferCase(m_runner, refused));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, farEnd + "\x1A" + std::string(70000, '\n')).size(), 6000u);
}

TEST_F(DelimitedFormats, QuotedValuesHoldSeparatorsQuotesAndLineEndsAndLoseOnlyTrailingBlanks)
{
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "\"a,\"\"\",\"\r\nb\"\r\n"), (Records{{"a,\" ", "\r\nb "}}));
    EXPECT_EQ(ReadRecords(PCFT_TAB, kTwoTexts, "\"a\tb\"\t\r\n"), (Records{{"a\tb ", "    "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTwoTexts, "a b,\r\n"), (Records{{"a b ", "    "}}));
    EXPECT_EQ(ReadRecords(PCFT_CSV, kTextAndNumber, "\"ab      \",1\r\n"), (Records{{"ab  ", "   1.00"}}));
}

TEST_F(DelimitedFormats, TabAndPrnReadADecimalCommaWhenTheDotIsOff)
{
    EXPECT_EQ(ReadRecords(PCFT_TAB, kTextAndNumber, "\"x\"\t12,5\r\n", {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
              (Records{{"x   ", "  12.50"}}));
    EXPECT_EQ(ReadRecords(PCFT_PRN, kTextAndNumber, "\"x\"  -12,50\r\n", {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
              (Records{{"   x", " -12.50"}}));
}

TEST_F(DelimitedFormats, PrnPassesOverRepeatedBlanksAndAlignsTextRight)
{
    const std::vector<HostFieldDefinition> fields = {{"NAME", HFT_CHARACTER, 4, 0}, {"QTY", HFT_ZONED, 7, 0}};
    EXPECT_EQ(ReadRecords(PCFT_PRN, fields, "\"AB\"     42\r\n"), (Records{{"  AB", "     42"}}));
    EXPECT_EQ(ReadRecords(PCFT_PRN, fields, "   AB 42   \r\nCD\t -7\r\n"),
              (Records{{"  AB", "     42"}, {" CD\t", "     -7"}}));
}
