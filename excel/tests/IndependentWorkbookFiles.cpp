// Writes workbooks through Zrtexcel and the stand-in server from host records into <build>/excel-workbooks, where
// the test excel_workbook_readers has independent readers read them afterwards.
#include "ExcelTestSupport.h"

#include <windows.h>

#include <cstdio>

namespace
{
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 12, 0},
                                                  {"PRICE     ", HFT_PACKED, 9, 2},
                                                  {"QTY       ", HFT_ZONED, 6, 0},
                                                  {"CODE      ", HFT_BINARY, 6, 0},
                                                  {"TOTAL     ", HFT_BINARY, 11, 0}};
const Records kRecords = {
    {"Widget, big", " 01234.50", " 00042", "  -123", " 2147483647"},
    {"Say \"hi\"", "-00000.99", "-00001", "     0", "-2147483648"},
    {"tab\there <&>", " 99999.99", " 99999", " 32767", "-9999999999"},
    {"", " 00000.00", " 00000", "    -1", "          0"},
};

class WorkbookFiles : public ExcelTransfer
{
protected:
    void WriteInto(const std::string& name, int type, const Records& records, int writeMode = ZRPCWM_CREATE)
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fileName = m_folder + "\\" + name;
        transfer.fields = kFields;
        transfer.records = records;
        transfer.profile = {{ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ANSI}, {ZRP_PC_WRITE_MODE, writeMode}};
        transfer.fileBefore = ReadWholeFile(transfer.fileName);
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        EXPECT_TRUE(outcome.Succeeded()) << name << testing::PrintToString(outcome.ErrorTexts());
    }

    static std::string OutputFolder()
    {
        const std::string folder = TempProgramFolder::BuildProgramFolder() + "\\..\\excel-workbooks";
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder;
    }

    const std::string m_folder = OutputFolder();
};
}

TEST_F(WorkbookFiles, RecordsOfEveryKindInBothFileTypes)
{
    WriteInto("records.xls", PCFT_EXCEL97, kRecords);
    WriteInto("records70.xls", PCFT_EXCEL70, kRecords);
    WriteInto("empty.xls", PCFT_EXCEL97, {});
    WriteInto("appended.xls", PCFT_EXCEL97, {kRecords[0], kRecords[1]});
    WriteInto("appended.xls", PCFT_EXCEL97, {kRecords[2], kRecords[3]}, ZRPCWM_APPEND);
}

TEST_F(WorkbookFiles, ManyRecords)
{
    Records many;
    for (int i = 1; i <= 3000; ++i)
    {
        char name[16], price[16];
        std::snprintf(name, sizeof name, "row %d", i);
        std::snprintf(price, sizeof price, " %05d.%02d", i, i % 100);
        many.push_back({name, price, " 00001", "     1", "          1"});
    }
    WriteInto("many.xls", PCFT_EXCEL97, many);
}
