#include "PcFileTestSupport.h"

#include <map>
#include <utility>

std::string Zri(int number, const std::string& argument)
{
    static const std::map<int, std::string> texts = {
        {1, "Error ZRI001: PC file type is incorrect. Change the PC file type in the ZRT Interface."},
        {2, "Error ZRI002: Transfer direction is incorrect. Use the ZRT Wizard to create a new profile."},
        {5, "Error ZRI005: Field type for field #%s is either unknown or is not supported. Try again with a "
            "different host file."},
        {7, "Error ZRI007: File %s to be transferred is empty. Specify another file and try again."},
        {10, "Error ZRI010: Unable to open the specified file. Specify another file and try again."},
        {12, "Error ZRI012: Unable to convert field value for field # %s. Try again with a different host file."},
        {14, "Error ZRI014: PC file structure does not conform to the structure of the host file. Change the host "
             "and/or the PC file."},
        {17, "Error ZRI017: The number of fields in record #%s in  the PC file specified differs from the number of "
             "fields in the host  file record. Change the host and/or the PC file."},
        {18, "Error ZRI018: The PC record #%s is too short to conform to the host file structure. Change the host "
             "and/or the PC file."},
        {19, "Error ZRI019: The PC record #%s is too long to conform to the host file structure. Change the host "
             "and/or the PC file."},
    };
    std::string text = texts.at(number);
    const size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

std::string FileOf(const TransferOutcome& outcome)
{
    return outcome.file ? *outcome.file : std::string();
}

std::string WriteFile(TransferRunner& runner, const PcTransfer& transfer)
{
    const TransferOutcome outcome = runner.ToPc(transfer);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>());
    return FileOf(outcome);
}

TransferCase Refused(const char* name, int type, const std::vector<HostFieldDefinition>& fields,
                     const std::string& file, const std::string& message, const std::vector<Setting>& profile)
{
    TransferCase refused;
    refused.name = name;
    refused.direction = ZRDIR_PC_TO_HOST;
    refused.transfer.fileType = type;
    refused.transfer.fields = fields;
    refused.transfer.fileBefore = file;
    refused.transfer.profile = profile;
    refused.succeeds = false;
    refused.errors = {message};
    return refused;
}

const std::vector<HostFieldDefinition> kMixed = {
    {"NAME", HFT_CHARACTER, 10, 0}, {"QTY", HFT_PACKED, 7, 2}, {"COUNT", HFT_ZONED, 6, 0}, {"CODE", HFT_BINARY, 4, 0}};
const std::vector<std::vector<std::string>> kMixedRecords = {{"He \"X\"", "  12.50", " 00042", "-123"},
                                                             {"", "-001.50", " 00000", "   0"}};

std::string PcFileFormatTest::Written(int type, std::vector<Setting> profile)
{
    PcTransfer transfer;
    transfer.fileType = type;
    transfer.fields = kMixed;
    transfer.records = kMixedRecords;
    transfer.profile = std::move(profile);
    return WriteFile(m_runner, transfer);
}

TransferOutcome PcFileFormatTest::Read(int type, const std::vector<HostFieldDefinition>& fields,
                                       const std::string& file, std::vector<Setting> profile)
{
    PcTransfer transfer;
    transfer.fileType = type;
    transfer.fields = fields;
    transfer.fileBefore = file;
    transfer.profile = std::move(profile);
    return m_runner.FromPc(transfer);
}

std::vector<std::vector<std::string>> PcFileFormatTest::ReadRecords(int type,
                                                                    const std::vector<HostFieldDefinition>& fields,
                                                                    const std::string& file,
                                                                    std::vector<Setting> profile)
{
    const TransferOutcome outcome = Read(type, fields, file, std::move(profile));
    EXPECT_TRUE(outcome.Succeeded()) << Escaped(file);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>()) << Escaped(file);
    EXPECT_EQ(outcome.steps.recordCount, static_cast<int>(outcome.records.size()));
    return outcome.records;
}
