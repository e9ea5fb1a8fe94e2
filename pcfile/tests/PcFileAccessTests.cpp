// Opening, appending and buffering of PC files, common to every text format.
#include "PcFileTestSupport.h"

#include "LockedFile.h"
#include "OwnedHandles.h"

namespace
{
const std::vector<HostFieldDefinition> kNameAndCount = {{"NAME", HFT_CHARACTER, 4, 0}, {"COUNT", HFT_ZONED, 5, 0}};

PcTransfer TwoRecords(int type)
{
    PcTransfer transfer;
    transfer.fileType = type;
    transfer.fields = kNameAndCount;
    transfer.records = {{"ab", " 0001"}, {"cd", "-0002"}};
    return transfer;
}

class PcFileAccess : public testing::Test
{
protected:
    TransferRunner m_runner;
};
}

TEST_F(PcFileAccess, CreateAndReplaceWriteOverAnExistingFileWhenNotAsked)
{
    for (int mode : {ZRPCWM_CREATE, ZRPCWM_REPLACE})
    {
        PcTransfer transfer = TwoRecords(PCFT_CSV);
        transfer.profile = {{ZRP_PC_WRITE_MODE, mode}};
        transfer.fileBefore = std::string(500, 'x');
        EXPECT_BYTES(WriteFile(m_runner, transfer), "\"ab  \", 0001\r\n\"cd  \",-0002\r\n");
    }
}

TEST_F(PcFileAccess, ReplaceCreatesAMissingFileWhenNotAsked)
{
    PcTransfer transfer = TwoRecords(PCFT_TXT);
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE}};
    EXPECT_BYTES(WriteFile(m_runner, transfer), "ab   0001\r\ncd  -0002\r\n");
}

TEST_F(PcFileAccess, AppendToAMissingFileOrAnUnknownModeFails)
{
    for (int mode : {int(ZRPCWM_APPEND), 0, 4})
    {
        PcTransfer transfer = TwoRecords(PCFT_CSV);
        transfer.profile = {{ZRP_PC_WRITE_MODE, mode}};
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        EXPECT_FALSE(outcome.steps.opened) << mode;
        EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(10)});
        EXPECT_FALSE(outcome.file.has_value());
    }
}

TEST_F(PcFileAccess, AppendContinuesAfterTheLastLineEndingItFirst)
{
    const struct
    {
        int type;
        const char* before;
        const char* after;
    } cases[] = {
        {PCFT_CSV, "\"zz  \", 0009\r\n", "\"zz  \", 0009\r\n\"ab  \", 0001\r\n\"cd  \",-0002\r\n"},
        {PCFT_CSV, "\"zz  \", 0009", "\"zz  \", 0009\r\n\"ab  \", 0001\r\n\"cd  \",-0002\r\n"},
        {PCFT_CSV, "\"zz  \", 0009\r\n\x1A", "\"zz  \", 0009\r\n\"ab  \", 0001\r\n\"cd  \",-0002\r\n"},
        {PCFT_CSV, "\"zz  \", 0009\x1A", "\"zz  \", 0009\r\n\"ab  \", 0001\r\n\"cd  \",-0002\r\n"},
        {PCFT_TAB, "x\ty\r", "x\ty\r\n\"ab  \"\t 0001\r\n\"cd  \"\t-0002\r\n"},
        {PCFT_CSV, "\"zz  \", 0009\r", "\"zz  \", 0009\r\n\"ab  \", 0001\r\n\"cd  \",-0002\r\n"},
        {PCFT_TXT, "line\n", "line\nab   0001\r\ncd  -0002\r\n"},
        {PCFT_TXT, "line\n\r", "line\n\rab   0001\r\ncd  -0002\r\n"},
        {PCFT_TXT, "anything at all", "anything at all\r\nab   0001\r\ncd  -0002\r\n"},
        {PCFT_DLM, "\x1A", "ab   0001\r\ncd  -0002\r\n"},
    };
    for (const auto& c : cases)
    {
        PcTransfer transfer = TwoRecords(c.type);
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
        transfer.fileBefore = c.before;
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        EXPECT_TRUE(outcome.Succeeded()) << Escaped(c.before);
        EXPECT_BYTES(FileOf(outcome), c.after);
    }
}

