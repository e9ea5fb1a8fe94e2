// Workbooks written and read through Zrtexcel's table against the stand-in server: cells and their types, the
// calls made, append and create on existing workbooks, and every cell value's form in a field.
#include "ExcelTestSupport.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace
{
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 8, 0},
                                                  {"PRICE     ", HFT_PACKED, 9, 2},
                                                  {"QTY       ", HFT_ZONED, 6, 0},
                                                  {"TOTAL     ", HFT_BINARY, 11, 0}};
const Records kRecords = {{"Widget", " 01234.50", " 40000", " 2147483647"},
                          {"Say \"hi\"", "-00000.99", "-00001", "-9999999999"},
                          {"", " 12345.67", " 00000", "          0"}};

std::vector<std::string> Texts(const TransferOutcome& outcome)
{
    return outcome.ErrorTexts();
}
}

TEST_F(ExcelTransfer, RecordsBecomeRowsOfTextsAndNumbersAndComeBackInTheirFields)
{
    const TransferOutcome written = Write("book.xls", kFields, kRecords);
    ASSERT_TRUE(written.Succeeded()) << testing::PrintToString(Texts(written));
    const Book book = LoadBook("book.xls");
    ASSERT_EQ(3u, book.sheets.size());
    // Texts keep their trailing blanks; numbers are numbers, exact beyond 16 bits, 32 bits and single precision.
    EXPECT_THAT(SheetTexts(book.sheets[0]),
                ElementsAre(ElementsAre(L"Widget  ", L"#1234.5", L"#40000", L"#2147483647"),
                            ElementsAre(L"Say \"hi\"", L"#-0.98999999999999999", L"#-1", L"#-9999999999"),
                            ElementsAre(L"        ", L"#12345.67", L"#0", L"#0")));

    const TransferOutcome read = Read("book.xls", kFields);
    ASSERT_TRUE(read.Succeeded()) << testing::PrintToString(Texts(read));
    EXPECT_EQ(3, read.steps.recordCount);
    EXPECT_THAT(read.records, ElementsAre(ElementsAre("Widget  ", "  1234.50", " 40000", " 2147483647"),
                                          ElementsAre("Say \"hi\"", "    -0.99", "    -1", "-9999999999"),
                                          ElementsAre("        ", " 12345.67", "     0", "          0")));
}

TEST_F(ExcelTransfer, WritingCallsTheMembersInTheirOrder)
{
    AutomationTrace trace;
    ASSERT_TRUE(Write("calls.xls", kFields, {kRecords[0], kRecords[1]}).Succeeded());
    EXPECT_THAT(trace.Calls(),
                ElementsAre("572 get", "181 method", "284 method", "307 get", "238 get", "170 get", "247 get", "6 get",
                            "6 put", "170 get", "247 get", "6 get", "6 put", "283 method", "277 method", "302 method"));
    // The first record goes to row 1 of the worksheet's cells.
    const std::vector<std::string> lines = trace.Lines();
    auto item = std::find_if(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.find("Range.Item") != std::string::npos; });
    ASSERT_NE(lines.end(), item);
    EXPECT_NE(std::string::npos, item->find("Range.Item 170 get (1, 1)")) << *item;
}

TEST_F(ExcelTransfer, AppendWritesBelowTheUsedRangeWhenTheColumnsMatch)
{
    std::vector<std::vector<Cell>> rows(10, {NumberCell(1), NumberCell(2), TextCell(L"x")});
    SaveBook("append.xls", BookOf(rows));
    const std::vector<HostFieldDefinition> three(kFields.begin(), kFields.begin() + 3);
    const TransferOutcome appended = Write("append.xls", three, {{"new", " 00001.00", " 00002"}}, ZRPCWM_APPEND);
    ASSERT_TRUE(appended.Succeeded()) << testing::PrintToString(Texts(appended));
    const auto texts = SheetTexts(LoadBook("append.xls").sheets[0]);
    ASSERT_EQ(11u, texts.size());
    EXPECT_THAT(texts[10], ElementsAre(L"new     ", L"#1", L"#2"));

    const TransferOutcome refused = Write("append.xls", kFields, {kRecords[0]}, ZRPCWM_APPEND);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_THAT(Texts(refused), ElementsAre("Error ZRX015: The number of fields (4) in the host file does not match "
                                            "the number of fields (3) in the PC file. Change the host and/or the PC "
                                            "file."));
    EXPECT_EQ(11u, SheetTexts(LoadBook("append.xls").sheets[0]).size());
}

