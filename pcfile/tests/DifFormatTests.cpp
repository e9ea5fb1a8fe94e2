// DIF files: the header with its counts, one tuple per record, EOD at the end; the reader's checks of the lines.
#include "RecordFormatSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kNameQty = {{"NAME", HFT_CHARACTER, 1, 0}, {"QTY", HFT_ZONED, 2, 0}};
const std::vector<HostFieldDefinition> kThree = {
    {"NAME", HFT_CHARACTER, 4, 0}, {"PRICE", HFT_PACKED, 7, 2}, {"QTY", HFT_ZONED, 4, 0}};

std::string Text(const std::string& value)
{
    return "1,0\r\n\"" + value + "\"\r\n";
}

std::string Number(const std::string& value)
{
    return "0," + value + "\r\nV\r\n";
}

const std::string kNextTuple = "-1,0\r\nBOT\r\n";
const std::string kEnd = "-1,0\r\nEOD\r\n";

class DifFormat : public testing::Test
{
protected:
    PcTransfer Transfer(const std::vector<HostFieldDefinition>& fields, std::vector<std::vector<std::string>> records)
    {
        PcTransfer transfer;
        transfer.fileType = PCFT_DIF;
        transfer.fields = fields;
        transfer.records = std::move(records);
        return transfer;
    }

    TransferOutcome Read(const std::vector<HostFieldDefinition>& fields, const std::string& file)
    {
        PcTransfer transfer = Transfer(fields, {});
        transfer.fileBefore = file;
        return m_runner.FromPc(transfer);
    }

    TransferRunner m_runner;
};
}

TEST_F(DifFormat, OneRecordGivesTheHeaderATupleAndEod)
{
    const std::string file = WriteFile(m_runner, Transfer(kNameQty, {{"A", "12"}}));
    EXPECT_BYTES(file, DifHeaderBytes("1", "2") + Text("A") + Number("12") + kEnd);
    EXPECT_EQ(file.size(), 113u);
}

TEST_F(DifFormat, VectorsCountsRecordsAndTuplesFields)
{
    const std::string file = WriteFile(m_runner,
                                       Transfer(kThree, {{"a\"b", "  12.50", " 007"}, {"", "-001.00", "-042"}}));
    EXPECT_BYTES(file, DifHeaderBytes("2", "3") + Text("a\"\"b ") + Number("  12.50") + Number(" 007") + kNextTuple +
                           Text("    ") + Number("-001.00") + Number("-042") + kEnd);
    EXPECT_EQ(file.find("EOD"), file.rfind("EOD"));
}

TEST_F(DifFormat, AnEmptyTransferWritesTheHeaderEndedByEod)
{
    const std::string file = WriteFile(m_runner, Transfer(kNameQty, {}));
    const std::string header = DifHeaderBytes("0", "2");
    EXPECT_BYTES(file, header.substr(0, header.size() - 5) + "EOD\r\n");
    EXPECT_EQ(file.size(), 83u);
    EXPECT_TRUE(ReadBack(m_runner, Transfer(kNameQty, {}), file).records.empty());
}

// Counts wider than the four places the header keeps for them widen their line.
TEST_F(DifFormat, TenThousandRecordsWidenTheRecordCountAndReadBackWhole)
{
    PcTransfer transfer = Transfer(kNameQty, {});
    for (int i = 0; i < 10000; ++i)
        transfer.records.push_back({std::string(1, static_cast<char>('a' + i % 26)), std::to_string(10 + i % 90)});
    const std::string file = WriteFile(m_runner, transfer);
    std::string header = DifHeaderBytes("10000", "2");
    EXPECT_BYTES(file.substr(0, header.size()), header);
    EXPECT_EQ(file.size(), header.size() + 10000u * 30u);
    const TransferOutcome read = ReadBack(m_runner, transfer, file);
    EXPECT_TRUE(read.records == transfer.records);
}

TEST_F(DifFormat, AppendingContinuesTheTuplesAndTheCount)
{
    PcTransfer transfer = Transfer(kNameQty, {{"A", "12"}, {"B", "34"}});
    const std::string two = WriteFile(m_runner, transfer);
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    transfer.records = {{"C", "56"}};
    const std::string expected = DifHeaderBytes("3", "2") + Text("A") + Number("12") + kNextTuple + Text("B") +
                                 Number("34") + kNextTuple + Text("C") + Number("56") + kEnd;
    for (const std::string& end : {std::string(), std::string("\x1A")})
    {
        transfer.fileBefore = two + end;
        EXPECT_BYTES(WriteFile(m_runner, transfer), expected);
    }
    std::string lower = two;
    lower.replace(lower.size() - 5, 3, "eod");
    transfer.fileBefore = lower.substr(0, lower.size() - 2);
    EXPECT_BYTES(WriteFile(m_runner, transfer), expected);

    transfer.fileBefore = std::string();
    transfer.records = {{"A", "12"}};
    EXPECT_BYTES(WriteFile(m_runner, transfer), DifHeaderBytes("1", "2") + Text("A") + Number("12") + kEnd);

    transfer.records = {{"A", "12"}, {"B", "34"}, {"C", "56"}};
    transfer.fileBefore = WriteFile(m_runner, Transfer(kNameQty, {}));
    const TransferOutcome read = ReadBack(m_runner, transfer, WriteFile(m_runner, transfer));
    EXPECT_EQ(read.records, transfer.records);
}

