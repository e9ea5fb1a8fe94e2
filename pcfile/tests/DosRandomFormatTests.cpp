// DR1 and DR2 files: records of stored numbers without separators, read back at every field's own place.
#include "RecordFormatSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kExample = {{"NAME", HFT_CHARACTER, 3, 0},
                                                   {"AMOUNT", HFT_PACKED, 7, 2},
                                                   {"COUNT", HFT_ZONED, 6, 0},
                                                   {"CODE", HFT_BINARY, 6, 0}};
const std::vector<std::string> kExampleRecord = {"ABC", "-123.45", "-00042", "    42"};
const std::string kDr1Record = std::string("ABC\x12\x34\x5B") + "0004\xB2" + std::string("\x2A\x00", 2);
const std::string kDr2Record = std::string("ABC\x12\x34\x5D") + "0004\x72" + std::string("\x2A\x00", 2);

class DosRandomFormats : public testing::Test
{
protected:
    PcTransfer Transfer(int type, std::vector<std::vector<std::string>> records = {kExampleRecord})
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kExample;
        transfer.records = std::move(records);
        return transfer;
    }

    TransferRunner m_runner;
};
}

TEST_F(DosRandomFormats, RecordsAreStoredBackToBackWithEachFormatsSigns)
{
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_DR1)), kDr1Record);
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_DR2)), kDr2Record);
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_DR1, {kExampleRecord, kExampleRecord})), kDr1Record + kDr1Record);
}

TEST_F(DosRandomFormats, EveryFieldIsReadBackAtItsOwnPlaceAndWidth)
{
    for (int type : {PCFT_DR1, PCFT_DR2})
    {
        const TransferOutcome read = ReadBack(m_runner, Transfer(type),
                                              type == PCFT_DR1 ? kDr1Record + kDr1Record : kDr2Record + kDr2Record);
        EXPECT_EQ(read.records, (std::vector<std::vector<std::string>>{kExampleRecord, kExampleRecord}));
    }
}

TEST_F(DosRandomFormats, AValueThatDoesNotFitItsStoredBytesFailsItsField)
{
    PcTransfer transfer = Transfer(PCFT_DR1, {kExampleRecord, {"XYZ", " 001.00", " 00001", " 40000"}});
    const TransferOutcome outcome = m_runner.ToPc(transfer);
    ExpectFailure(outcome, ZriText(12, "3"));
}

TEST_F(DosRandomFormats, HostFieldsWithoutAStoredFormAreRefused)
{
    PcTransfer transfer = Transfer(PCFT_DR2);
    transfer.fields.push_back({"RAW", HFT_PACKED_BYTES, 3, 0});
    ExpectFailure(m_runner.ToPc(transfer), ZriText(5, "4"));
    transfer.fields.back() = {"SHORT", HFT_ZONED, 3, 2};
    transfer.fileBefore = kDr2Record;
    ExpectFailure(m_runner.FromPc(transfer), ZriText(5, "4"));
}

TEST_F(DosRandomFormats, FilesThatAreNotWholeValidRecordsAreRefused)
{
    std::string badSign = kDr1Record;
    badSign[5] = '\x5D';
    std::string badZone = kDr1Record;
    badZone[10] = '\x72';
    for (const std::string& file : {kDr1Record + "x", kDr1Record.substr(0, 12), badSign, badZone, kDr2Record})
    {
        const TransferOutcome outcome = m_runner.FromPc([&] {
            PcTransfer transfer = Transfer(PCFT_DR1, {});
            transfer.fileBefore = file;
            return transfer;
        }());
        ExpectFailure(outcome, ZriText(14));
        EXPECT_FALSE(outcome.steps.layoutTaken);
    }
}

TEST_F(DosRandomFormats, ABadNumberAfterTheFirstRecordFailsWithItsField)
{
    std::string file = kDr1Record + kDr1Record;
    file[13 + 4] = '\x3C';
    PcTransfer transfer = Transfer(PCFT_DR1, {});
    transfer.fileBefore = file;
    const TransferOutcome outcome = m_runner.FromPc(transfer);
    ExpectFailure(outcome, ZriText(12, "1"));
}

// A record may begin with any byte: a binary 26 (Ctrl-Z) is a value, not the end of the data.
TEST_F(DosRandomFormats, ARecordBeginningWithCtrlZIsRead)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_DR2;
    transfer.fields = {{"CODE", HFT_BINARY, 6, 0}, {"NAME", HFT_CHARACTER, 2, 0}};
    transfer.records = {{"    26", "ab"}, {"    26", "cd"}};
    const std::string file = WriteFile(m_runner, transfer);
    EXPECT_BYTES(file, std::string("\x1A\x00"
                                   "ab\x1A\x00"
                                   "cd",
                                   8));
    const TransferOutcome read = ReadBack(m_runner, transfer, file);
    EXPECT_EQ(read.records, transfer.records);
}

TEST_F(DosRandomFormats, AppendingAddsRecordsAfterACheckOfTheExistingFile)
{
    PcTransfer transfer = Transfer(PCFT_DR2);
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    transfer.fileBefore = kDr2Record;
    EXPECT_BYTES(WriteFile(m_runner, transfer), kDr2Record + kDr2Record);

    transfer.fileBefore = kDr1Record;
    const TransferOutcome refused = m_runner.ToPc(transfer);
    ExpectFailure(refused, ZriText(14));
    EXPECT_BYTES(FileOf(refused), kDr1Record);

    transfer.fileBefore = "";
    EXPECT_BYTES(WriteFile(m_runner, transfer), kDr2Record);
}

// Files around the buffer's size come back whole, record for record.
TEST_F(DosRandomFormats, FilesOfEverySizeAroundTheBufferAreReadWhole)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_DR1;
    transfer.fields = {{"N", HFT_ZONED, 8, 0}, {"T", HFT_CHARACTER, 193, 0}};
    for (int count : {1, 319, 320, 321, 639, 640, 641})
    {
        std::string file;
        transfer.records.clear();
        for (int i = 0; i < count; ++i)
        {
            char number[16];
            std::snprintf(number, sizeof number, " %07d", i);
            transfer.records.push_back({number, std::string(193, static_cast<char>('a' + i % 26))});
            file += std::string(number + 1) + transfer.records.back()[1];
        }
        const TransferOutcome read = ReadBack(m_runner, transfer, file);
        EXPECT_EQ(read.records.size(), static_cast<size_t>(count));
        EXPECT_TRUE(read.records == transfer.records) << count;
    }
}
