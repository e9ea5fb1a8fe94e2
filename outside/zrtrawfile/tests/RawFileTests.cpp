// Zrtrawfile as the manager drives it: host records written byte for byte, read back in records of the host
// layout's length, appended, and a file that ends inside a record refused.
#include "ManagerTestBed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using ::testing::ElementsAre;

namespace
{
const char kFields[] = "Fields=NAME:A:10,QTY:S:5\n";

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Record n of the fake host as the host holds it: the name in EBCDIC, the quantity as zoned digits.
std::string HostRecord(ManagerTestBed& bed, int n)
{
    std::string name = "NAME" + std::to_string(n);
    name.resize(10, ' ');
    std::string ebcdic(10, '\0');
    WORD length = 10;
    bed.Tables().EnvironmentTable()->TranslateCodePage(ZRCM_ASCII_TO_EBCDIC, name.data(), ebcdic.data(), 10, &length);
    std::string digits = "0000" + std::to_string(n);
    digits = digits.substr(digits.size() - 5);
    for (char& digit : digits)
        digit = static_cast<char>(0xF0 | (digit - '0'));
    return ebcdic + digits;
}

void Prepare(ManagerTestBed& bed, const std::string& hostSection, const std::string& file, int writeMode)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtrawfile.dll", "ZRTRAWFILE.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\n" + std::string(kFields) + hostSection);
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_BINARY));
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_NAME, file.c_str()));
    if (writeMode)
    {
        ASSERT_TRUE(bed.Tables().Set(ZRP_PC_WRITE_MODE, writeMode));
    }
    ASSERT_TRUE(bed.Create());
}
}

TEST(Zrtrawfile, WritesTheHostBytesAndReadsThemBack)
{
    TempProgramFolder data;
    const std::string file = data.PathOf("raw.bin");
    std::string expected;
    std::vector<std::string> sent;
    {
        ManagerTestBed bed;
        Prepare(bed, "Records=3\n", file, ZRPCWM_REPLACE);
        EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));
        for (int n = 1; n <= 3; ++n)
            sent.push_back(HostRecord(bed, n));
        expected = sent[0] + sent[1] + sent[2];
        EXPECT_EQ(expected, ReadAll(file));

        // Appending adds the records after the ones there.
        ASSERT_TRUE(bed.Tables().Set(ZRP_PC_WRITE_MODE, ZRPCWM_APPEND));
        EXPECT_TRUE(bed.Manager().Transfer(nullptr));
        EXPECT_EQ(expected + expected, ReadAll(file));
        EXPECT_EQ(0u, bed.Errors().Count());
    }

    ManagerTestBed back(ZRDIR_PC_TO_HOST);
    Prepare(back, "", file, 0);
    EXPECT_TRUE(back.Manager().RunTransfer(nullptr));
    EXPECT_THAT(back.Notifications(), ElementsAre(Step(1), Step(4), Step(8), Count(6), Step(10), Step(12)));
    std::vector<std::string> received;
    for (const std::string& line : back.Folder().Log("ZRTAS400"))
        if (line.compare(0, 7, "record ") == 0)
            received.push_back(line.substr(line.find(' ', 7) + 1));
    EXPECT_EQ((std::vector<std::string>{sent[0], sent[1], sent[2], sent[0], sent[1], sent[2]}), received);
    EXPECT_EQ(0u, back.Errors().Count());
}

TEST(Zrtrawfile, RefusesAFileThatEndsInsideARecord)
{
    ManagerTestBed bed(ZRDIR_PC_TO_HOST);
    const std::string file = bed.Folder().File("short.bin");
    std::ofstream(file, std::ios::binary) << std::string(15 + 4, '\xC1');
    Prepare(bed, "", file, 0);

    EXPECT_FALSE(bed.Manager().RunTransfer(nullptr));

    EXPECT_THAT(bed.Errors().Texts(),
                ElementsAre("Zrtrawfile: The file " + file +
                            " ends with an incomplete record of 4 bytes; its records are 15 bytes long."));
    EXPECT_THAT(bed.Notifications(), ElementsAre(Step(1), Step(4), Step(8), Count(0), Step(10), Step(12)));
}

TEST(Zrtrawfile, ReportsAFileThatCannotBeRead)
{
    ManagerTestBed bed(ZRDIR_PC_TO_HOST);
    const std::string file = bed.Folder().File("missing.bin");
    Prepare(bed, "", file, 0);

    EXPECT_FALSE(bed.Manager().RunTransfer(nullptr));
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre("Zrtrawfile: The file " + file + " cannot be opened or read."));
}
