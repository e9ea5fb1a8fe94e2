#include "WizardFlow.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The pages that Next visits from the first page to Finish.
std::vector<int> Walk(int type, int hostFileType, int hostWriteMode)
{
    WizChoices choices{type, hostFileType, hostWriteMode};
    std::vector<int> pages{181};
    while (pages.back() != 145 && pages.size() < 20)
    {
        pages.push_back(NextPage(pages.back(), choices));
    }
    return pages;
}

struct Path
{
    int type;
    int hostFileType;
    int hostWriteMode;
    std::vector<int> pages;
};

const Path kPaths[] = {
    {7, 1, 0, {181, 147, 148, 150, 151, 146, 152, 189, 145}},
    {8, 1, 0, {181, 147, 148, 150, 146, 152, 189, 145}},
    {9, 0, 0, {181, 147, 148, 146, 152, 145}},
    {10, 0, 0, {181, 147, 148, 146, 152, 145}},
    {11, 1, 1, {181, 147, 148, 150, 153, 154, 151, 146, 189, 145}},
    {11, 2, 1, {181, 147, 148, 150, 153, 155, 151, 146, 189, 145}},
    {11, 1, 6, {181, 147, 148, 150, 153, 151, 146, 189, 145}},
    {12, 2, 1, {181, 147, 148, 150, 153, 155, 146, 189, 145}},
    {12, 1, 5, {181, 147, 148, 150, 153, 146, 189, 145}},
    {13, 0, 1, {181, 147, 148, 153, 154, 146, 145}},
    {13, 0, 4, {181, 147, 148, 153, 146, 145}},
    {14, 0, 0, {181, 147, 157, 154, 151, 146, 152, 189, 145}},
    {15, 0, 0, {181, 147, 157, 146, 152, 189, 145}},
    {16, 0, 0, {181, 147, 157, 146, 152, 145}},
    {17, 0, 1, {181, 147, 157, 153, 154, 156, 151, 146, 189, 145}},
    {17, 0, 3, {181, 147, 157, 153, 154, 151, 146, 189, 145}},
    {18, 0, 1, {181, 147, 157, 153, 155, 156, 146, 189, 145}},
    {18, 0, 2, {181, 147, 157, 153, 146, 189, 145}},
    {19, 0, 1, {181, 147, 157, 153, 155, 156, 146, 145}},
    {20, 3, 0, {181, 147, 158, 150, 146, 152, 189, 145}},
    {21, 3, 4, {181, 147, 158, 150, 153, 146, 189, 145}},
};
}

TEST(WizardFlow, EveryTransferTypeVisitsItsPagesAndBackStepsAreRecognised)
{
    for (const Path& path : kPaths)
    {
        SCOPED_TRACE(path.type);
        EXPECT_EQ(Walk(path.type, path.hostFileType, path.hostWriteMode), path.pages);
        for (size_t i = 1; i < path.pages.size(); ++i)
        {
            // Entering the next page coming from this one is a forward entry; coming back to this one from it is not.
            EXPECT_FALSE(IsSuccessorPage(path.pages[i], path.pages[i - 1]));
            EXPECT_TRUE(IsSuccessorPage(path.pages[i - 1], path.pages[i]));
        }
    }
    EXPECT_EQ(NextPage(181, WizChoices{}), 0);
    EXPECT_FALSE(IsSuccessorPage(145, 189));
}

TEST(WizardFlow, ValuesOfTheChoices)
{
    EXPECT_EQ(ProfileTransferType(7), 2);
    EXPECT_EQ(ProfileTransferType(19), 1);
    EXPECT_EQ(ProfileTransferType(10), 3);
    EXPECT_EQ(ProfileTransferType(20), 4);
    EXPECT_EQ(HostFileTypeValue(11, 1), 2);
    EXPECT_EQ(HostFileTypeValue(21, 0), 3);
    EXPECT_EQ(HostFileTypeValue(21, -1), 0);
    EXPECT_EQ(ConversionValue(7, 0), 2);
    EXPECT_EQ(ConversionValue(20, 1), 1);
    EXPECT_EQ(ConversionValue(11, 0), 4);
    EXPECT_EQ(ConversionValue(21, 1), 3);
    EXPECT_EQ(DefaultConversionIndex(7, 19), 0);
    EXPECT_EQ(DefaultConversionIndex(7, 5), 1);
    EXPECT_EQ(DefaultConversionIndex(8, 19), 1);
    EXPECT_EQ(PcBrowseType(14, 9), 9);
    EXPECT_EQ(PcBrowseType(16, 9), 2);
    EXPECT_EQ(PcBrowseType(10, 9), 15);
    EXPECT_EQ(PcBrowseType(20, 9), 3);
}