TEST_F(PcFileAccess, AppendToAnEmptyFileWritesItAsNew)
{
    for (int type : {PCFT_CSV, PCFT_TXT})
    {
        PcTransfer transfer = TwoRecords(type);
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
        transfer.fileBefore = "";
        const std::string file = WriteFile(m_runner, transfer);
        EXPECT_EQ(file.substr(0, 2), type == PCFT_CSV ? "\"a" : "ab");
    }
}

TEST_F(PcFileAccess, AppendRefusesAFileOfAnotherStructureWithAMessage)
{
    const char* const mismatches[] = {"\"a\",1,2\r\n", "\"a\"\r\n", "\"a\",\"1\"\r\n", "\"a\"x,1\r\n"};
    for (const char* before : mismatches)
    {
        PcTransfer transfer = TwoRecords(PCFT_CSV);
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
        transfer.fileBefore = before;
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        EXPECT_FALSE(outcome.steps.layoutTaken) << before;
        EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(14)});
        EXPECT_BYTES(FileOf(outcome), before);
    }
}

TEST_F(PcFileAccess, AFileHeldByAnotherProcessCannotBeOpened)
{
    for (int direction : {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST})
    {
        PcTransfer transfer = TwoRecords(PCFT_CSV);
        transfer.fileName = "held.csv";
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE}};
        WriteWholeFile(m_runner.PathOf("held.csv"), "\"ab\",1\r\n");
        LockedFile held(m_runner.PathOf("held.csv"));
        ASSERT_TRUE(held.IsHeld());
        transfer.fileBefore.reset();
        const TransferOutcome outcome = direction == ZRDIR_HOST_TO_PC ? m_runner.ToPc(transfer)
                                                                      : m_runner.FromPc(transfer);
        EXPECT_FALSE(outcome.steps.opened);
        EXPECT_TRUE(outcome.steps.closed);
        EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(10)});
    }
}

TEST_F(PcFileAccess, AnEmptySourceFileIsRefusedByName)
{
    PcTransfer transfer = TwoRecords(PCFT_CSV);
    transfer.fileBefore = "";
    const TransferOutcome outcome = m_runner.FromPc(transfer);
    EXPECT_FALSE(outcome.steps.opened);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(7, m_runner.PathOf("data.csv"))});
}

TEST_F(PcFileAccess, AMissingSourceFileOrAnEmptyNameFails)
{
    for (const char* name : {"missing.csv", ""})
    {
        PcTransfer transfer = TwoRecords(PCFT_TXT);
        transfer.fileName = name;
        const TransferOutcome outcome = m_runner.FromPc(transfer);
        EXPECT_FALSE(outcome.steps.opened);
        EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(10)});
    }
}

TEST_F(PcFileAccess, FieldsWithoutAPcFormAreRefusedWhenTheLayoutIsTaken)
{
    PcTransfer transfer = TwoRecords(PCFT_CSV);
    transfer.fields = {{"NAME", HFT_CHARACTER, 4, 0}, {"HEX", HFT_HEXADECIMAL, 4, 0}};
    TransferOutcome outcome = m_runner.ToPc(transfer);
    EXPECT_FALSE(outcome.steps.layoutTaken);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(5, "1")});

    transfer.fields = {
        {"A", HFT_CHARACTER, 30000, 0}, {"B", HFT_CHARACTER, 30000, 0}, {"C", HFT_PACKED_BYTES, 3000, 0}};
    outcome = m_runner.ToPc(transfer);
    EXPECT_FALSE(outcome.steps.layoutTaken);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(5, "2")});
}