TEST_F(DifFormat, AppendingToAnotherStructureIsRefusedWithoutTouchingTheFile)
{
    PcTransfer transfer = Transfer(kNameQty, {{"C", "56"}});
    transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
    const std::string good = DifHeaderBytes("1", "2") + Text("A") + Number("12") + kEnd;
    for (const std::string& before :
         {DifHeaderBytes("1", "2") + Number("12") + Text("A") + kEnd, DifHeaderBytes("1", "2") + Text("A") + kEnd,
          good.substr(0, good.size() - 5), good + "more\r\n", std::string("TABLE\r\n0,1\r\n")})
    {
        transfer.fileBefore = before;
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        ExpectFailure(outcome, ZriText(14), Escaped(before));
        EXPECT_BYTES(FileOf(outcome), before);
    }
}

TEST_F(DifFormat, TextsAreReadWithoutTheirQuotesAndNumbersAtTheirWidth)
{
    const std::string file = "table\r\n0,1\r\n\"title\"\r\nvectors\r\n0,7\r\n\"\"\r\n-1,0\r\nbot\r\n" + Text("x\"\"y") +
                             "0,12.5\r\nv\r\n" + Number("") + kNextTuple + Text("") + Number("-3") + Number("1.5E2") +
                             "-1,0\r\nEOD\r\nanything after the end";
    const TransferOutcome read = ReadBack(m_runner, Transfer(kThree, {}), file);
    EXPECT_EQ(read.records,
              (std::vector<std::vector<std::string>>{{"x\"y ", "  12.50", "    "}, {"    ", "  -3.00", " 150"}}));
}

TEST_F(DifFormat, AFileTitledExcelHasItsFieldNamesInTheFirstTuple)
{
    const std::string file = "TABLE\r\n0,1\r\n\"EXCEL\"\r\nVECTORS\r\n0,3\r\n\"\"\r\n-1,0\r\nBOT\r\n" + Text("NAME") +
                             Text("QTY") + kNextTuple + Text("A") + Number("12") + kEnd;
    const TransferOutcome read = ReadBack(m_runner, Transfer(kNameQty, {}), file);
    EXPECT_EQ(read.records, (std::vector<std::vector<std::string>>{{"A", "12"}}));
}

TEST_F(DifFormat, TuplesThatDoNotFitFailWithTheirField)
{
    const std::string header = DifHeaderBytes("2", "3");
    const std::string first = Text("ab") + Number("  12.50") + Number(" 007") + kNextTuple;
    const struct
    {
        std::string file;
        std::string message;
    } cases[] = {
        {header + first + Text("cd") + Number("  12.50") + kEnd, ZriText(12, "2")},
        {header + first + Text("cd") + Text("12") + Number("1") + kEnd, ZriText(12, "1")},
        {header + first + Text("cd") + Number("  12.50") + Number("1") + Number("2") + kEnd, ZriText(12, "2")},
        {header + first + Text("cd") + Number("  12.50") + Number(" 007"), ZriText(12, "2")},
        {header + first + Text("cd") + Number("  12.50") + Number(" 007") + "-1,0\r\n", ZriText(12, "2")},
        {header + first + Text("toolong") + Number("1") + Number("1") + kEnd, ZriText(12, "0")},
        {header + first + Text("cd") + Number("123456.789") + Number("1") + kEnd, ZriText(12, "1")},
        {header + first + "1,0\r\nno quotes\r\n" + Number("1") + Number("1") + kEnd, ZriText(12, "0")},
        {header + first + Text("c\x1A") + Number("1") + Number("1") + kEnd, ZriText(12, "0")},
        {header + first + Text("cd") + "0,1\r\nW\r\n" + Number("1") + kEnd, ZriText(12, "1")},
        {header + Text("ab") + Number("  12.50") + kEnd, ZriText(14)},
        {header + Number("1") + Number("  12.50") + Number("1") + kEnd, ZriText(14)},
        {"TABLE\r\n0,2\r\n" + first + kEnd, ZriText(14)},
        {"TABLE\r\n0,1\r\n\"\"\r\n-1,0\r\nXYZ\r\n" + first + kEnd, ZriText(14)},
        {"TABLE\r\n0,1\r\n\"\"\r\nVECTORS\r\n0,x\r\n" + first + kEnd, ZriText(14)},
    };
    for (const auto& c : cases)
    {
        const TransferOutcome outcome = Read(kThree, c.file);
        ExpectFailure(outcome, c.message, Escaped(c.file));
    }
}

// A line end or a Ctrl-Z inside a text would end the value's line: such a value cannot be written.
TEST_F(DifFormat, TextsWithLineEndsAreRefused)
{
    for (const char* text : {"a\rb", "a\nb", "a\x1A"})
    {
        const TransferOutcome outcome = m_runner.ToPc(Transfer({{"NAME", HFT_CHARACTER, 3, 0}}, {{"abc"}, {text}}));
        ExpectFailure(outcome, ZriText(12, "0"));
    }
}