TEST_F(ExcelTransfer, AUsedRangeThatStartsRightOfColumnAIsReadAndAppendedInItsColumns)
{
    Book book = NewBook();
    book.sheets[0].cells[{2, 3}] = TextCell(L"left");
    book.sheets[0].cells[{3, 4}] = NumberCell(5);
    SaveBook("right.xls", book);
    const std::vector<HostFieldDefinition> fields = {{"T", HFT_CHARACTER, 4, 0}, {"N", HFT_ZONED, 2, 0}};
    const TransferOutcome read = Read("right.xls", fields);
    ASSERT_TRUE(read.Succeeded()) << testing::PrintToString(Texts(read));
    EXPECT_THAT(read.records, ElementsAre(ElementsAre("left", " 0"), ElementsAre("    ", " 5")));

    ASSERT_TRUE(Write("right.xls", fields, {{"new", " 7"}}, ZRPCWM_APPEND).Succeeded());
    EXPECT_THAT(SheetTexts(LoadBook("right.xls").sheets[0]),
                ElementsAre(ElementsAre(L"", L"", L"", L""), ElementsAre(L"", L"", L"left", L""),
                            ElementsAre(L"", L"", L"", L"#5"), ElementsAre(L"", L"", L"new ", L"#7")));
}

TEST_F(ExcelTransfer, CreateOnAnExistingWorkbookEmptiesOnlyItsActiveSheet)
{
    Book before = BookOf({{TextCell(L"old"), NumberCell(1)}, {TextCell(L"old"), NumberCell(2)}});
    before.sheets[1].cells[{5, 5}] = TextCell(L"kept");
    SaveBook("create.xls", before);
    for (int mode : {ZRPCWM_CREATE, ZRPCWM_REPLACE})
    {
        const TransferOutcome written = Write("create.xls", kFields, {kRecords[2]}, mode);
        ASSERT_TRUE(written.Succeeded()) << testing::PrintToString(Texts(written));
        const Book after = LoadBook("create.xls");
        EXPECT_EQ(1u, SheetTexts(after.sheets[0]).size()) << mode;
        ASSERT_EQ(1u, after.sheets[1].cells.size());
        EXPECT_EQ(L"kept", after.sheets[1].cells.begin()->second.text);
    }
}

TEST_F(ExcelTransfer, CellsTakeTheFormOfTheirFieldWithBlanksAfterShortTexts)
{
    SaveBook("forms.xls", BookOf({{NumberCell(123), TextCell(L"ABCDEFG"), TextCell(L"AB"), NumberCell(12.5),
                                   NumberCell(-7.9), TextCell(L"")}}));
    const std::vector<HostFieldDefinition> fields = {{"A", HFT_CHARACTER, 5, 0}, {"B", HFT_CHARACTER, 5, 0},
                                                     {"C", HFT_CHARACTER, 5, 0}, {"D", HFT_PACKED, 8, 2},
                                                     {"E", HFT_ZONED, 4, 0},     {"F", HFT_CHARACTER, 3, 0}};
    // F is no column of the used range: five columns.
    const TransferOutcome wide = Read("forms.xls", fields);
    EXPECT_THAT(Texts(wide), ElementsAre("Error ZRX015: The number of fields (6) in the host file does not match "
                                         "the number of fields (5) in the PC file. Change the host and/or the PC "
                                         "file."));
    const TransferOutcome read = Read("forms.xls", {fields.begin(), fields.end() - 1});
    ASSERT_TRUE(read.Succeeded()) << testing::PrintToString(Texts(read));
    // The host sees blanks after a short text, never zero bytes; an integer field takes the number truncated.
    EXPECT_THAT(read.records, ElementsAre(ElementsAre("  123", "ABCDE", "AB   ", "   12.50", "  -7")));

    SaveBook("long.xls", BookOf({{NumberCell(123)}}));
    const TransferOutcome wideText = Read("long.xls", {{"L", HFT_CHARACTER, 600, 0}});
    ASSERT_TRUE(wideText.Succeeded()) << testing::PrintToString(Texts(wideText));
    EXPECT_THAT(wideText.records, ElementsAre(ElementsAre(std::string(597, ' ') + "123")));
}