TEST_F(PcFileAccess, HostNumbersGivenByByteLengthCannotBeConverted)
{
    PcTransfer transfer = TwoRecords(PCFT_CSV);
    transfer.fields = {{"NAME", HFT_CHARACTER, 4, 0}, {"PACKED", HFT_PACKED_BYTES, 3, 0}};
    const TransferOutcome outcome = m_runner.ToPc(transfer);
    EXPECT_TRUE(outcome.steps.layoutTaken);
    EXPECT_FALSE(outcome.steps.loopDone);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(12, "1")});
}

TEST_F(PcFileAccess, ACancelledTransferStillFinishesTheFile)
{
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    PcTransfer transfer = TwoRecords(PCFT_CSV);
    transfer.cancelEvent = cancel.Get();
    const TransferOutcome outcome = m_runner.ToPc(transfer);
    cancel.Reset();
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_BYTES(FileOf(outcome), "");
}

TEST_F(PcFileAccess, RecordsLongerThanTheBufferMarginAreWrittenAndReadWhole)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_CSV;
    transfer.fields = {{"QUOTES", HFT_CHARACTER, 3000, 0}};
    const std::string quotes(3000, '"');
    transfer.records.assign(20, {quotes});
    const std::string line = "\"" + std::string(6000, '"') + "\"\r\n";
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += line;
    const std::string file = WriteFile(m_runner, transfer);
    EXPECT_EQ(file.size(), 20u * 6004u);
    EXPECT_TRUE(file == expected);

    transfer.fileBefore = file;
    const TransferOutcome read = m_runner.FromPc(transfer);
    EXPECT_TRUE(read.Succeeded());
    ASSERT_EQ(read.records.size(), 20u);
    EXPECT_TRUE(read.records[19][0] == quotes);
}

TEST_F(PcFileAccess, ARecordLongerThanTheWholeBufferIsWrittenThrough)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_TXT;
    transfer.fields = {{"A", HFT_CHARACTER, 65000, 0}, {"B", HFT_CHARACTER, 3, 0}};
    transfer.records = {{std::string(65000, 'a'), "bcd"}, {std::string(65000, 'e'), "fgh"}};
    const std::string file = WriteFile(m_runner, transfer);
    EXPECT_TRUE(file == std::string(65000, 'a') + "bcd\r\n" + std::string(65000, 'e') + "fgh\r\n");
}

TEST_F(PcFileAccess, ARecordBeyondTheWholeBufferIsRefusedNotCut)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_CSV;
    transfer.fields = {{"TEXT", HFT_CHARACTER, 65000, 0}};
    transfer.fileBefore = "\"" + std::string(64990, 'a') + "\"\r\n";
    TransferOutcome outcome = m_runner.FromPc(transfer);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{Zri(19, "1")});
    EXPECT_TRUE(outcome.records.empty());
}

TEST_F(PcFileAccess, ReadingAcrossBufferRefillsDeliversEveryLineOnce)
{
    for (int type : {PCFT_TXT, PCFT_CSV, PCFT_DLM})
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = {{"TEXT", HFT_CHARACTER, 50, 0}};
        const int lineLength = type == PCFT_CSV ? 54 : 52;
        std::string file;
        char line[64];
        int lines = 0;
        for (int count = 2300; count <= 2400; count += (type == PCFT_TXT ? 1 : 7))
        {
            for (; lines < count; ++lines)
            {
                std::snprintf(line, sizeof line, type == PCFT_CSV ? "\"%050d\"\r\n" : "%050d\r\n", lines);
                file += line;
            }
            ASSERT_EQ(file.size(), static_cast<size_t>(count) * lineLength);
            transfer.fileBefore = file;
            const TransferOutcome outcome = m_runner.FromPc(transfer);
            ASSERT_TRUE(outcome.Succeeded()) << type << "/" << count;
            ASSERT_EQ(outcome.records.size(), static_cast<size_t>(count)) << type;
            EXPECT_EQ(outcome.steps.recordCount, count);
            for (int i = 0; i < count; ++i)
            {
                std::snprintf(line, sizeof line, "%050d", i);
                ASSERT_EQ(outcome.records[i][0], line) << type << "/" << count;
            }
        }
    }
}
