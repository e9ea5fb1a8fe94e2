// The description-file unit: the bytes of the 68-byte records, reading them back field for field, and the files it
// refuses.
#include "DescrFile.h"
#include "OwnedHandles.h"
#include "ProfileFiles.h"
#include "TempProgramFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
DescrField Field(const char* name, int type, int length, int decimals, const char* comment)
{
    DescrField field;
    std::snprintf(field.name, sizeof field.name, "%s", name);
    field.type = type;
    field.length = length;
    field.decimals = decimals;
    std::snprintf(field.comment, sizeof field.comment, "%s", comment);
    return field;
}

std::string Line(const char* text66)
{
    return std::string(text66) + "\r\n";
}

class DescrFileTest : public ::testing::Test
{
protected:
    std::string PathOf(const char* name) const { return m_folder.Path() + "\\" + name; }

    TempProgramFolder m_folder;
};

const std::vector<DescrField> kCustomer = {
    Field("CUSTNO", DFT_PACKED, 5, 0, "Customer number"),
    Field("NAME", DFT_CHAR, 20, 0, "Name"),
    Field("BALANCE", DFT_ZONED, 7, 2, "Balance, negative when owed"),
    Field("  CODE", DFT_BINARY, 9, 0, ""),
};
}

TEST_F(DescrFileTest, SavedFileHoldsOneRecordOf68BytesPerField)
{
    const std::string path = PathOf("customer.fmt");
    ASSERT_EQ(DescrFileStatus::Ok, SaveDescrFile(path.c_str(), kCustomer));

    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(4u * DESCR_RECORD_BYTES, bytes.size());
    EXPECT_EQ("CUSTNO    P00500Customer number                                   \r\n", bytes.substr(0, 68));
    EXPECT_EQ("BALANCE   S00702Balance, negative when owed                       \r\n", bytes.substr(136, 68));
    EXPECT_EQ("  CODE    B00900                                                  \r\n", bytes.substr(204, 68));
}

TEST_F(DescrFileTest, BothReadersGiveBackEveryFieldAsWritten)
{
    const std::string path = PathOf("customer.fmt");
    ASSERT_EQ(DescrFileStatus::Ok, SaveDescrFile(path.c_str(), kCustomer));

    std::vector<DescrField> hostRead;
    std::vector<DescrField> editorRead;
    ASSERT_EQ(DescrFileStatus::Ok, ReadDescrRecords(path.c_str(), hostRead, 100));
    ASSERT_EQ(DescrFileStatus::Ok, LoadDescrFile(path.c_str(), editorRead));
    for (const std::vector<DescrField>* read : {&hostRead, &editorRead})
    {
        ASSERT_EQ(kCustomer.size(), read->size());
        for (std::size_t i = 0; i < kCustomer.size(); ++i)
        {
            // Trailing blanks are dropped on reading, leading ones kept.
            EXPECT_STREQ(kCustomer[i].name, (*read)[i].name);
            EXPECT_EQ(kCustomer[i].type, (*read)[i].type);
            EXPECT_EQ(kCustomer[i].length, (*read)[i].length);
            EXPECT_EQ(kCustomer[i].decimals, (*read)[i].decimals);
            EXPECT_STREQ(kCustomer[i].comment, (*read)[i].comment);
        }
    }
    EXPECT_EQ(5 + 20 + 7 + 9, DescrRecordLength(hostRead));
}

TEST_F(DescrFileTest, HostReaderRefusesFilesThatAreNotWholeRecords)
{
    const std::string good = Line("NAME      A02000Name                                              ");
    const std::string path = PathOf("bad.fmt");
    std::vector<DescrField> fields;

    WriteFileBytes(path, good + good.substr(0, 67));
    EXPECT_EQ(DescrFileStatus::Corrupted, ReadDescrRecords(path.c_str(), fields, 100));
    WriteFileBytes(path, good.substr(0, 66) + "\n\n" + good);
    EXPECT_EQ(DescrFileStatus::Corrupted, ReadDescrRecords(path.c_str(), fields, 100));
    EXPECT_TRUE(fields.empty());

    WriteFileBytes(path, good + good + good);
    EXPECT_EQ(DescrFileStatus::TooManyFields, ReadDescrRecords(path.c_str(), fields, 2));
    EXPECT_EQ(DescrFileStatus::Ok, ReadDescrRecords(path.c_str(), fields, 3));
    EXPECT_EQ(DescrFileStatus::CannotOpen, ReadDescrRecords(PathOf("missing.fmt").c_str(), fields, 3));
}

