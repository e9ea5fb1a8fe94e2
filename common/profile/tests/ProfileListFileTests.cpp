// Reading profile lists as both programs do: whole lines of any length, blank lines passed over, read-only files.
// Writing them: CR LF after every path, and a failed write that leaves the old list whole.
#include "OwnedHandles.h"
#include "ProfileFiles.h"
#include "TempProgramFolder.h"
#include "ZRProfileListFile.h"

#include <gtest/gtest.h>

#include <windows.h>

class ProfileListFile : public ::testing::Test
{
protected:
    ProfileListResult Read(const std::string& content)
    {
        folder.WriteFile("list.prl", content);
        return ReadProfileListFile(folder.PathOf("list.prl"), entries);
    }

    TempProgramFolder folder;
    std::vector<std::string> entries;
};

TEST_F(ProfileListFile, PassesOverEmptyAndBlankLines)
{
    EXPECT_EQ(Read("\r\nC:\\t\\a.h2p\r\n\r\n \t \r\nC:\\t\\c.p2h\r\n\r\n\r\n"), ProfileListResult::Read);
    EXPECT_EQ(entries, (std::vector<std::string>{"C:\\t\\a.h2p", "C:\\t\\c.p2h"}));
}

// DOS editors end files with Ctrl-Z and CR: neither ends the list early nor makes an entry of its own.
TEST_F(ProfileListFile, ACtrlZEndsNothingAndNamesNoProfile)
{
    EXPECT_EQ(Read("C:\\t\\a.h2p\r\n\x1A\r\nC:\\t\\b.h2p\r\n\x1A"), ProfileListResult::Read);
    EXPECT_EQ(entries, (std::vector<std::string>{"C:\\t\\a.h2p", "C:\\t\\b.h2p"}));
    entries.clear();
    EXPECT_EQ(Read("C:\\t\\c.h2p\r"), ProfileListResult::Read);
    EXPECT_EQ(entries, std::vector<std::string>{"C:\\t\\c.h2p"});
}

TEST_F(ProfileListFile, TakesALastLineWithoutLineFeed)
{
    EXPECT_EQ(Read("C:\\t\\a.h2p\nC:\\t\\b.h2p"), ProfileListResult::Read);
    EXPECT_EQ(entries, (std::vector<std::string>{"C:\\t\\a.h2p", "C:\\t\\b.h2p"}));
}

TEST_F(ProfileListFile, KeepsEveryLineWholeHoweverLong)
{
    const std::string at259(259, 'a'), at260(260, 'b'), veryLong(5000, 'c');
    EXPECT_EQ(Read(at259 + "\r\n" + at260 + "\r\n" + veryLong + "\r\nC:\\t\\d.h2p\r\n"), ProfileListResult::Read);
    EXPECT_EQ(entries, (std::vector<std::string>{at259, at260, veryLong, "C:\\t\\d.h2p"}));
}

TEST_F(ProfileListFile, RefusesListsWithoutProfilesAndFilesThatDoNotOpen)
{
    EXPECT_EQ(Read(""), ProfileListResult::Empty);
    EXPECT_EQ(Read("\r\n  \r\n\r\n"), ProfileListResult::Empty);
    EXPECT_EQ(ReadProfileListFile(folder.PathOf("missing.prl"), entries), ProfileListResult::CannotOpen);

    folder.WriteFile("locked.prl", "C:\\t\\a.h2p\n");
    OwnedFile lock(
        CreateFileA(folder.PathOf("locked.prl").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.Get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadProfileListFile(folder.PathOf("locked.prl"), entries), ProfileListResult::CannotOpen);
    lock.Reset();
    EXPECT_TRUE(entries.empty());
}

TEST_F(ProfileListFile, ReadsAReadOnlyList)
{
    folder.WriteFile("fixed.prl", "C:\\t\\a.h2p\r\n");
    const std::string path = folder.PathOf("fixed.prl");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ReadProfileListFile(path, entries), ProfileListResult::Read);
    EXPECT_EQ(entries, std::vector<std::string>{"C:\\t\\a.h2p"});
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ProfileListFile, WritesEveryPathWithCrLfAndReadsItBackTheSame)
{
    const std::vector<std::string> paths{"C:\\p\\a.h2p", std::string(300, 'x') + ".p2h", "C:\\p\\c.h2p"};
    const std::string path = folder.PathOf("list.prl");
    folder.WriteFile("list.prl", "C:\\old.h2p\r\nC:\\older.h2p\r\nC:\\oldest.h2p\r\nC:\\gone.h2p\r\n");
    ASSERT_TRUE(WriteProfileListFile(path, paths));
    EXPECT_EQ(ReadFileBytes(path), paths[0] + "\r\n" + paths[1] + "\r\n" + paths[2] + "\r\n");
    EXPECT_EQ(ReadProfileListFile(path, entries), ProfileListResult::Read);
    EXPECT_EQ(entries, paths);
}

// A list that cannot be replaced keeps its bytes, and nothing written for it stays behind in the folder.
TEST_F(ProfileListFile, AFailedWriteLeavesTheOldListAndNoOtherFile)
{
    const std::string old = "C:\\p\\a.h2p\r\n";
    folder.WriteFile("locked.prl", old);
    const std::string locked = folder.PathOf("locked.prl");
    {
        OwnedFile lock(CreateFileA(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        EXPECT_FALSE(WriteProfileListFile(locked, {"C:\\p\\b.h2p"}));
    }
    EXPECT_FALSE(WriteProfileListFile(folder.PathOf("no folder\\list.prl"), {"C:\\p\\b.h2p"}));
    EXPECT_EQ(ReadFileBytes(locked), old);
    WIN32_FIND_DATAA found;
    OwnedFind search(FindFirstFileA(folder.PathOf("zrt*.tmp").c_str(), &found));
    EXPECT_FALSE(search) << found.cFileName;
}
