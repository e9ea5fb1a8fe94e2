// Zrtbatch with the system's own manager and data sources: a host file of the simulated AS/400 becomes a CSV file.
#include "BatchDriver.h"
#include "HostStore.h"
#include "OwnedHandles.h"
#include "ProfileFiles.h"
#include "TestRegistryKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace
{
const int kGroup = 1001;
const int kRecords = 1029;
const int kStatus = 1108;
const int kStop = 1008;
const int kLogList = 1118;

// A host-to-PC profile of an SQL connection reading QGPL/CUSTOMER of the sample store into `csv`.
std::string SqlProfile(const std::string& connection, const std::string& table, const std::string& csv)
{
    return "[General]\r\n"
           "Connection=" +
           connection +
           "\r\n"
           "Direction=Host to PC\r\n"
           "Host type=AS/400\r\n"
           "Character set=EBCDIC to ANSI\r\n"
           "Auto close=No\r\n"
           "Transfer type=Conversion\r\n"
           "[Host request]\r\n"
           "System name=SYS1\r\n"
           "SQL select 1=*\r\n"
           "SQL from 1=" +
           table +
           "\r\n"
           "SQL where 1=@@\r\n"
           "SQL join 1=\r\n"
           "SQL group by 1=\r\n"
           "SQL having 1=@@\r\n"
           "SQL order by 1=\r\n"
           "SQL user defined1 1=@SELECT *@\r\n"
           "SQL user defined2 1=@@\r\n"
           "[PC request]\r\n"
           "Filename=" +
           csv +
           "\r\n"
           "PC file type=CSV (Comma delimiter)\r\n"
           "Remove blanks=Yes\r\n"
           "Decimal char is dot=Yes\r\n"
           "PC write mode=Create file\r\n";
}

// Three HLLAPI profiles reading the members of QGPL/CUSTOMER into first.csv, second.csv and third.csv, as a list.
std::string WriteThreeProfiles(BatchFolder& folder, const std::string& secondMember)
{
    std::string list;
    const std::pair<const char*, std::string> profiles[] = {
        {"first", "CUSTOMER"}, {"second", secondMember}, {"third", "CUSTOMER"}};
    for (const auto& [name, member] : profiles)
    {
        std::string profile = std::string(name) + ".h2p";
        folder.WriteFile(profile, HllapiCsvProfile("QGPL/CUSTOMER(" + member + ")",
                                                   folder.PathOf(std::string(name) + ".csv"), true));
        list += folder.PathOf(profile) + "\r\n";
    }
    folder.WriteFile("three.prl", list);
    return folder.PathOf("three.prl");
}
}

TEST(EndToEnd, AHostFileBecomesACsvFileThroughTheSystemsManager)
{
    TestRegistryKey key;
    ASSERT_TRUE(key.SwitchOffFileConfirmations());
    SetEnvironmentVariableA("ZRT_HOST_DIR", (TempProgramFolder::BuildProgramFolder() + "\\host").c_str());
    BatchFolder folder(ManagerFile::Real);
    std::string csv = folder.PathOf("customer.csv");
    folder.WriteFile("customer.h2p", HllapiCsvProfile("QGPL/CUSTOMER(CUSTOMER)", csv, false));
    std::string name = "EndToEnd" + std::to_string(GetCurrentProcessId());
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + folder.PathOf("customer.h2p"));
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000));
    std::vector<std::string> log = ListViewColumn(GetDlgItem(dialog, kLogList), 2);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Transfer completed successfully. 25 records transferred.");
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(events.Failure());
    EXPECT_EQ(LineCount(csv), 25);
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

TEST(EndToEnd, AppcAndTcpipProfilesOfAListRunThroughTheirDataSources)
{
    TestRegistryKey key;
    ASSERT_TRUE(key.SwitchOffFileConfirmations());
    SetEnvironmentVariableA("ZRT_HOST_DIR", (TempProgramFolder::BuildProgramFolder() + "\\host").c_str());
    BatchFolder folder(ManagerFile::Real);
    folder.WriteFile("appc.h2p", SqlProfile("APPC", "QGPL/CUSTOMER(CUSTOMER)", folder.PathOf("appc.csv")));
    folder.WriteFile("tcpip.h2p", SqlProfile("TCP/IP", "QGPL/CUSTOMER(CUSTOMER)", folder.PathOf("tcpip.csv")));
    folder.WriteFile("sql.prl", folder.PathOf("appc.h2p") + "\n" + folder.PathOf("tcpip.h2p") + "\n");
    std::string name = "EndToEndSql" + std::to_string(GetCurrentProcessId());
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + folder.PathOf("sql.prl"));
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000));
    std::vector<std::string> log = ListViewColumn(GetDlgItem(dialog, kLogList), 2);
    int completed = 0;
    std::string lines;
    for (const std::string& line : log)
    {
        completed += line == "Transfer completed successfully. 25 records transferred." ? 1 : 0;
        lines += line + "\n";
    }
    EXPECT_EQ(completed, 2) << lines;
    EXPECT_TRUE(events.Success());
    EXPECT_FALSE(events.Failure());
    EXPECT_EQ(LineCount(folder.PathOf("appc.csv")), 25);
    EXPECT_EQ(LineCount(folder.PathOf("tcpip.csv")), 25);
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

