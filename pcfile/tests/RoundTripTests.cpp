// Host records written to a PC file and read back come back byte for byte, in every text format, for every host
// field type, in both character sets and with either decimal character; where a format cannot hold a record the
// reader says which record.
#include "PcFileTestSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kEveryType = {
    {"TEXT      ", HFT_CHARACTER, 12, 0}, {"PACKED    ", HFT_PACKED, 9, 2}, {"PACKINT   ", HFT_PACKED, 6, 0},
    {"ZONED     ", HFT_ZONED, 8, 3},      {"ZONEINT   ", HFT_ZONED, 4, 0},  {"BINARY    ", HFT_BINARY, 7, 2},
    {"BININT    ", HFT_BINARY, 11, 0},
};

std::vector<std::vector<std::string>> RecordsFor(int characterSet)
{
    const std::string accented = characterSet == ZRCS_EBCDIC_TO_ASCII ? "caf\x82 \x81"
                                                                        "ber"
                                                                      : "caf\xE9 \xFC"
                                                                        "ber";
    return {
        {"Hello, \"W\"!", " 12345.67", " 12345", " 123.456", " 999", " 327.67", " 2147483647"},
        {"  lead blank", "-00001.50", "-00042", "-000.001", "-001", "-000.05", "-2147483648"},
        {"", " 00000.00", " 00000", " 000.000", " 000", " 000.00", " 0000000000"},
        {"tab\there;,", "-99999.99", "-99999", "-999.999", "-999", "-999.99", " 0000000001"},
        {accented, " 00000.01", " 00001", " 000.100", " 010", " 001.15", "-0000000001"},
    };
}

class RoundTrip : public testing::Test
{
protected:
    // Writes the records and reads the file back with the same settings.
    void Run(int type, int characterSet, std::vector<Setting> profile, TransferOutcome& written, TransferOutcome& read)
    {
        profile.push_back({ZRP_CHARACTER_SET, characterSet});
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kEveryType;
        transfer.records = RecordsFor(characterSet);
        transfer.profile = std::move(profile);
        written = m_runner.ToPc(transfer);
        transfer.records.clear();
        transfer.fileBefore = FileOf(written);
        read = m_runner.FromPc(transfer);
    }

    TransferRunner m_runner;
};
}

TEST_F(RoundTrip, EveryTextFormatGivesBackTheHostBytes)
{
    for (int type : {PCFT_TXT, PCFT_TAB, PCFT_CSV, PCFT_PRN, PCFT_DLM})
        for (int characterSet : {ZRCS_EBCDIC_TO_ASCII, ZRCS_EBCDIC_TO_ANSI})
            for (int dot : {1, 0})
            {
                SCOPED_TRACE(testing::Message()
                             << "type " << type << ", character set " << characterSet << ", decimal dot " << dot);
                TransferOutcome written, read;
                Run(type, characterSet, {{ZRP_DECIMAL_CHAR_IS_DOT, dot}}, written, read);
                ASSERT_TRUE(written.Succeeded());
                ASSERT_TRUE(read.Succeeded()) << Escaped(FileOf(written));
                EXPECT_EQ(read.ErrorTexts(), std::vector<std::string>());
                ASSERT_EQ(written.hostRecords.size(), 5u);
                EXPECT_EQ(read.hostRecords, written.hostRecords) << Escaped(FileOf(written));
                EXPECT_EQ(read.steps.recordCount, 5);
            }
}

TEST_F(RoundTrip, ATxtFileWithoutBlanksCannotBeReadBackAndSaysWhichField)
{
    TransferOutcome written, read;
    Run(PCFT_TXT, ZRCS_EBCDIC_TO_ASCII, {{ZRP_REMOVE_BLANKS, 1}}, written, read);
    ASSERT_TRUE(written.Succeeded());
    EXPECT_FALSE(read.Succeeded());
    EXPECT_EQ(read.ErrorTexts(), std::vector<std::string>{Zri(12, "1")});
    EXPECT_TRUE(read.hostRecords.empty());
}

TEST_F(RoundTrip, ALineEndInsideATxtValueIsReportedWithItsRecord)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_TXT;
    transfer.fields = {{"A", HFT_CHARACTER, 4, 0}, {"B", HFT_CHARACTER, 4, 0}};
    transfer.records = {{"abcd", "efgh"}, {"a\r\nb", "cdef"}};
    const std::string file = WriteFile(m_runner, transfer);
    transfer.records.clear();
    transfer.fileBefore = file;
    const TransferOutcome read = m_runner.FromPc(transfer);
    EXPECT_FALSE(read.Succeeded());
    EXPECT_EQ(read.ErrorTexts(), std::vector<std::string>{Zri(18, "2")});
}
