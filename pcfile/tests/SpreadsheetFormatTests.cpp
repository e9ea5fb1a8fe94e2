// WKS, WKQ and XLS files: the names row, one row of cells per record, the number cells chosen by the value, the
// trailer; appending below the last row.
#include "RecordFormatSupport.h"

namespace
{
const std::vector<HostFieldDefinition> kNameQty = {{"NAME", HFT_CHARACTER, 3, 0}, {"QTY", HFT_ZONED, 5, 0}};

std::string FromHex(const char* hex)
{
    std::string bytes;
    for (const char* at = hex; *at; ++at)
        if (*at != ' ')
        {
            bytes += static_cast<char>(std::stoi(std::string(at, 2), nullptr, 16));
            ++at;
        }
    return bytes;
}

std::string LotusNames()
{
    return LotusBof() + LotusLabel(0, 0, "NAME") + LotusLabel(1, 0, "QTY");
}

std::string BiffNames(unsigned rowsPlusOne)
{
    return BiffBof() + BiffDimensions(rowsPlusOne, 3) + BiffLabel(0, 0, "NAME") + BiffLabel(0, 1, "QTY");
}

class Spreadsheets : public testing::Test
{
protected:
    PcTransfer Transfer(int type, std::vector<std::vector<std::string>> records,
                        const std::vector<HostFieldDefinition>& fields = kNameQty)
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = fields;
        transfer.records = std::move(records);
        return transfer;
    }

    PcTransfer Append(int type, std::vector<std::vector<std::string>> records, const std::string& before)
    {
        PcTransfer transfer = Transfer(type, std::move(records));
        transfer.profile = {{ZRP_PC_WRITE_MODE, ZRPCWM_APPEND}};
        transfer.fileBefore = before;
        return transfer;
    }

    TransferRunner m_runner;
};
}

TEST_F(Spreadsheets, OneRecordGivesTheNamesRowAndOneRowOfCells)
{
    const std::string xls = WriteFile(m_runner, Transfer(PCFT_XLS, {{"ABC", " 0042"}}));
    EXPECT_BYTES(xls, FromHex("09 00 04 00 02 00 10 00 00 00 08 00 00 00 02 00 00 00 03 00 04 00 0c 00 00 00 00 00 "
                              "00 00 00 04 4e 41 4d 45 04 00 0b 00 00 00 01 00 00 00 00 03 51 54 59 04 00 0b 00 01 "
                              "00 00 00 00 00 00 03 41 42 43 02 00 09 00 01 00 01 00 00 00 00 2a 00 0a 00 00 00"));
    EXPECT_BYTES(xls, BiffNames(2) + BiffLabel(1, 0, "ABC") + BiffInteger(1, 1, 42) + BiffEof());
    const std::string wks = WriteFile(m_runner, Transfer(PCFT_WKS, {{"ABC", " 0042"}}));
    EXPECT_BYTES(wks, FromHex("00 00 02 00 04 04 0f 00 0b 00 f5 00 00 00 00 27 4e 41 4d 45 00 0f 00 0a 00 f5 01 00 "
                              "00 00 27 51 54 59 00 0f 00 0a 00 f5 00 00 01 00 27 41 42 43 00 0d 00 07 00 ff 01 00 "
                              "01 00 2a 00 01 00 00 00"));
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_WKQ, {{"ABC", " 0042"}})), wks);
}

TEST_F(Spreadsheets, ThreeRecordsFillRowsOneToThreeAndDimensions)
{
    const std::vector<std::vector<std::string>> records = {{"a", "    1"}, {"b", "    2"}, {"c", "    3"}};
    std::string cells;
    for (unsigned row = 1; row <= 3; ++row)
        cells += BiffLabel(row, 0, records[row - 1][0] + "  ") + BiffInteger(row, 1, row);
    const std::string xls = WriteFile(m_runner, Transfer(PCFT_XLS, records));
    EXPECT_BYTES(xls, BiffNames(4) + cells + BiffEof());
    EXPECT_BYTES(xls.substr(12, 8), Le16(0) + Le16(4) + Le16(0) + Le16(3));
}

