#include "FwFileDialog.h"
#include "FwText.h"

#include <gtest/gtest.h>

TEST(FwFormatArgs, FollowsPrintfRulesForMatchingArguments)
{
    EXPECT_EQ(FwFormatArgs("Parameter '%s' is invalid.", {"Record length"}), "Parameter 'Record length' is invalid.");
    EXPECT_EQ(FwFormatArgs("Profile %d of %d", {2, 3}), "Profile 2 of 3");
    EXPECT_EQ(FwFormatArgs("[%5s|%-4d|%03d|%x]", {"ab", 7, 5, 255}), "[   ab|7   |005|ff]");
    EXPECT_EQ(FwFormatArgs("100%% sure, %s", {"yes"}), "100% sure, yes");
}

TEST(FwFormatArgs, NeverReadsPastTheArgumentsOrTakesANumberAsText)
{
    EXPECT_EQ(FwFormatArgs("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(FwFormatArgs("%d records", {}), "0 records");
    EXPECT_EQ(FwFormatArgs("file %s", {42}), "file 42");
    EXPECT_EQ(FwFormatArgs("count %d", {"x"}), "count 0");
    EXPECT_EQ(FwFormatArgs("long %ld and %lu", {5, 6}), "long 5 and 6");
    EXPECT_EQ(FwFormatArgs("odd %y stays, trailing %", {}), "odd %y stays, trailing %");
}

TEST(FwFormatSpan, FormatsDaysUnpaddedAndTheRestInTwoDigits)
{
    EXPECT_EQ(FwFormatSpan(0, "%Dd %Hh %Mm %Ss"), "0d 00h 00m 00s");
    EXPECT_EQ(FwFormatSpan(65, "%Dd %Hh %Mm %Ss"), "0d 00h 01m 05s");
    EXPECT_EQ(FwFormatSpan(12 * 86400 + 3600 + 61, "%Dd %Hh %Mm %Ss"), "12d 01h 01m 01s");
    EXPECT_EQ(FwFormatSpan(-5, "%S%%"), "00%");
}

TEST(FwFormatTime, RoundTripsALocalSystemTime)
{
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 2;
    time.wDay = 29;
    time.wHour = 23;
    time.wMinute = 5;
    time.wSecond = 9;
    time_t calendar = FwLocalTimeOf(time);
    EXPECT_EQ(FwFormatTime(calendar, "%m/%d/%Y"), "02/29/2024");
    EXPECT_EQ(FwFormatTime(calendar, "%H:%M:%S"), "23:05:09");
}

TEST(FwPath, SplitsExtensionAndFileNameLikeTheRuntime)
{
    EXPECT_EQ(FwPathExtension("C:\\t\\List.PRL"), ".PRL");
    EXPECT_EQ(FwPathExtension("C:\\a.b\\c"), "");
    EXPECT_EQ(FwPathExtension("C:\\t\\x.tar.h2p"), ".h2p");
    EXPECT_EQ(FwPathExtension(""), "");
    EXPECT_EQ(FwPathFileName("C:\\t\\one.h2p"), "one.h2p");
    EXPECT_EQ(FwPathFileName("C:one.h2p"), "one.h2p");
    EXPECT_EQ(FwPathFileName("one.h2p"), "one.h2p");
}

TEST(FwEqualsNoCase, IgnoresOnlyTheCaseOfLetters)
{
    EXPECT_TRUE(FwEqualsNoCase("hllapi", "HLLAPI"));
    EXPECT_TRUE(FwEqualsNoCase("tcp/ip", "TCP/IP"));
    EXPECT_FALSE(FwEqualsNoCase("HLL-API", "HLLAPI"));
}

TEST(FwCommandTail, SkipsTheProgramNameLikeWinMain)
{
    EXPECT_EQ(FwCommandTail("\"C:\\Program Files\\Zrtbatch.exe\" /Event:N C:\\t\\a.h2p"), "/Event:N C:\\t\\a.h2p");
    EXPECT_EQ(FwCommandTail("Zrtbatch.exe   \"C:\\t\\a b.prl\" "), "\"C:\\t\\a b.prl\" ");
    EXPECT_EQ(FwCommandTail("Zrtbatch.exe"), "");
    EXPECT_EQ(FwCommandTail("\"unterminated"), "");
    EXPECT_EQ(FwCommandTail(nullptr), "");
}

TEST(FwMakeDialogFilter, FilterPartsBecomeZeroSeparatedWithADoubleZeroEnd)
{
    const std::string filter = FwMakeDialogFilter("Profiles (*.h2p)|*.h2p|All files (*.*)|*.*|");
    EXPECT_EQ(std::string("Profiles (*.h2p)\0*.h2p\0All files (*.*)\0*.*\0\0\0", 45), filter);
    EXPECT_EQ(std::string("a\0b\0\0", 5), FwMakeDialogFilter("a|b"));
}
