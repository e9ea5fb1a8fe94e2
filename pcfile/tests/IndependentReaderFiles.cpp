// Writes CSV and TAB files into <build>/pcfile-independent for the independent reader (Python's csv module), which
// the test pcfile_independent_readers runs on them afterwards.
#include "PcFileTestSupport.h"

#include <windows.h>

namespace
{
const std::vector<HostFieldDefinition> kFields = {
    {"NAME", HFT_CHARACTER, 12, 0}, {"PRICE", HFT_PACKED, 9, 2}, {"QTY", HFT_ZONED, 6, 0}, {"CODE", HFT_BINARY, 4, 0}};
const std::vector<std::vector<std::string>> kRecords = {{"Widget, big", " 01234.50", " 00042", "-123"},
                                                        {"Say \"hi\"", "-00000.99", "-00001", "   0"},
                                                        {"tab\there", " 99999.99", " 99999", " 999"},
                                                        {"", " 00000.00", " 00000", "  -1"}};

std::string OutputFolder()
{
    const std::string folder = TempProgramFolder::BuildProgramFolder() + "\\..\\pcfile-independent";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
}

TEST(IndependentReaderFiles, WriteCsvAndTabFiles)
{
    const std::string folder = OutputFolder();
    const struct
    {
        const char* name;
        int type;
        std::vector<Setting> profile;
    } files[] = {
        {"records.csv", PCFT_CSV, {}},
        {"records-trimmed.csv", PCFT_CSV, {{ZRP_REMOVE_BLANKS, 1}}},
        {"records.tab", PCFT_TAB, {}},
        {"records-comma.tab", PCFT_TAB, {{ZRP_REMOVE_BLANKS, 1}, {ZRP_DECIMAL_CHAR_IS_DOT, 0}}},
    };
    TransferRunner runner;
    for (const auto& file : files)
    {
        PcTransfer transfer;
        transfer.fileType = file.type;
        transfer.fields = kFields;
        transfer.records = kRecords;
        transfer.profile = file.profile;
        transfer.fileName = folder + "\\" + file.name;
        WriteFile(runner, transfer);
        ASSERT_TRUE(ReadWholeFile(transfer.fileName).has_value()) << file.name;
    }
}
