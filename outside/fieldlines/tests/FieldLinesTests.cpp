// Zrtfieldspec as the manager drives it: the host's field descriptions become description-file lines of 66
// characters and CR LF; another layout and the way to the host are refused.
#include "ManagerTestBed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using ::testing::ElementsAre;

namespace
{
const char kDescriptionFields[] = "Fields=NAME:A:10,TYPE:A:1,LEN:A:3,DEC:A:2,TEXT:A:50\n";

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Line(int n)
{
    std::string name = "NAME" + std::to_string(n);
    name.resize(10, ' ');
    std::string text = "TEXT" + std::to_string(n);
    text.resize(50, ' ');
    return name + "T" + "LEN" + "DE" + text + "\r\n";
}

void Prepare(ManagerTestBed& bed, const std::string& fields, int records, const std::string& file)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtfieldspec.dll", "ZRTFIELDSPEC.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\n" + fields + "Records=" + std::to_string(records) + "\n");
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_FMT));
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_NAME, file.c_str()));
    ASSERT_TRUE(bed.Tables().Set(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII));
    ASSERT_TRUE(bed.Create());
}
}

TEST(Zrtfieldspec, WritesOneDescriptionLinePerHostRecord)
{
    ManagerTestBed bed;
    const std::string file = bed.Folder().File("customer.fmt");
    Prepare(bed, kDescriptionFields, 2, file);

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_EQ(Line(1) + Line(2), ReadAll(file));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(Zrtfieldspec, RefusesRecordsThatAreNoFieldDescriptions)
{
    ManagerTestBed bed;
    Prepare(bed, "Fields=NAME:A:10\n", 2, bed.Folder().File("customer.fmt"));

    EXPECT_FALSE(bed.Manager().RunTransfer(nullptr));
    EXPECT_THAT(bed.Errors().Texts(),
                ElementsAre("Zrtfieldspec: The host sends records of 10 bytes; a field description has 66."));
}

TEST(Zrtfieldspec, RefusesTheWayToTheHost)
{
    ManagerTestBed bed(ZRDIR_PC_TO_HOST);
    Prepare(bed, kDescriptionFields, 0, bed.Folder().File("customer.fmt"));

    EXPECT_FALSE(bed.Manager().RunTransfer(nullptr));
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre("Zrtfieldspec: A description file cannot be sent to the host."));
}
