// The questions before a PC file is created or replaced: asked only with their options on, and No leaves the file
// as it was and fails without a message.
#include "PcFileTestSupport.h"

#include "MessageBoxWatcher.h"

namespace
{
const char kReplace[] = "The file to be created already exists. Do you want to replace it?";
const char kCreate[] = "The file doesn't exist. Do you want to create it?";
const char kBefore[] = "old contents\r\n";

class Questions : public testing::Test
{
protected:
    PcTransfer Transfer(int mode, bool exists, int confirmCreating, int confirmReplacing)
    {
        PcTransfer transfer;
        transfer.fileType = PCFT_CSV;
        transfer.fields = {{"NAME", HFT_CHARACTER, 2, 0}};
        transfer.records = {{"ab"}};
        transfer.profile = {{ZRP_PC_WRITE_MODE, mode}};
        transfer.options = {{ZRO_CONFIRM_CREATING, confirmCreating}, {ZRO_CONFIRM_REPLACING, confirmReplacing}};
        if (exists)
            transfer.fileBefore = kBefore;
        return transfer;
    }

    void ExpectAsked(const char* question, int answer)
    {
        const std::vector<SeenDialog> seen = m_watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, "ZRT");
        EXPECT_EQ(seen[0].text, question);
        EXPECT_EQ(seen[0].answer, answer);
        EXPECT_EQ(seen[0].buttons.size(), 2u);
    }

    TransferRunner m_runner;
    MessageBoxWatcher m_watcher;
};
}

TEST_F(Questions, ReplacingAnExistingFileAsksAndNoLeavesItUntouched)
{
    m_watcher.Answer(IDNO);
    const TransferOutcome outcome = m_runner.ToPc(Transfer(ZRPCWM_CREATE, true, 0, 1));
    ExpectAsked(kReplace, IDNO);
    EXPECT_FALSE(outcome.steps.opened);
    EXPECT_TRUE(outcome.errors.empty());
    EXPECT_BYTES(FileOf(outcome), kBefore);
}

TEST_F(Questions, ReplacingAnExistingFileAsksAndYesWritesIt)
{
    m_watcher.Answer(IDYES);
    const TransferOutcome outcome = m_runner.ToPc(Transfer(ZRPCWM_CREATE, true, 0, 1));
    ExpectAsked(kReplace, IDYES);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_BYTES(FileOf(outcome), "\"ab\"\r\n");
}

TEST_F(Questions, CreatingAMissingFileAsksAndNoCreatesNothing)
{
    m_watcher.Answer(IDNO);
    const TransferOutcome outcome = m_runner.ToPc(Transfer(ZRPCWM_REPLACE, false, 1, 0));
    ExpectAsked(kCreate, IDNO);
    EXPECT_FALSE(outcome.steps.opened);
    EXPECT_TRUE(outcome.errors.empty());
    EXPECT_FALSE(outcome.file.has_value());
}

TEST_F(Questions, CreatingAMissingFileAsksAndYesCreatesIt)
{
    m_watcher.Answer(IDYES);
    const TransferOutcome outcome = m_runner.ToPc(Transfer(ZRPCWM_REPLACE, false, 1, 0));
    ExpectAsked(kCreate, IDYES);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_BYTES(FileOf(outcome), "\"ab\"\r\n");
}

TEST_F(Questions, NothingIsAskedWhenTheOptionIsOffOrTheCaseDoesNotArise)
{
    const struct
    {
        int mode;
        bool exists;
        int confirmCreating;
        int confirmReplacing;
    } cases[] = {{ZRPCWM_CREATE, true, 1, 0},
                 {ZRPCWM_REPLACE, false, 0, 1},
                 {ZRPCWM_CREATE, false, 1, 1},
                 {ZRPCWM_REPLACE, true, 1, 1},
                 {ZRPCWM_APPEND, true, 1, 1}};
    for (const auto& c : cases)
    {
        const TransferOutcome outcome = m_runner.ToPc(
            Transfer(c.mode, c.exists, c.confirmCreating, c.confirmReplacing));
        EXPECT_TRUE(outcome.Succeeded()) << c.mode << "/" << c.exists;
    }
    EXPECT_TRUE(m_watcher.Seen().empty());
}
