// Readers over damaged files: each mutated file is either read into records whose numbers are numbers, or refused
// with exactly one message; never a crash.
#include "PcFileTestSupport.h"

#include "FileMutation.h"

namespace
{
const std::vector<HostFieldDefinition> kFields = {
    {"NAME", HFT_CHARACTER, 6, 0}, {"PRICE", HFT_PACKED, 7, 2}, {"QTY", HFT_ZONED, 4, 0}};
const std::vector<std::vector<std::string>> kRecords = {
    {"ab\"c", " 012.50", " 042"}, {"", "-000.01", "-001"}, {"x,y z", " 999.99", " 000"}, {"\t", " 001.00", " 123"}};

std::string Damaged(const std::string& file, std::mt19937& random)
{
    static const char interesting[] = {'"', ',', '\t', ' ', '\r', '\n', '\x1A', '\0', '.', '-', 'E', '9', '\xFF'};
    return Mutate(file, random, std::string(interesting, sizeof interesting), 3, false);
}
}

TEST(MutatedInput, EveryReaderRefusesOrReadsDamagedFilesSoundly)
{
    TransferRunner runner;
    std::mt19937 random(20240611);
    for (int type : {PCFT_TXT, PCFT_TAB, PCFT_CSV, PCFT_PRN, PCFT_DLM})
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = kFields;
        transfer.records = kRecords;
        const std::string original = WriteFile(runner, transfer);
        transfer.records.clear();
        int refused = 0;
        for (int run = 0; run < 150; ++run)
        {
            transfer.fileBefore = Damaged(original, random);
            const TransferOutcome outcome = runner.FromPc(transfer);
            if (outcome.Succeeded())
            {
                EXPECT_TRUE(outcome.errors.empty()) << Escaped(*transfer.fileBefore);
                EXPECT_TRUE(NumbersAreNumbers(outcome.records)) << Escaped(*transfer.fileBefore);
                EXPECT_EQ(outcome.steps.recordCount, static_cast<int>(outcome.records.size()));
            }
            else
            {
                ++refused;
                EXPECT_EQ(outcome.errors.size(), 1u) << Escaped(*transfer.fileBefore);
                EXPECT_TRUE(outcome.steps.closed);
            }
        }
        EXPECT_GT(refused, 0) << type;
    }
}
