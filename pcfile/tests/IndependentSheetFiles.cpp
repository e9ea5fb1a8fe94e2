// Writes every format of the DIF, DBF, DOS random and worksheet writers from the same host records into
// <build>/pcfile-sheets, where the test pcfile_sheet_readers has them read by independent readers afterwards.
#include "PcFileTestSupport.h"

#include <windows.h>

namespace
{
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 12, 0},
                                                  {"PRICE     ", HFT_PACKED, 9, 2},
                                                  {"QTY       ", HFT_ZONED, 6, 0},
                                                  {"CODE      ", HFT_BINARY, 6, 0},
                                                  {"TOTAL     ", HFT_BINARY, 11, 0}};
const std::vector<std::vector<std::string>> kRecords = {
    {"Widget, big", " 01234.50", " 00042", "  -123", " 2147483647"},
    {"Say \"hi\"", "-00000.99", "-00001", "     0", "-2147483648"},
    {"tab\there", " 99999.99", " 99999", " 32767", "      40000"},
    {"", " 00000.00", " 00000", "    -1", "          0"},
};

std::string OutputFolder()
{
    const std::string folder = TempProgramFolder::BuildProgramFolder() + "\\..\\pcfile-sheets";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class SheetFiles : public testing::Test
{
protected:
    void Write(const std::string& name, int type, const std::vector<std::vector<std::string>>& records,
               const std::vector<HostFieldDefinition>& fields = kFields, int writeMode = ZRPCWM_CREATE)
    {
        PcTransfer transfer;
        transfer.fileType = type;
        transfer.fields = fields;
        transfer.records = records;
        transfer.profile = {{ZRP_PC_WRITE_MODE, writeMode}};
        transfer.fileName = m_folder + "\\" + name;
        if (writeMode == ZRPCWM_APPEND)
            transfer.fileBefore = ReadWholeFile(transfer.fileName);
        WriteFile(m_runner, transfer);
        ASSERT_TRUE(ReadWholeFile(transfer.fileName).has_value()) << name;
    }

    const std::string m_folder = OutputFolder();
    TransferRunner m_runner;
};
}

TEST_F(SheetFiles, EveryFormatFromTheSameRecords)
{
    const std::pair<const char*, int> formats[] = {{"dif", PCFT_DIF}, {"dbf", PCFT_DBF}, {"dr1", PCFT_DR1},
                                                   {"dr2", PCFT_DR2}, {"wkq", PCFT_WKQ}, {"wks", PCFT_WKS},
                                                   {"xls", PCFT_XLS}};
    for (const auto& [extension, type] : formats)
    {
        Write(std::string("records.") + extension, type, kRecords);
        Write(std::string("empty.") + extension, type, {});
        const std::vector<std::vector<std::string>> firstTwo(kRecords.begin(), kRecords.begin() + 2);
        const std::vector<std::vector<std::string>> lastTwo(kRecords.begin() + 2, kRecords.end());
        Write(std::string("appended.") + extension, type, firstTwo);
        Write(std::string("appended.") + extension, type, lastTwo, kFields, ZRPCWM_APPEND);
    }
}

// A label over 255 characters (Excel's labels stop there) and more records than a DIF count's four places hold.
TEST_F(SheetFiles, LongLabelsAndManyRecords)
{
    std::string text300;
    for (int i = 0; i < 300; ++i)
        text300 += static_cast<char>('a' + i % 26);
    const std::vector<HostFieldDefinition> wide = {{"LONG      ", HFT_CHARACTER, 300, 0},
                                                   {"N         ", HFT_ZONED, 3, 0}};
    for (const auto& [name, type] : {std::pair{"long.xls", PCFT_XLS}, std::pair{"long.wks", PCFT_WKS}})
        Write(name, type, {{text300, " 01"}, {"short", "-02"}}, wide);

    std::vector<std::vector<std::string>> many;
    for (int i = 0; i < 10000; ++i)
    {
        char number[8];
        std::snprintf(number, sizeof number, " %02d", i % 100);
        many.push_back({"row " + std::to_string(i + 1), number});
    }
    const std::vector<HostFieldDefinition> small = {{"ROW       ", HFT_CHARACTER, 9, 0},
                                                    {"N         ", HFT_ZONED, 3, 0}};
    for (const auto& [name, type] : {std::pair{"many.dif", PCFT_DIF}, std::pair{"many.xls", PCFT_XLS}})
        Write(name, type, many, small);
}
