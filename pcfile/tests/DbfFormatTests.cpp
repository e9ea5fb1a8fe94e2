// DBF files: the header, records behind a deletion flag, the count and end mark written last; reading skips
// deleted records and lays each column into its field.
#include "RecordFormatSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kNameAndQty = {{"NAME", HFT_CHARACTER, 10, 0}, {"QTY", HFT_ZONED, 5, 0}};
const std::vector<DbfColumnDefinition> kColumns = {{"NAME", 'C', 10, 0}, {"QTY", 'N', 5, 0}};

class DbfFormat : public testing::Test
{
protected:
    PcTransfer Transfer(std::vector<std::vector<std::string>> records)
    {
        PcTransfer transfer;
        transfer.fileType = PCFT_DBF;
        transfer.fields = kNameAndQty;
        transfer.records = std::move(records);
        return transfer;
    }

    TransferOutcome Read(const std::string& file, std::vector<HostFieldDefinition> fields = kNameAndQty)
    {
        PcTransfer transfer = Transfer({});
        transfer.fields = std::move(fields);
        transfer.fileBefore = file;
        return m_runner.FromPc(transfer);
    }

    TransferRunner m_runner;
};

std::string Record(const std::string& name, const std::string& qty, char flag = ' ')
{
    return flag + name + std::string(10 - name.size(), ' ') + qty;
}
}

TEST_F(DbfFormat, HeaderDescriptorsAndRecordsAreWrittenAsDbaseIII)
{
    const std::string file = WriteFile(m_runner, Transfer({{"ABC", " 0042"}}));
    EXPECT_BYTES(file, DbfHeaderBytes(1, kColumns) + Record("ABC", " 0042") + "\x1A");
    EXPECT_EQ(file.size(), 114u);
    EXPECT_EQ(file.substr(8, 4), Le16(97) + Le16(16));
    EXPECT_EQ(file.substr(32 + 11, 5), std::string("C") + Le32(1));
    EXPECT_EQ(file.substr(64 + 11, 5), std::string("N") + Le32(11));
}

TEST_F(DbfFormat, DecimalsStandInTheDescriptor)
{
    PcTransfer transfer = Transfer({{"x", "-12.50"}});
    transfer.fields = {{"T", HFT_CHARACTER, 1, 0}, {"AMOUNT", HFT_PACKED, 6, 2}};
    EXPECT_BYTES(WriteFile(m_runner, transfer),
                 DbfHeaderBytes(1, {{"T", 'C', 1, 0}, {"AMOUNT", 'N', 6, 2}}) + " x-12.50\x1A");
}

TEST_F(DbfFormat, AnEmptyTransferWritesAnEmptyTableThatReadsAsNoRecords)
{
    const std::string file = WriteFile(m_runner, Transfer({}));
    EXPECT_BYTES(file, DbfHeaderBytes(0, kColumns) + "\x1A");
    EXPECT_EQ(file.size(), 98u);
    const TransferOutcome read = ReadBack(m_runner, Transfer({}), file);
    EXPECT_TRUE(read.records.empty());
}

TEST_F(DbfFormat, DeletedRecordsAreSkippedWhereverTheyStand)
{
    const std::string a = Record("alpha", "    1");
    const std::string b = Record("beta", "   -2");
    const std::string gone = Record("gone", "    9", '*');
    const std::vector<std::vector<std::string>> both = {{"alpha     ", "    1"}, {"beta      ", "   -2"}};
    for (const std::string& body : {gone + a + b, a + gone + b, a + b + gone, a + gone + gone + b + gone})
    {
        const unsigned long count = static_cast<unsigned long>(body.size() / 16);
        for (const std::string& end : {std::string("\x1A"), std::string()})
        {
            const TransferOutcome read = ReadBack(m_runner, Transfer({}), DbfHeaderBytes(count, kColumns) + body + end);
            EXPECT_EQ(read.records, both) << Escaped(body);
        }
    }
    const TransferOutcome onlyDeleted = ReadBack(m_runner, Transfer({}), DbfHeaderBytes(1, kColumns) + gone + "\x1A");
    EXPECT_TRUE(onlyDeleted.records.empty());
}

