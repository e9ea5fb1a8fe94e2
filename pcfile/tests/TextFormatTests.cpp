// TXT and DLM files: values one after the other, one record per line.
#include "PcFileTestSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kTwoTexts = {{"A", HFT_CHARACTER, 5, 0}, {"B", HFT_CHARACTER, 5, 0}};
using Records = std::vector<std::vector<std::string>>;

class TextFormats : public PcFileFormatTest
{
};
}

TEST_F(TextFormats, TxtWritesTheValuesAsDeliveredOrWithoutBlanks)
{
    EXPECT_BYTES(Written(PCFT_TXT, {}), "He \"X\"      12.50 00042-123\r\n          -001.50 00000   0\r\n");
    EXPECT_BYTES(Written(PCFT_TXT, {{ZRP_REMOVE_BLANKS, 1}, {ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
                 "He \"X\"12.5042-123\r\n-001.5000\r\n");

    PcTransfer transfer;
    transfer.fileType = PCFT_TXT;
    transfer.fields = {{"T", HFT_CHARACTER, 5, 0}, {"N", HFT_ZONED, 5, 0}};
    transfer.records = {{"AB", "00042"}};
    transfer.profile = {{ZRP_REMOVE_BLANKS, 1}};
    EXPECT_BYTES(WriteFile(m_runner, transfer), "AB42\r\n");
}

TEST_F(TextFormats, ValuesOfEveryLengthAreWrittenWhole)
{
    // Widths around the sizes in which values are moved, and records whose values fill 0 to 66 characters.
    const unsigned widths[] = {1, 3, 4, 7, 8, 9, 16, 17, 33, 65};
    PcTransfer transfer;
    for (unsigned width : widths)
        transfer.fields.push_back({"T", HFT_CHARACTER, static_cast<int>(width), 0});
    std::string full;
    std::string trimmed;
    for (size_t filled = 0; filled <= 66; ++filled)
    {
        std::vector<std::string> record;
        for (unsigned width : widths)
        {
            std::string value;
            for (size_t i = 0; i < std::min<size_t>(filled, width); ++i)
                value += static_cast<char>('A' + (filled + i) % 26);
            record.push_back(value);
            trimmed += value;
            full += value + std::string(width - value.size(), ' ');
        }
        transfer.records.push_back(record);
        trimmed += "\r\n";
        full += "\r\n";
    }
    for (int type : {PCFT_TXT, PCFT_DLM})
    {
        transfer.fileType = type;
        transfer.profile = {};
        EXPECT_BYTES(WriteFile(m_runner, transfer), full) << type;
    }
    transfer.fileType = PCFT_TXT;
    transfer.profile = {{ZRP_REMOVE_BLANKS, 1}};
    EXPECT_BYTES(WriteFile(m_runner, transfer), trimmed);
}

TEST_F(TextFormats, DlmWritesWholeRecordsWithADecimalCommaWhenTheDotIsOff)
{
    EXPECT_BYTES(Written(PCFT_DLM, {{ZRP_REMOVE_BLANKS, 1}}),
                 "He \"X\"      12.50 00042-123\r\n          -001.50 00000   0\r\n");
    EXPECT_BYTES(Written(PCFT_DLM, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
                 "He \"X\"      12,50 00042-123\r\n          -001,50 00000   0\r\n");
}

TEST_F(TextFormats, TxtReadsFixedWidthsAndCompletesAShortLastField)
{
    EXPECT_EQ(ReadRecords(PCFT_TXT, kTwoTexts, "abcde12345\r\nfghij67890\r\n"),
              (Records{{"abcde", "12345"}, {"fghij", "67890"}}));
    EXPECT_EQ(ReadRecords(PCFT_TXT, kTwoTexts, "abcde12345\rfghij67890\nklmno12\n\r"),
              (Records{{"abcde", "12345"}, {"fghij", "67890"}, {"klmno", "12   "}}));
    EXPECT_EQ(ReadRecords(PCFT_TXT, kTwoTexts, "abcdefg", {{ZRP_REMOVE_BLANKS, 1}}), (Records{{"abcde", "fg   "}}));
    EXPECT_EQ(ReadRecords(PCFT_TXT, {{"N", HFT_PACKED, 7, 2}}, "12.5\r\n-3\r\n\r\n1234.56\r\n"),
              (Records{{"0012.50"}, {"-003.00"}, {"0000.00"}, {"1234.56"}}));
    EXPECT_EQ(ReadRecords(PCFT_TXT, {{"N", HFT_ZONED, 5, 0}}, "42\r\n", {{ZRP_REMOVE_BLANKS, 1}}),
              (Records{{"00042"}}));
}

TEST_F(TextFormats, TxtEndsTheDataAtAFinalCtrlZ)
{
    EXPECT_EQ(ReadRecords(PCFT_TXT, kTwoTexts, "abcde12345\r\n\x1A\r\n\x1A"), (Records{{"abcde", "12345"}}));
    EXPECT_EQ(ReadRecords(PCFT_TXT, kTwoTexts, "abcde1\x1A"), (Records{{"abcde", "1    "}}));
    EXPECT_EQ(ReadRecords(PCFT_DLM, kTwoTexts, "abcdefghij\r\n\x1A\n"), (Records{{"abcde", "fghij"}}));
}

TEST_F(TextFormats, ACtrlZBeforeMoreDataIsRefusedWithItsRecord)
{
    const TransferCase cases[] = {
        Refused("TXT line of its own", PCFT_TXT, kTwoTexts, "abcde12345\r\n\x1Arest of a file\r\n", Zri(18, "2")),
        Refused("TXT inside a line", PCFT_TXT, kTwoTexts, "abcde12345\r\nab\x1A\r\nabcde12345\r\n", Zri(18, "2")),
        Refused("TXT after a line", PCFT_TXT, kTwoTexts, "abcde12345\x1A\r\nabcde12345\r\n", Zri(19, "1")),
        Refused("TXT in the last field", PCFT_TXT, kTwoTexts, "abcde12\x1A\r\nabcde12345\r\n", Zri(19, "1")),
        Refused("DLM line of its own", PCFT_DLM, kTwoTexts, "abcdefghij\r\n\x1Ax\r\n", Zri(18, "2")),
        Refused("DLM after a line", PCFT_DLM, kTwoTexts, "abcdefghij\x1A\r\nklmnopqrst\r\n", Zri(19, "1")),
    };
    for (const TransferCase& refused : cases)
        EXPECT_TRUE(RunTransferCase(m_runner, refused));
}

TEST_F(TextFormats, DlmReadsWholeRecordsAndTurnsTheDecimalCommaBack)
{
    const std::string file = Written(PCFT_DLM, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}});
    EXPECT_EQ(ReadRecords(PCFT_DLM, kMixed, file, {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}),
              (Records{{"He \"X\"    ", "  12.50", " 00042", "-123"}, {"          ", "-001.50", " 00000", "   0"}}));
    EXPECT_EQ(ReadRecords(PCFT_DLM, kMixed, file + "\x1A", {{ZRP_DECIMAL_CHAR_IS_DOT, 0}}).size(), 2u);
    EXPECT_EQ(ReadRecords(PCFT_DLM, kTwoTexts, "abcdefghij\r\nklmnopqrst"),
              (Records{{"abcde", "fghij"}, {"klmno", "pqrst"}}));
}

TEST_F(TextFormats, LinesOfAnotherWidthAreRefusedNamingTheRecord)
{
    const std::vector<HostFieldDefinition> zoned = {{"N", HFT_ZONED, 5, 0}};
    const TransferCase cases[] = {
        Refused("TXT first line short", PCFT_TXT, kTwoTexts, "AB\r\n", Zri(18, "1")),
        Refused("TXT third line short", PCFT_TXT, kTwoTexts, "abcdefghij\r\nabcdefghij\r\nabcde\r\n", Zri(18, "3")),
        Refused("TXT empty line", PCFT_TXT, kTwoTexts, "abcdefghij\r\n\r\n", Zri(18, "2")),
        Refused("TXT line long", PCFT_TXT, kTwoTexts, "ABCDEFGHIJK\r\n", Zri(19, "1")),
        Refused("TXT no number", PCFT_TXT, zoned, "12a45\r\n", Zri(12, "0")),
        Refused("DLM line short", PCFT_DLM, kTwoTexts, "abcdefghij\r\nabcdefghi\r\n", Zri(18, "2")),
        Refused("DLM short line inside", PCFT_DLM, kTwoTexts, "abcdefghij\r\nabcdefghi\r\nabcdefghij\r\n",
                Zri(18, "2")),
        Refused("DLM last record cut", PCFT_DLM, kTwoTexts, "abcdefghij\r\nabc", Zri(18, "2")),
        Refused("DLM line long", PCFT_DLM, kTwoTexts, "abcdefghijk\r\n", Zri(19, "1")),
        Refused("DLM without line ends", PCFT_DLM, kTwoTexts, "abcdefghijabcdefghij", Zri(19, "1")),
        Refused("DLM no number", PCFT_DLM, zoned, "00042\r\n0x042\r\n", Zri(12, "0")),
    };
    for (const TransferCase& refused : cases)
        EXPECT_TRUE(RunTransferCase(m_runner, refused));
}
