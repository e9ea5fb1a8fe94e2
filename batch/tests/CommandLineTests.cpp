#include "CommandLine.h"
#include "FwText.h"
#include "LogListCtrl.h"

#include <gtest/gtest.h>

TEST(ParseCommandTail, TakesTheEventNameUpToOneBlankAndThePathAsTheRest)
{
    BatchCommandLine command = ParseCommandTail("/Event:Night C:\\t\\one.h2p");
    EXPECT_TRUE(command.hasEvent);
    EXPECT_EQ(command.eventName, "Night");
    EXPECT_EQ(command.path, "C:\\t\\one.h2p");

    command = ParseCommandTail("/Event:N  C:\\t\\one.h2p");
    EXPECT_EQ(command.eventName, "N");
    EXPECT_EQ(command.path, " C:\\t\\one.h2p") << "exactly one blank is skipped";
}

TEST(ParseCommandTail, MatchesThePrefixCaseSensitively)
{
    BatchCommandLine command = ParseCommandTail("/event:Night C:\\t\\one.h2p");
    EXPECT_FALSE(command.hasEvent);
    EXPECT_EQ(command.path, "/event:Night C:\\t\\one.h2p");
    EXPECT_EQ(ClassifyBatchPath(command.path), BatchPathKind::Profile);
}

TEST(ParseCommandTail, RemovesOneQuoteAtEachEndOnly)
{
    EXPECT_EQ(ParseCommandTail("/Event:N \"C:\\t\\My List.PRL\"").path, "C:\\t\\My List.PRL");
    EXPECT_EQ(ParseCommandTail("\"\"C:\\a b\\x.h2p\"\"").path, "\"C:\\a b\\x.h2p\"");
    EXPECT_EQ(ParseCommandTail("\"C:\\t\\x.h2p").path, "C:\\t\\x.h2p");
    EXPECT_EQ(ParseCommandTail("C:\\t\\x.h2p\"").path, "C:\\t\\x.h2p");
    EXPECT_EQ(ParseCommandTail("\"").path, "");
    EXPECT_EQ(ParseCommandTail("C:\\t\\a.h2p C:\\t\\b.h2p").path, "C:\\t\\a.h2p C:\\t\\b.h2p");
}

TEST(ParseCommandTail, TakesALongEventNameWhole)
{
    std::string name(300, 'E');
    BatchCommandLine command = ParseCommandTail("/Event:" + name + " C:\\t\\one.h2p");
    EXPECT_EQ(command.eventName, name);
    EXPECT_EQ(command.path, "C:\\t\\one.h2p");

    command = ParseCommandTail("/Event:NameWithoutBlank");
    EXPECT_TRUE(command.hasEvent);
    EXPECT_EQ(command.eventName, "NameWithoutBlank");
    EXPECT_EQ(command.path, "");
}

TEST(ClassifyBatchPath, LetsTheExtensionDecideInAnyCase)
{
    EXPECT_EQ(ClassifyBatchPath(""), BatchPathKind::Missing);
    EXPECT_EQ(ClassifyBatchPath("C:\\t\\a.H2P"), BatchPathKind::Profile);
    EXPECT_EQ(ClassifyBatchPath("C:\\t\\a.p2h"), BatchPathKind::Profile);
    EXPECT_EQ(ClassifyBatchPath("C:\\t\\My List.PRL"), BatchPathKind::List);
    EXPECT_EQ(ClassifyBatchPath("C:\\t\\x.txt"), BatchPathKind::Unknown);
    EXPECT_EQ(ClassifyBatchPath("C:\\a.prl\\c"), BatchPathKind::Unknown);
    EXPECT_EQ(ClassifyBatchPath("C:\\t\\a.h2p.bak"), BatchPathKind::Unknown);
}

TEST(SavedLogLine, HoldsDateTimeAndTheWholeTextWithoutABlankAfterMessage)
{
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 7;
    time.wHour = 14;
    time.wMinute = 2;
    time.wSecond = 9;
    LogRecord record;
    record.time = FwLocalTimeOf(time);
    record.text = std::string(300, 'm');
    EXPECT_EQ(SavedLogLine(record), "Date: 03/07/2024  Time: 14:02:09  Message:" + std::string(300, 'm') + "\r\n");
}