TEST_F(DbfFormat, ColumnsOfOtherWidthsAreLaidIntoTheirFields)
{
    const std::vector<DbfColumnDefinition> columns = {{"NAME", 'C', 4, 0}, {"QTY", 'N', 8, 2}};
    const std::string file = DbfHeaderBytes(2, columns) + " abcd   12.00" + " xy     -0.50" + "\x1A";
    const TransferOutcome read = ReadBack(m_runner, Transfer({}), file);
    EXPECT_EQ(read.records, (std::vector<std::vector<std::string>>{{"abcd      ", "   12"}, {"xy        ", "   -0"}}));

    const std::vector<DbfColumnDefinition> wide = {{"NAME", 'C', 12, 0}, {"QTY", 'N', 5, 0}};
    const TransferOutcome cut = ReadBack(m_runner, Transfer({}),
                                         DbfHeaderBytes(1, wide) + " abcdefghij      7" + "\x1A");
    EXPECT_EQ(cut.records, (std::vector<std::vector<std::string>>{{"abcdefghij", "    7"}}));
    ExpectFailure(Read(DbfHeaderBytes(1, wide) + " abcdefghijkl    7" + "\x1A"), ZriText(12, "0"));
    const std::vector<DbfColumnDefinition> wideNumber = {{"NAME", 'C', 10, 0}, {"QTY", 'N', 7, 0}};
    ExpectFailure(Read(DbfHeaderBytes(1, wideNumber) + Record("a", "1234567") + "\x1A"), ZriText(12, "1"));
}

TEST_F(DbfFormat, HeadersThatDoNotDescribeTheFieldsAreRefused)
{
    const std::string good = DbfHeaderBytes(1, kColumns) + Record("a", "    1") + "\x1A";
    std::string wrongLength = good;
    wrongLength[10] = 17;
    std::string shortHeaderLength = good;
    shortHeaderLength[8] = 64;
    std::string noTerminator = good;
    noTerminator[96] = ' ';
    const std::string files[] = {
        good.substr(0, 20),
        good.substr(0, 80),
        wrongLength,
        shortHeaderLength,
        noTerminator,
        DbfHeaderBytes(1, {{"NAME", 'C', 10, 0}}) + " a         \x1A",
        DbfHeaderBytes(1, {{"NAME", 'C', 10, 0}, {"QTY", 'C', 5, 0}}) + Record("a", "    1") + "\x1A",
        DbfHeaderBytes(1, {{"NAME", 'C', 10, 0}, {"QTY", 'D', 5, 0}}) + Record("a", "    1") + "\x1A",
    };
    for (const std::string& file : files)
    {
        const TransferOutcome outcome = Read(file);
        ExpectFailure(outcome, ZriText(14), Escaped(file));
        EXPECT_FALSE(outcome.steps.layoutTaken);
    }
}

TEST_F(DbfFormat, ARecordCutShortIsReportedWithItsNumber)
{
    const std::string file = DbfHeaderBytes(2, kColumns) + Record("a", "    1") + Record("b", "    2").substr(0, 9);
    ExpectFailure(Read(file), ZriText(17, "2"));
    ExpectFailure(Read(DbfHeaderBytes(2, kColumns) + Record("a", "   x1") + "\x1A"), ZriText(12, "1"));
}

// The header's count says where the records end: a file that holds fewer is damaged, bytes after them are not data.
TEST_F(DbfFormat, TheHeadersRecordCountIsHeld)
{
    std::string body;
    for (int i = 0; i < 25; ++i)
        body += Record("r" + std::to_string(i), "    1");
    for (size_t kept : {10u, 1u, 0u})
        ExpectFailure(Read(DbfHeaderBytes(25, kColumns) + body.substr(0, kept * 16) + "\x1A"),
                      ZriText(17, std::to_string(kept + 1)));
    ExpectFailure(Read(DbfHeaderBytes(100, kColumns) + body + "\x1A"), ZriText(17, "26"));
    ExpectFailure(Read(DbfHeaderBytes(0xFFFFFFFFul, kColumns) + body), ZriText(17, "26"));
    ExpectFailure(Read(DbfHeaderBytes(2, kColumns) + Record("a", "    1", '*')), ZriText(17, "1"));

    const TransferOutcome counted = ReadBack(m_runner, Transfer({}), DbfHeaderBytes(3, kColumns) + body + "\x1A");
    ASSERT_EQ(counted.records.size(), 3u);
    EXPECT_EQ(counted.records[2], (std::vector<std::string>{"r2        ", "    1"}));
    const TransferOutcome trailing = ReadBack(m_runner, Transfer({}),
                                              DbfHeaderBytes(25, kColumns) + body + "\x1Agarbage\x1A\x1A");
    EXPECT_EQ(trailing.records.size(), 25u);
}

