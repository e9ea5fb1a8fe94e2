// The questions before a workbook is created or its worksheet replaced: asked only with their options on, owned by
// the notification window and captioned with the product's short name; No leaves everything as it was and fails
// without a message.
#include "ExcelTestSupport.h"

#include "MessageBoxWatcher.h"

namespace
{
const char kReplace[] = "The file to be created already exists. Do you want to replace it?";
const char kCreate[] = "The file doesn't exist. Do you want to create it?";

class ExcelQuestions : public ExcelTransfer
{
protected:
    TransferOutcome WriteAsking(int mode, int confirmCreating, int confirmReplacing)
    {
        PcTransfer transfer;
        transfer.fileType = PCFT_EXCEL97;
        transfer.fileName = "asked.xls";
        transfer.fields = {{"NAME", HFT_CHARACTER, 2, 0}};
        transfer.records = {{"ab"}};
        transfer.profile = {{ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ANSI}, {ZRP_PC_WRITE_MODE, mode}};
        transfer.options = {{ZRO_CONFIRM_CREATING, confirmCreating}, {ZRO_CONFIRM_REPLACING, confirmReplacing}};
        transfer.fileBefore = ReadWholeFile(Path("asked.xls"));
        return m_runner.ToPc(transfer);
    }

    void ExpectAsked(const char* question, int answer)
    {
        const std::vector<SeenDialog> seen = m_watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, "ZRT");
        EXPECT_EQ(seen[0].text, question);
        EXPECT_EQ(seen[0].answer, answer);
    }

    MessageBoxWatcher m_watcher;
};
}

TEST_F(ExcelQuestions, ReplacingAnExistingWorkbookAsksAndNoLeavesItUntouched)
{
    SaveBook("asked.xls", BookOf({{TextCell(L"old")}}));
    const std::optional<std::string> before = ReadWholeFile(Path("asked.xls"));
    m_watcher.Answer(IDNO);
    const TransferOutcome refused = WriteAsking(ZRPCWM_CREATE, 0, 1);
    ExpectAsked(kReplace, IDNO);
    EXPECT_FALSE(refused.steps.opened);
    EXPECT_TRUE(refused.errors.empty());
    EXPECT_EQ(before, refused.file);

    m_watcher.Answer(IDYES);
    EXPECT_TRUE(WriteAsking(ZRPCWM_CREATE, 0, 1).Succeeded());
    EXPECT_EQ(L"ab", LoadBook("asked.xls").sheets[0].cells.at({1, 1}).text);
}

TEST_F(ExcelQuestions, CreatingAMissingWorkbookAsksAndNoCreatesNothing)
{
    m_watcher.Answer(IDNO);
    const TransferOutcome refused = WriteAsking(ZRPCWM_REPLACE, 1, 0);
    ExpectAsked(kCreate, IDNO);
    EXPECT_FALSE(refused.steps.opened);
    EXPECT_TRUE(refused.errors.empty());
    EXPECT_FALSE(refused.file.has_value());

    m_watcher.Answer(IDYES);
    EXPECT_TRUE(WriteAsking(ZRPCWM_REPLACE, 1, 0).Succeeded());
    EXPECT_EQ(L"ab", LoadBook("asked.xls").sheets[0].cells.at({1, 1}).text);
}