TEST_F(DescrFileTest, EveryBadLineMakesTheWholeFileCorrupted)
{
    const char* const badLines[] = {
        "NAME      X02000Name                                              ",   // unknown type letter
        "NAME      a02000Name                                              ",   // letters are capitals
        "NAME      A0 000Name                                              ",   // blank in the length
        "NAME      A020x0Name                                              ",   // letter in the decimals
        "NAME      A02001Name                                              ",   // character field with decimals
        "AMOUNT    P00506Amount                                            ",   // more decimals than digits
        "NAME      A02000Name                                             ",    // 65 characters
        "NAME      A02000Name                                               ",  // 67 characters
        "NA\tE      A02000Name                                              ",  // control character in the name
        "NAME      A02000Na\x01"
        "e                                              ",  // and in the comment
    };
    const std::string good = Line("NAME      A02000Name                                              ");
    const std::string path = PathOf("bad.fmt");
    for (const char* bad : badLines)
    {
        SCOPED_TRACE(bad);
        std::vector<DescrField> fields;
        WriteFileBytes(path, good + Line(bad));
        EXPECT_EQ(DescrFileStatus::Corrupted, LoadDescrFile(path.c_str(), fields));
        EXPECT_TRUE(fields.empty());
        if (std::strlen(bad) == DESCR_LINE_CHARS)
        {
            EXPECT_EQ(DescrFileStatus::Corrupted, ReadDescrRecords(path.c_str(), fields, 10));
        }
    }
    std::vector<DescrField> fields;
    std::string zeroInName = good;
    zeroInName[2] = '\0';
    WriteFileBytes(path, zeroInName);
    EXPECT_EQ(DescrFileStatus::Corrupted, ReadDescrRecords(path.c_str(), fields, 10)) << "a zero cuts the name short";
    WriteFileBytes(path, good + "\r\n" + good);
    EXPECT_EQ(DescrFileStatus::Corrupted, LoadDescrFile(path.c_str(), fields));
    // The host transfers cannot use a field without length.
    WriteFileBytes(path, Line("EMPTY     A00000                                                  "));
    EXPECT_EQ(DescrFileStatus::Ok, LoadDescrFile(path.c_str(), fields));
    EXPECT_EQ(DescrFileStatus::Corrupted, ReadDescrRecords(path.c_str(), fields, 10));
}

TEST_F(DescrFileTest, EditorReadingCreatesAMissingFileEmpty)
{
    const std::string path = PathOf("new.fmt");
    std::vector<DescrField> fields = kCustomer;
    EXPECT_EQ(DescrFileStatus::Ok, LoadDescrFile(path.c_str(), fields));
    EXPECT_TRUE(fields.empty());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_EQ(0u, ReadFileBytes(path).size());
}

TEST_F(DescrFileTest, UnwritableFieldsLeaveTheFileUntouched)
{
    const std::string path = PathOf("customer.fmt");
    ASSERT_EQ(DescrFileStatus::Ok, SaveDescrFile(path.c_str(), kCustomer));
    const std::string before = ReadFileBytes(path);

    const std::vector<DescrField> badFields = {
        Field("NAME", DFT_CHAR, 1000, 0, ""),
        Field("NAME", 4, 10, 0, ""),
        Field("NAME", DFT_PACKED, 10, 100, ""),
        Field("NAME", DFT_CHAR, 10, 2, ""),
        Field("NAME", DFT_ZONED, 5, 6, ""),
        Field("NA\rME", DFT_CHAR, 10, 0, ""),
        Field("NAME", DFT_CHAR, 10, 0, "comment\nwith a line break"),
    };
    for (const DescrField& bad : badFields)
    {
        std::vector<DescrField> fields = kCustomer;
        fields.push_back(bad);
        std::size_t index = 0;
        EXPECT_EQ(DescrFileStatus::InvalidField, SaveDescrFile(path.c_str(), fields, &index));
        EXPECT_EQ(kCustomer.size(), index);
        EXPECT_EQ(before, ReadFileBytes(path));
    }
}

TEST_F(DescrFileTest, AReadOnlyFileIsNotWrittenAndNoTemporaryFileStays)
{
    const std::string path = PathOf("customer.fmt");
    ASSERT_EQ(DescrFileStatus::Ok, SaveDescrFile(path.c_str(), kCustomer));
    const std::string before = ReadFileBytes(path);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(DescrFileStatus::CannotOpen, SaveDescrFile(path.c_str(), {kCustomer[0]}));
    EXPECT_EQ(before, ReadFileBytes(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_EQ(DescrFileStatus::Ok, SaveDescrFile(path.c_str(), {kCustomer[0]}));
    EXPECT_EQ(static_cast<std::size_t>(DESCR_RECORD_BYTES), ReadFileBytes(path).size());
    WIN32_FIND_DATAA found;
    const OwnedFind search(FindFirstFileA(PathOf("*").c_str(), &found));
    ASSERT_TRUE(search.IsValid());
    int files = 0;
    do
    {
        files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    } while (FindNextFileA(search.Get(), &found));
    EXPECT_EQ(1, files);
}

TEST_F(DescrFileTest, TypeLettersAndCodesCorrespond)
{
    EXPECT_EQ('A', DescrTypeLetter(DFT_CHAR));
    EXPECT_EQ('S', DescrTypeLetter(DFT_ZONED));
    EXPECT_EQ('P', DescrTypeLetter(DFT_PACKED));
    EXPECT_EQ('B', DescrTypeLetter(DFT_BINARY));
    EXPECT_EQ('\0', DescrTypeLetter(4));
    for (int type = DFT_CHAR; type <= DFT_BINARY; ++type)
        EXPECT_EQ(type, DescrTypeFromLetter(DescrTypeLetter(type)));
    EXPECT_EQ(-1, DescrTypeFromLetter('H'));
}