TEST(WizardFlow, TypedValuesAreCheckedWhole)
{
    EXPECT_TRUE(IsAs400NameValid("LIB"));
    EXPECT_TRUE(IsAs400NameValid("*FIRST"));
    EXPECT_FALSE(IsAs400NameValid("1LIB"));
    EXPECT_FALSE(IsAs400NameValid("A B"));
    EXPECT_FALSE(IsAs400NameValid(""));
    EXPECT_TRUE(IsS36NameValid("1LIB"));
    EXPECT_FALSE(IsS36NameValid("A B"));

    // Pasted text with letters after digits is refused, not read as its leading digits.
    EXPECT_FALSE(IsRecordLengthValid(12, 1, "12ab"));
    EXPECT_FALSE(IsNumberOfRecordsValid("12ab"));
    EXPECT_FALSE(IsRecordLengthValid(12, 2, "12"));
    EXPECT_TRUE(IsRecordLengthValid(12, 2, "13"));
    EXPECT_TRUE(IsRecordLengthValid(12, 1, "1"));
    EXPECT_TRUE(IsRecordLengthValid(18, 0, "1"));
    EXPECT_TRUE(IsRecordLengthValid(11, 1, "1760"));
    EXPECT_FALSE(IsRecordLengthValid(11, 1, "1761"));
    EXPECT_FALSE(IsRecordLengthValid(11, 1, ""));
    EXPECT_FALSE(IsNumberOfRecordsValid("0"));
    EXPECT_TRUE(IsNumberOfRecordsValid("999999"));
    EXPECT_FALSE(IsNumberOfRecordsValid("1000000"));

    EXPECT_TRUE(IsPcPathValid("C:\\my files\\a.csv"));
    for (const char* bad : {"", "C:\\a?.csv", "C:\\a|b", "*.csv", "a<b", "a>b"})
    {
        EXPECT_FALSE(IsPcPathValid(bad)) << bad;
    }
}

TEST(WizardFlow, SummaryOfADatabaseUploadAndItsResultCodes)
{
    WizValues values;
    values.transferType = 11;
    values.conversion = 3;
    values.session = "A";
    values.library = "LIB";
    values.file = "FILE";
    values.member = "*FIRST";
    values.hostFileType = 1;
    values.hostWriteMode = 1;
    values.hostWriteModeText = "Create file";
    values.descrFile = "C:\\x\\d.fmt";
    values.pcFile = "C:\\x\\in.csv";
    values.pcFileType = 5;
    values.pcFileTypeText = "CSV (Comma delimiter)";
    WizResult result;
    EXPECT_EQ(BuildWizardSummary(values, result),
              "Profile type:  PC-to-AS/400 via HLLAPI, Database\r\nCode page conversion:  ASCII-to-EBCDIC\r\n"
              "Short HLLAPI name:  A\r\nHost library name:  LIB\r\nHost filename:  FILE\r\n"
              "Host member name:  *FIRST\r\nHost file type:  Data\r\nHost write mode:  Create file\r\n"
              "PC description file:  C:\\x\\d.fmt\r\nPC filename:  C:\\x\\in.csv\r\n"
              "PC file type:  CSV (Comma delimiter)\r\n");
    EXPECT_EQ(result.transferType, 11);
    EXPECT_EQ(result.hostFileType, 1);
    EXPECT_EQ(result.hostWriteMode, 1);
    EXPECT_EQ(result.pcFileType, 5);
    EXPECT_EQ(result.pcWriteMode, 0);
    EXPECT_EQ(result.conversion, 3);
}

TEST(WizardFlow, SummaryLeavesOutWhatTheTypeDoesNotAskFor)
{
    WizValues dds;
    dds.transferType = 10;
    dds.session = "B";
    dds.library = "L";
    dds.file = "F";
    dds.pcFile = "C:\\d.fmt";
    dds.pcWriteMode = 2;
    dds.pcWriteModeText = "Replace file";
    WizResult result;
    EXPECT_EQ(
        BuildWizardSummary(dds, result),
        "Profile type:  AS/400-to-PC via HLLAPI, DDS\r\nShort HLLAPI name:  B\r\nHost library name:  L\r\n"
        "Host filename:  F\r\nHost member name:  \r\nPC filename:  C:\\d.fmt\r\nPC write mode:  Replace file\r\n");
    EXPECT_EQ(result.conversion, 2);
    EXPECT_EQ(result.pcFileType, 15);
    EXPECT_EQ(result.hostFileType, 1);

    WizValues binary;
    binary.transferType = 16;
    binary.s36File = "F";
    binary.pcFile = "C:\\b.bin";
    binary.pcWriteMode = 1;
    binary.pcWriteModeText = "Create file";
    std::string summary = BuildWizardSummary(binary, result);
    EXPECT_EQ(summary.find("Code page conversion"), std::string::npos);
    EXPECT_EQ(summary.find("PC file type"), std::string::npos);
    EXPECT_NE(summary.find("Profile type:  S/36 file-to-PC via HLLAPI, Binary\r\n"), std::string::npos);
    EXPECT_EQ(result.conversion, 0);
    EXPECT_EQ(result.pcFileType, 2);
}

TEST(WizardFlow, RecordLengthAndFileSizeAppearOnlyWhereThePagesAskedForThem)
{
    WizValues values;
    values.transferType = 18;
    values.s36File = "F";
    values.recordLength = std::string("80");
    values.numberOfRecords = "1000";
    values.hostWriteMode = 1;
    WizResult result;
    std::string created = BuildWizardSummary(values, result);
    EXPECT_NE(created.find("Record length:  80  byte(s)\r\n"), std::string::npos);
    EXPECT_NE(created.find("Host new file size:  1000  record(s)\r\n"), std::string::npos);

    values.hostWriteMode = 2;
    values.recordLength.clear();
    std::string replaced = BuildWizardSummary(values, result);
    EXPECT_EQ(replaced.find("Record length"), std::string::npos);
    EXPECT_EQ(replaced.find("Host new file size"), std::string::npos);
    EXPECT_FALSE(UsesRecordLength(values));

    values.transferType = 21;
    values.hostFileType = 4;
    EXPECT_NE(BuildWizardSummary(values, result).find("Host member type:  Procedure\r\n"), std::string::npos);
    EXPECT_EQ(result.hostFileType, 4);
}