TEST_F(DbfFormat, AppendingNeedsEveryCountedRecordAndFollowsTheLastOne)
{
    PcTransfer transfer = Transfer({{"new", "    5"}});
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    transfer.fileBefore = DbfHeaderBytes(3, kColumns) + Record("a", "    1") + Record("b", "    2") + "\x1A";
    const TransferOutcome refused = m_runner.ToPc(transfer);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_BYTES(FileOf(refused), *transfer.fileBefore);

    transfer.fileBefore = DbfHeaderBytes(1, kColumns) + Record("a", "    1") + "\x1Aold bytes";
    const TransferOutcome appended = m_runner.ToPc(transfer);
    ASSERT_TRUE(appended.Succeeded());
    const TransferOutcome read = ReadBack(m_runner, Transfer({}), FileOf(appended));
    EXPECT_EQ(read.records, (std::vector<std::vector<std::string>>{{"a         ", "    1"}, {"new       ", "    5"}}));
}

TEST_F(DbfFormat, AppendingContinuesTheCountAndKeepsTheDate)
{
    std::string before = DbfHeaderBytes(1, kColumns) + Record("old", "    5") + "\x1A";
    before[1] = 99;
    before[2] = 12;
    before[3] = 31;
    PcTransfer transfer = Transfer({{"new", "    6"}, {"newer", "   -7"}});
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    transfer.fileBefore = before;
    std::string expected = before.substr(0, before.size() - 1) + Record("new", "    6") + Record("newer", "   -7") +
                           "\x1A";
    expected[4] = 3;
    EXPECT_BYTES(WriteFile(m_runner, transfer), expected);

    transfer.fileBefore = before.substr(0, before.size() - 1);
    EXPECT_BYTES(WriteFile(m_runner, transfer), expected);

    transfer.fileBefore = WriteFile(m_runner, Transfer({}));
    EXPECT_BYTES(WriteFile(m_runner, transfer),
                 DbfHeaderBytes(2, kColumns) + Record("new", "    6") + Record("newer", "   -7") + "\x1A");
}

TEST_F(DbfFormat, AppendingToATableOfOtherColumnsIsRefused)
{
    PcTransfer transfer = Transfer({{"new", "    6"}});
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    for (const std::vector<DbfColumnDefinition>& columns :
         std::vector<std::vector<DbfColumnDefinition>>{{{"NAME", 'C', 10, 0}, {"QTY", 'N', 6, 0}},
                                                       {{"NAME", 'C', 9, 0}, {"QTY", 'N', 5, 0}},
                                                       {{"NAME", 'N', 10, 0}, {"QTY", 'N', 5, 0}},
                                                       {{"NAME", 'C', 10, 0}}})
    {
        transfer.fileBefore = DbfHeaderBytes(0, columns) + "\x1A";
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        ExpectFailure(outcome, ZriText(14));
        EXPECT_BYTES(FileOf(outcome), *transfer.fileBefore);
    }
}

// A column's length is one byte: wider text fields cannot be described.
TEST_F(DbfFormat, TextFieldsWiderThan255AreRefused)
{
    PcTransfer transfer = Transfer({{"a", "    1"}});
    transfer.fields = {{"NAME", HFT_CHARACTER, 255, 0}, {"LONG", HFT_CHARACTER, 256, 0}};
    const TransferOutcome outcome = m_runner.ToPc(transfer);
    ExpectFailure(outcome, ZriText(5, "1"));
    EXPECT_BYTES(FileOf(outcome), "");
}
