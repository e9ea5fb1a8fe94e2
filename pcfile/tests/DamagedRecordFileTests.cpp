// Damaged DIF, DBF, DR1 and DR2 files given to the readers, and damaged files of every format of these tests given
// to the append checks: each is refused with exactly one message or handled soundly; never a crash.
#include "RecordFormatSupport.h"

#include "FileMutation.h"

namespace
{
const std::vector<HostFieldDefinition> kFields = {
    {"NAME", HFT_CHARACTER, 6, 0}, {"PRICE", HFT_PACKED, 7, 2}, {"QTY", HFT_ZONED, 4, 0}, {"CODE", HFT_BINARY, 6, 0}};
const std::vector<std::vector<std::string>> kRecords = {{"ab\"c", "-012.50", " 042", "    -7"},
                                                        {"", " 000.01", "-001", "     0"},
                                                        {"x,y z", " 999.99", " 000", " 32767"},
                                                        {"\t", "-001.00", " 123", "-32768"}};
constexpr size_t kDosRandomRecord = 6 + 3 + 3 + 2;
constexpr int kReads = 500;
constexpr int kAppends = 150;

std::string Damaged(const std::string& file, std::mt19937& random)
{
    static const char interesting[] = {'"', '\r',   '\n',   ',',  '-',    '0',    '1',    '9',    'V',    '*',
                                       ' ', '\x0D', '\x1A', '\0', '\x01', '\x04', '\x0A', '\x0F', '\x7F', '\xFF'};
    return Mutate(file, random, std::string(interesting, sizeof interesting), 8, true);
}

class DamagedRecordFiles : public testing::Test
{
protected:
    PcTransfer Transfer(int type)
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kFields;
        transfer.records = kRecords;
        return transfer;
    }

    // Reads the file; checks that a refusal has one message and a success numbers that are numbers.
    TransferOutcome Read(int type, const std::string& file)
    {
        PcTransfer transfer = Transfer(type);
        transfer.records.clear();
        transfer.fileBefore = file;
        const TransferOutcome outcome = m_runner.FromPc(transfer);
        if (outcome.Succeeded())
        {
            EXPECT_TRUE(outcome.errors.empty()) << Escaped(file);
            EXPECT_TRUE(NumbersAreNumbers(outcome.records)) << Escaped(file);
            EXPECT_EQ(outcome.steps.recordCount, static_cast<int>(outcome.records.size()));
        }
        else
        {
            EXPECT_EQ(outcome.errors.size(), 1u) << Escaped(file);
            EXPECT_TRUE(outcome.steps.closed);
        }
        return outcome;
    }

    TransferRunner m_runner;
    std::mt19937 m_random{20261208};
};
}

TEST_F(DamagedRecordFiles, ReadersRefuseOrReadEveryDamagedFileSoundly)
{
    for (int type : {PCFT_DIF, PCFT_DBF, PCFT_DR1, PCFT_DR2})
    {
        const std::string original = WriteFile(m_runner, Transfer(type));
        int refused = 0;
        for (int run = 0; run < kReads; ++run)
        {
            const std::string damaged = Damaged(original, m_random);
            const TransferOutcome outcome = Read(type, damaged);
            refused += outcome.Succeeded() ? 0 : 1;
            if (outcome.Succeeded() && (type == PCFT_DR1 || type == PCFT_DR2))
            {
                EXPECT_EQ(damaged.size() % kDosRandomRecord, 0u) << Escaped(damaged);
            }
        }
        EXPECT_GT(refused, kReads / 4) << type;
    }
}

// Appending never makes a file unreadable that could be read before.
TEST_F(DamagedRecordFiles, AppendChecksRefuseDamagedFilesOrAppendSoundly)
{
    for (int type : {PCFT_DIF, PCFT_DBF, PCFT_DR1, PCFT_DR2, PCFT_WKQ, PCFT_WKS, PCFT_XLS})
    {
        const std::string original = WriteFile(m_runner, Transfer(type));
        const bool readable = type <= PCFT_DR2;
        for (int run = 0; run < kAppends; ++run)
        {
            PcTransfer transfer = Transfer(type);
            transfer.records.resize(1);
            transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
            transfer.fileBefore = Damaged(original, m_random);
            const TransferOutcome outcome = m_runner.ToPc(transfer);
            if (!outcome.Succeeded())
            {
                EXPECT_EQ(outcome.errors.size(), 1u) << Escaped(*transfer.fileBefore);
                EXPECT_BYTES(FileOf(outcome), *transfer.fileBefore);
                continue;
            }
            EXPECT_TRUE(outcome.errors.empty());
            if (!readable || transfer.fileBefore->empty())
                continue;
            const TransferOutcome before = Read(type, *transfer.fileBefore);
            if (!before.Succeeded())
                continue;
            const TransferOutcome after = Read(type, FileOf(outcome));
            EXPECT_TRUE(after.Succeeded()) << Escaped(*transfer.fileBefore);
            EXPECT_EQ(after.records.size(), before.records.size() + 1) << Escaped(*transfer.fileBefore);
        }
    }
}
