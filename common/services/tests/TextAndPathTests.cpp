#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PathUtilities.h"
#include "TempProgramFolder.h"
#include "TextChecks.h"

using Pieces = std::vector<std::string>;

TEST(TextChecks, DigitsAndIntegerRanges)
{
    EXPECT_TRUE(IsDigits(""));
    EXPECT_TRUE(IsDigits("0123456789"));
    EXPECT_FALSE(IsDigits("12 "));
    EXPECT_FALSE(IsDigits("-1"));

    EXPECT_TRUE(IsIntInRange("180", 1, 180));
    EXPECT_TRUE(IsIntInRange("1", 1, 180));
    EXPECT_FALSE(IsIntInRange("181", 1, 180));
    EXPECT_FALSE(IsIntInRange("18a", 1, 180));
    EXPECT_FALSE(IsIntInRange("", 1, 180));
    EXPECT_TRUE(IsIntInRange("", 0, 10));
    EXPECT_FALSE(IsIntInRange("99999999999", 1, 180));
    EXPECT_FALSE(IsIntInRange("4294967297", 0, 2147483647));
    EXPECT_TRUE(IsIntInRange("0000000000000000000000060", 1, 180));
}

TEST(TextChecks, DecimalsAndFloatRanges)
{
    EXPECT_TRUE(IsDecimal("12.5"));
    EXPECT_TRUE(IsDecimal(""));
    EXPECT_FALSE(IsDecimal("1,5"));
    EXPECT_FALSE(IsDecimal("1.2.3"));

    EXPECT_TRUE(IsFloatInRange("0.5", 0.0f, 1.0f));
    EXPECT_FALSE(IsFloatInRange("1.5", 0.0f, 1.0f));
    EXPECT_FALSE(IsFloatInRange("-0.5", -1.0f, 1.0f));
    EXPECT_EQ(7, TextLength("abc.def"));
}

TEST(SplitString, CutsAtEverySeparator)
{
    Pieces pieces{"stale"};
    SplitString("a,b,", ",", pieces, FALSE);
    EXPECT_EQ((Pieces{"a", "b", ""}), pieces);
    SplitString("", ",", pieces, FALSE);
    EXPECT_TRUE(pieces.empty());
    SplitString(" a , b ", ",", pieces, TRUE);
    EXPECT_EQ((Pieces{"a", "b"}), pieces);
    SplitString(" a , b ", ",", pieces, FALSE);
    EXPECT_EQ((Pieces{" a ", " b "}), pieces);
    SplitString("one::two", "::", pieces, FALSE);
    EXPECT_EQ((Pieces{"one", "two"}), pieces);
    SplitString("whole", "", pieces, FALSE);
    EXPECT_EQ(Pieces{"whole"}, pieces);
}

TEST(PathUtilities, ShortenPathReplacesOneSegmentAtATime)
{
    std::string path = "D:\\X\\Y\\Z\\file.txt";
    EXPECT_TRUE(ShortenPath(path));
    EXPECT_EQ("D:\\...\\Y\\Z\\file.txt", path);
    EXPECT_TRUE(ShortenPath(path));
    EXPECT_EQ("D:\\...\\...\\Z\\file.txt", path);
    EXPECT_TRUE(ShortenPath(path));
    EXPECT_EQ("D:\\...\\...\\...\\file.txt", path);
    EXPECT_FALSE(ShortenPath(path));

    std::string root = "D:\\file.txt";
    EXPECT_FALSE(ShortenPath(root));
    EXPECT_EQ("D:\\file.txt", root);
}

TEST(PathUtilities, DirectoryOfPathKeepsTheDriveRoot)
{
    EXPECT_EQ("D:\\", GetDirectoryOfPath("D:\\file.txt"));
    EXPECT_EQ("D:\\X", GetDirectoryOfPath("D:\\X\\file.txt"));
    EXPECT_EQ("\\\\server\\share", GetDirectoryOfPath("\\\\server\\share\\file.txt"));
    EXPECT_EQ("", GetDirectoryOfPath("file.txt"));
}

TEST(PathUtilities, EnsureDirectory)
{
    TempProgramFolder folder;
    folder.WriteFile("file.txt", "x");
    EXPECT_TRUE(EnsureDirectory(folder.Path().c_str(), FALSE));
    EXPECT_FALSE(EnsureDirectory(folder.PathOf("file.txt").c_str(), TRUE));

    const std::string missing = folder.PathOf("missing");
    EXPECT_FALSE(EnsureDirectory(missing.c_str(), FALSE));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.c_str()));
    EXPECT_TRUE(EnsureDirectory(missing.c_str(), TRUE));
    EXPECT_TRUE(EnsureDirectory(missing.c_str(), FALSE));

    EXPECT_FALSE(EnsureDirectory(folder.PathOf("a\\b").c_str(), TRUE)) << "only one level is created";
}