TEST_F(ExcelTransfer, NumbersThatDoNotFitTheirFieldFailTheirRecord)
{
    SaveBook("wide.xls", BookOf({{NumberCell(12345)}, {NumberCell(123456)}}));
    const TransferOutcome integer = Read("wide.xls", {{"N", HFT_ZONED, 5, 0}});
    EXPECT_FALSE(integer.Succeeded());
    EXPECT_EQ(2, integer.steps.recordCount);
    EXPECT_THAT(Texts(integer), ElementsAre("Error ZRX016: Unable to convert field value in record # 2. The host "
                                            "file may be corrupted. Try again with a different host file."));
    const TransferOutcome text = Read("wide.xls", {{"T", HFT_CHARACTER, 4, 0}});
    EXPECT_THAT(Texts(text), ElementsAre(testing::HasSubstr("ZRX016: Unable to convert field value in record # 1.")));
    SaveBook("huge.xls", BookOf({{NumberCell(1e300)}}));
    const TransferOutcome huge = Read("huge.xls", {{"T", HFT_CHARACTER, 20, 0}});
    EXPECT_THAT(Texts(huge), ElementsAre(testing::HasSubstr("ZRX016: Unable to convert field value in record # 1.")));

    // A decimal of more digits than a double holds is refused rather than rounded.
    const TransferOutcome digits = Write("digits.xls", {{"D", HFT_PACKED, 20, 2}}, {{" 123456789012345678.91"}});
    EXPECT_THAT(Texts(digits), ElementsAre(testing::HasSubstr("ZRX016: Unable to convert field value in record # 1.")));
}

TEST_F(ExcelTransfer, ADateCellFailsItsRecordAfterTheRecordsBeforeIt)
{
    Book book = BookOf({{TextCell(L"one")}, {TextCell(L"two")}, {TextCell(L"three")}});
    Cell date;
    date.kind = CellKind::Date;
    date.number = 45000;
    book.sheets[0].cells[{2, 1}] = date;
    SaveBook("date.xls", book);
    const TransferOutcome read = Read("date.xls", {{"T", HFT_CHARACTER, 5, 0}});
    EXPECT_FALSE(read.Succeeded());
    EXPECT_EQ(2, read.steps.recordCount);
    EXPECT_THAT(Texts(read), ElementsAre(testing::HasSubstr("ZRX016: Unable to convert field value in record # 2.")));
}

TEST_F(ExcelTransfer, EmptyAndMissingWorkbooksAreNotRead)
{
    SaveBook("empty.xls", NewBook());
    EXPECT_THAT(Texts(Read("empty.xls", kFields)),
                ElementsAre("Error ZRX004: File " + Path("empty.xls") +
                            " to be transferred is empty. Specify another MS Excel file and try again."));
    EXPECT_THAT(Texts(Read("missing.xls", kFields)),
                ElementsAre("Error ZRX005: File " + Path("missing.xls") +
                            " not found. Specify another MS Excel file and try again."));
    // Appending to an empty sheet makes the columns from the host's fields.
    const TransferOutcome appended = Write("empty.xls", kFields, {kRecords[0]}, ZRPCWM_APPEND);
    ASSERT_TRUE(appended.Succeeded()) << testing::PrintToString(Texts(appended));
    EXPECT_EQ(1u, SheetTexts(LoadBook("empty.xls").sheets[0]).size());
}

TEST_F(ExcelTransfer, MoreFieldsThanAWorksheetHasColumnsAreRefused)
{
    std::vector<HostFieldDefinition> fields(257, HostFieldDefinition{"F", HFT_CHARACTER, 1, 0});
    const TransferOutcome written = Write("columns.xls", fields, {std::vector<std::string>(257, "x")});
    EXPECT_THAT(Texts(written), ElementsAre("Error ZRX022: The host file has 257 fields, more than the 256 columns "
                                            "of an MS Excel worksheet. Change the host file."));
    fields.pop_back();
    EXPECT_TRUE(Write("columns.xls", fields, {std::vector<std::string>(256, "x")}).Succeeded());
    EXPECT_EQ(256u, SheetTexts(LoadBook("columns.xls").sheets[0])[0].size());
}

TEST_F(ExcelTransfer, ReadingClosesTheWorkbookUnsaved)
{
    ASSERT_TRUE(Write("unsaved.xls", kFields, kRecords).Succeeded());
    const std::optional<std::string> before = ReadWholeFile(Path("unsaved.xls"));
    AutomationTrace trace;
    ASSERT_TRUE(Read("unsaved.xls", kFields).Succeeded());
    const std::vector<std::string> calls = trace.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_THAT(std::vector<std::string>(calls.end() - 2, calls.end()), ElementsAre("277 method", "302 method"));
    EXPECT_EQ(0, std::count(calls.begin(), calls.end(), "283 method"));
    EXPECT_EQ(before, ReadWholeFile(Path("unsaved.xls")));
}