TEST(EndToEnd, AProfileThatFailsAtTheHostLogsTheHostsErrorAndTheListGoesOn)
{
    TestRegistryKey key;
    ASSERT_TRUE(key.SwitchOffFileConfirmations());
    BatchFolder folder(ManagerFile::Real);
    UseCopyOfSampleStore(folder.PathOf("host"));
    std::string list = WriteThreeProfiles(folder, "NOSUCH");
    std::string name = "EndToEndFail" + std::to_string(GetCurrentProcessId());
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + list);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000));
    std::vector<std::string> log = ListViewColumn(GetDlgItem(dialog, kLogList), 2);
    ASSERT_GE(log.size(), 7u);
    EXPECT_EQ(log[2], "The profile '" + folder.PathOf("second.h2p") + "' started.");
    EXPECT_EQ(log[3].rfind("Error ZRT014:", 0), 0u) << log[3];
    EXPECT_EQ(log[log.size() - 3], "Transfer failed.");
    EXPECT_EQ(log[log.size() - 2], "The profile '" + folder.PathOf("third.h2p") + "' started.");
    EXPECT_EQ(log.back(), "Transfer completed successfully. 25 records transferred.");
    EXPECT_EQ(ControlText(dialog, kGroup), "Profile 3 of 3");
    EXPECT_EQ(LineCount(folder.PathOf("first.csv")), 25);
    EXPECT_EQ(LineCount(folder.PathOf("third.csv")), 25);
    EXPECT_TRUE(events.Failure());
    EXPECT_FALSE(events.Success());
    EXPECT_TRUE(AnswersAfterCurrentMessage(dialog))
        << "a failed run stays open although every profile asks for Auto close";
    EXPECT_TRUE(process.IsRunning());
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

TEST(EndToEnd, StopEndsTheHostTransferAndStartsNoFurtherProfile)
{
    TestRegistryKey key;
    ASSERT_TRUE(key.SwitchOffFileConfirmations());
    BatchFolder folder(ManagerFile::Real);
    std::string store = folder.PathOf("host");
    UseCopyOfSampleStore(store);
    AddAs400Member(store, "QGPL", "CUSTOMER", "CUSTOMER", "MANY", 400);
    folder.WriteFile("host\\SCENARIO.INI", "[Session A]\r\nReplyDelayMs=300\r\n");
    std::string list = WriteThreeProfiles(folder, "MANY");
    std::string name = "EndToEndStop" + std::to_string(GetCurrentProcessId());
    StarterEvents events(name);
    BatchProcess process(folder.Path(), "/Event:" + name + " " + list);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil(
        [&] {
            return ControlText(dialog, kGroup) == "Profile 2 of 3" && atoi(ControlText(dialog, kRecords).c_str()) >= 10;
        },
        60000));
    Click(dialog, kStop);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000));
    EXPECT_EQ(ControlText(dialog, kStatus), "Transfer canceled by user.");
    std::vector<std::string> log = ListViewColumn(GetDlgItem(dialog, kLogList), 2);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Transfer canceled by user.");
    EXPECT_EQ(std::count(log.begin(), log.end(), "The profile '" + folder.PathOf("third.h2p") + "' started."), 0);
    EXPECT_TRUE(events.Failure());
    EXPECT_FALSE(events.Success());
    EXPECT_EQ(GetFileAttributesA(folder.PathOf("third.csv").c_str()), INVALID_FILE_ATTRIBUTES);
    int kept = LineCount(folder.PathOf("second.csv"));
    EXPECT_GE(kept, 10);
    EXPECT_LT(kept, 400);
    EXPECT_TRUE(AnswersAfterCurrentMessage(dialog));
    EXPECT_TRUE(process.IsRunning());
    Click(dialog, kStop);
    EXPECT_TRUE(process.WaitExit(15000));
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}