TEST_F(Spreadsheets, NumbersBecomeIntegerCellsOnlyWhenWholeAndSmall)
{
    const std::vector<HostFieldDefinition> fields = {{"WHOLE", HFT_ZONED, 6, 0},
                                                     {"PRICE", HFT_PACKED, 7, 2},
                                                     {"BIG", HFT_BINARY, 11, 0},
                                                     {"HUGE", HFT_PACKED, 15, 0}};
    const std::vector<std::vector<std::string>> records = {{" 40000", "  12.50", " 2147483648", "-12345678901234"},
                                                           {"   123", " 000.00", "-0000032768", "             7"},
                                                           {"    -5", "-000.01", "      32767", "              "}};
    std::string wks = LotusBof() + LotusLabel(0, 0, "WHOLE") + LotusLabel(1, 0, "PRICE") + LotusLabel(2, 0, "BIG") +
                      LotusLabel(3, 0, "HUGE");
    wks += LotusNumber(0, 1, 40000) + LotusNumber(1, 1, 12.5) + LotusNumber(2, 1, 2147483648.0) +
           LotusNumber(3, 1, -12345678901234.0);
    wks += LotusInteger(0, 2, 123) + LotusNumber(1, 2, 0) + LotusInteger(2, 2, -32768) + LotusInteger(3, 2, 7);
    wks += LotusInteger(0, 3, -5) + LotusNumber(1, 3, -0.01) + LotusInteger(2, 3, 32767) + LotusInteger(3, 3, 0);
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_WKS, records, fields)), wks + LotusEof());

    std::string xls = BiffBof() + BiffDimensions(4, 5) + BiffLabel(0, 0, "WHOLE") + BiffLabel(0, 1, "PRICE") +
                      BiffLabel(0, 2, "BIG") + BiffLabel(0, 3, "HUGE");
    xls += BiffNumber(1, 0, 40000) + BiffNumber(1, 1, 12.5) + BiffNumber(1, 2, 2147483648.0) +
           BiffNumber(1, 3, -12345678901234.0);
    xls += BiffInteger(2, 0, 123) + BiffNumber(2, 1, 0) + BiffNumber(2, 2, -32768) + BiffInteger(2, 3, 7);
    xls += BiffNumber(3, 0, -5) + BiffNumber(3, 1, -0.01) + BiffInteger(3, 2, 32767) + BiffInteger(3, 3, 0);
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_XLS, records, fields)), xls + BiffEof());
}

TEST_F(Spreadsheets, TextsAreLabelsAtFullLengthAndExcelLabelsStopAt255Bytes)
{
    const std::string text20 = "twenty characters ok";
    const std::string xls20 = WriteFile(m_runner, Transfer(PCFT_XLS, {{text20}}, {{"T", HFT_CHARACTER, 20, 0}}));
    EXPECT_NE(xls20.find(BiffLabel(1, 0, text20)), std::string::npos);
    EXPECT_EQ(BiffLabel(1, 0, text20).size(), 4u + 28u);
    const std::string wks20 = WriteFile(m_runner, Transfer(PCFT_WKS, {{text20}}, {{"T", HFT_CHARACTER, 20, 0}}));
    EXPECT_NE(wks20.find(LotusLabel(0, 1, text20)), std::string::npos);
    EXPECT_EQ(LotusLabel(0, 1, text20).size(), 4u + 27u);

    std::string text300;
    for (int i = 0; i < 300; ++i)
        text300 += static_cast<char>('a' + i % 26);
    const std::vector<HostFieldDefinition> wide = {{"T", HFT_CHARACTER, 300, 0}, {"N", HFT_ZONED, 2, 0}};
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_XLS, {{text300, " 1"}}, wide)),
                 BiffBof() + BiffDimensions(2, 3) + BiffLabel(0, 0, "T") + BiffLabel(0, 1, "N") +
                     BiffLabel(1, 0, text300.substr(0, 255)) + BiffInteger(1, 1, 1) + BiffEof());
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_WKS, {{text300, " 1"}}, wide)),
                 LotusBof() + LotusLabel(0, 0, "T") + LotusLabel(1, 0, "N") + LotusLabel(0, 1, text300) +
                     LotusInteger(1, 1, 1) + LotusEof());
}

TEST_F(Spreadsheets, AnEmptyTransferWritesTheNamesRow)
{
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_XLS, {})), BiffNames(1) + BiffEof());
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_WKS, {})), LotusNames() + LotusEof());
    EXPECT_BYTES(WriteFile(m_runner, Transfer(PCFT_WKQ, {})), LotusNames() + LotusEof());
}

