// Host records written to a DIF, DBF, DR1 or DR2 file and read back come back byte for byte, for every host field
// type with and without decimals, negative values and blanks, in both character sets.
#include "RecordFormatSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kEveryType = {
    {"TEXT      ", HFT_CHARACTER, 12, 0}, {"PACKED    ", HFT_PACKED, 9, 2}, {"PACKINT   ", HFT_PACKED, 6, 0},
    {"ZONED     ", HFT_ZONED, 8, 3},      {"ZONEINT   ", HFT_ZONED, 4, 0},  {"BINARY    ", HFT_BINARY, 7, 2},
    {"BININT    ", HFT_BINARY, 11, 0},
};

std::string Accented(int characterSet)
{
    return characterSet == ZRCS_EBCDIC_TO_ASCII ? "caf\x82 \x81"
                                                  "ber"
                                                : "caf\xE9 \xFC"
                                                  "ber";
}

// Numbers in the display forms that the DOS random formats give back: packed and zoned with a sign position and
// every digit, binary printed right-aligned.
std::vector<std::vector<std::string>> StoredFormRecords(int characterSet)
{
    return {
        {"Hello, \"W\"!", " 12345.67", " 12345", " 123.456", " 999", " 327.67", " 2147483647"},
        {"  lead blank", "-00001.50", "-00042", "-000.001", "-001", "  -0.05", "-2147483648"},
        {"", " 00000.00", " 00000", " 000.000", " 000", "   0.00", "          0"},
        {"tab\there;,", "-99999.99", "-99999", "-999.999", "-999", "-327.68", "          1"},
        {Accented(characterSet), " 00000.01", " 00001", " 000.100", " 010", "   1.15", "         -1"},
    };
}

// Numbers in any display form, blanks included.
std::vector<std::vector<std::string>> AnyFormRecords(int characterSet)
{
    std::vector<std::vector<std::string>> records = StoredFormRecords(characterSet);
    records.push_back({"blanks", "         ", "      ", "        ", "    ", "       ", "           "});
    records.push_back({"short forms", "    -1.50", "   -42", "   0.100", "  -1", " 001.15", " 0000000001"});
    return records;
}

class RecordFormatRoundTrip : public testing::Test
{
protected:
    void ExpectRoundTrip(int type, int characterSet, const std::vector<std::vector<std::string>>& records)
    {
        SCOPED_TRACE(testing::Message() << "type " << type << ", character set " << characterSet);
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kEveryType;
        transfer.records = records;
        transfer.profile = {{ZRP_CHARACTER_SET, characterSet}};
        const TransferOutcome written = m_runner.ToPc(transfer);
        ASSERT_TRUE(written.Succeeded());
        ASSERT_EQ(written.hostRecords.size(), records.size());
        const TransferOutcome read = ReadBack(m_runner, transfer, FileOf(written));
        EXPECT_EQ(read.hostRecords, written.hostRecords) << Escaped(FileOf(written));
    }

    TransferRunner m_runner;
};
}

TEST_F(RecordFormatRoundTrip, DifAndDbfGiveBackEveryDisplayForm)
{
    for (int type : {PCFT_DIF, PCFT_DBF})
        for (int characterSet : {ZRCS_EBCDIC_TO_ASCII, ZRCS_EBCDIC_TO_ANSI})
            ExpectRoundTrip(type, characterSet, AnyFormRecords(characterSet));
}

TEST_F(RecordFormatRoundTrip, DosRandomFilesGiveBackTheStoredForms)
{
    for (int type : {PCFT_DR1, PCFT_DR2})
        for (int characterSet : {ZRCS_EBCDIC_TO_ASCII, ZRCS_EBCDIC_TO_ANSI})
            ExpectRoundTrip(type, characterSet, StoredFormRecords(characterSet));
}

// Other display forms keep their values: written again, the file read back gives the same bytes.
TEST_F(RecordFormatRoundTrip, DosRandomFilesKeepTheValuesOfOtherForms)
{
    for (int type : {PCFT_DR1, PCFT_DR2})
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kEveryType;
        transfer.records = AnyFormRecords(ZRCS_EBCDIC_TO_ASCII);
        const std::string file = WriteFile(m_runner, transfer);
        const TransferOutcome read = ReadBack(m_runner, transfer, file);
        const std::vector<std::string> blanks = {"blanks      ", " 00000.00", " 00000",     " 000.000",
                                                 " 000",         "   0.00",   "          0"};
        const std::vector<std::string> shortForms = {"short forms ", "-00001.50", "-00042",     " 000.100",
                                                     "-001",         "   1.15",   "          1"};
        ASSERT_EQ(read.records.size(), transfer.records.size());
        EXPECT_EQ(read.records[5], blanks);
        EXPECT_EQ(read.records[6], shortForms);
        PcTransfer again = transfer;
        again.records = read.records;
        EXPECT_BYTES(WriteFile(m_runner, again), file);
    }
}