TEST_F(Spreadsheets, AppendingWritesBelowTheLastRowOverTheEndRecord)
{
    const std::vector<std::vector<std::string>> three = {{"a", "    1"}, {"b", "    2"}, {"c", "    3"}};
    const std::vector<std::vector<std::string>> two = {{"d", "    4"}, {"e", "    5"}};
    std::string xlsCells, lotusCells;
    for (unsigned row = 1; row <= 5; ++row)
    {
        const std::string name(1, static_cast<char>('a' + row - 1));
        xlsCells += BiffLabel(row, 0, name + "  ") + BiffInteger(row, 1, row);
        lotusCells += LotusLabel(0, row, name + "  ") + LotusInteger(1, row, static_cast<int>(row));
    }
    const std::string xls = WriteFile(m_runner, Append(PCFT_XLS, two, WriteFile(m_runner, Transfer(PCFT_XLS, three))));
    EXPECT_BYTES(xls, BiffNames(6) + xlsCells + BiffEof());
    for (int type : {PCFT_WKS, PCFT_WKQ})
        EXPECT_BYTES(WriteFile(m_runner, Append(type, two, WriteFile(m_runner, Transfer(type, three)))),
                     LotusNames() + lotusCells + LotusEof());

    const std::string afterEmpty = WriteFile(m_runner, Append(PCFT_XLS, three, BiffNames(1) + BiffEof()));
    EXPECT_BYTES(afterEmpty, BiffNames(4) + xlsCells.substr(0, xlsCells.size() * 3 / 5) + BiffEof());
    EXPECT_BYTES(WriteFile(m_runner, Append(PCFT_WKS, three, LotusNames() + LotusEof())),
                 LotusNames() + lotusCells.substr(0, lotusCells.size() * 3 / 5) + LotusEof());
    EXPECT_BYTES(WriteFile(m_runner, Append(PCFT_XLS, {}, "")), BiffNames(1) + BiffEof());
}

TEST_F(Spreadsheets, AppendingToAnotherWorksheetIsRefusedWithoutTouchingIt)
{
    const std::string xlsRow = BiffLabel(1, 0, "a  ") + BiffInteger(1, 1, 1);
    const std::string lotusRow = LotusLabel(0, 1, "a  ") + LotusInteger(1, 1, 1);
    const struct
    {
        int type;
        std::string before;
    } cases[] = {
        {PCFT_XLS, BiffBof() + BiffDimensions(2, 4) + xlsRow + BiffEof()},
        {PCFT_XLS, BiffBof() + BiffDimensions(2, 3) + BiffLabel(1, 0, "a") + BiffLabel(1, 1, "1") + BiffEof()},
        {PCFT_XLS, BiffBof() + BiffDimensions(2, 3) + BiffLabel(1, 0, "a") + BiffEof()},
        {PCFT_XLS, BiffBof() + BiffDimensions(2, 3) + xlsRow},
        {PCFT_XLS, BiffBof() + BiffDimensions(0, 3) + BiffEof()},
        {PCFT_XLS, LotusNames() + lotusRow + LotusEof()},
        {PCFT_WKS, LotusNames() + LotusInteger(0, 1, 1) + LotusInteger(1, 1, 1) + LotusEof()},
        {PCFT_WKS, LotusNames() + lotusRow + LotusLabel(2, 1, "x") + LotusEof()},
        {PCFT_WKS, LotusNames() + lotusRow + lotusRow + LotusEof()},
        {PCFT_WKS, LotusNames() + lotusRow},
        {PCFT_WKQ, BiffNames(2) + xlsRow + BiffEof()},
        {PCFT_WKQ, LotusNames() + lotusRow + LotusEof().substr(0, 3)},
    };
    for (const auto& c : cases)
    {
        const TransferOutcome outcome = m_runner.ToPc(Append(c.type, {{"z", "    9"}}, c.before));
        ExpectFailure(outcome, ZriText(14), Escaped(c.before));
        EXPECT_BYTES(FileOf(outcome), c.before);
    }
}

// Rows are counted in 16 bits: a row beyond them is refused instead of overwriting row 0.
TEST_F(Spreadsheets, RowsBeyondTheRowFieldAreRefused)
{
    const std::string xlsBefore = BiffNames(65534) + BiffLabel(1, 0, "a  ") + BiffInteger(1, 1, 1) + BiffEof();
    const std::string xls = WriteFile(m_runner, Append(PCFT_XLS, {{"y", "    2"}}, xlsBefore));
    EXPECT_BYTES(xls, BiffNames(65535) + BiffLabel(1, 0, "a  ") + BiffInteger(1, 1, 1) + BiffLabel(65534, 0, "y  ") +
                          BiffInteger(65534, 1, 2) + BiffEof());
    const TransferOutcome full = m_runner.ToPc(Append(PCFT_XLS, {{"z", "    3"}}, xls));
    ExpectFailure(full, ZriText(20, "65535"));

    const std::string lotusBefore = LotusNames() + LotusLabel(0, 1, "a  ") + LotusInteger(1, 1, 1) +
                                    LotusLabel(0, 65534, "b  ") + LotusInteger(1, 65534, 1) + LotusEof();
    const std::string lotus = WriteFile(m_runner, Append(PCFT_WKS, {{"y", "    2"}}, lotusBefore));
    EXPECT_BYTES(lotus.substr(lotus.size() - 4 - 25),
                 LotusLabel(0, 65535, "y  ") + LotusInteger(1, 65535, 2) + LotusEof());
    const TransferOutcome lotusFull = m_runner.ToPc(Append(PCFT_WKQ, {{"z", "    3"}}, lotus));
    ExpectFailure(lotusFull, ZriText(20, "65536"));
}
