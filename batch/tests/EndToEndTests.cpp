// Zrtbatch with the system's own manager and data sources: a host file of the simulated AS/400 becomes a CSV file.
#include "BatchDriver.h"
#include "TestRegistryKey.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
const int kStop = 1008;
const int kLogList = 1118;

// Unattended: the PC-file data source asks no question before it creates or replaces a file.
void SwitchOffConfirmations(const TestRegistryKey& key)
{
    HKEY options = nullptr;
    ASSERT_EQ(RegCreateKeyExA(key.Root(), key.SubkeyPath("ZRT").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &options, nullptr),
              ERROR_SUCCESS);
    DWORD off = 0;
    for (const char* name : {"Confirm PC file creating", "Confirm PC file replacing"})
    {
        RegSetValueExA(options, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof(off));
    }
    RegCloseKey(options);
}

// A host-to-PC profile of an SQL connection reading QGPL/CUSTOMER of the sample store into `csv`.
std::string SqlProfile(const std::string& connection, const std::string& table, const std::string& csv)
{
    return "[General]\r\n"
           "Connection=" + connection + "\r\n"
           "Direction=Host to PC\r\n"
           "Host type=AS/400\r\n"
           "Character set=EBCDIC to ANSI\r\n"
           "Auto close=No\r\n"
           "Transfer type=Conversion\r\n"
           "[Host request]\r\n"
           "System name=SYS1\r\n"
           "SQL select 1=*\r\n"
           "SQL from 1=" + table + "\r\n"
           "SQL where 1=@@\r\n"
           "SQL join 1=\r\n"
           "SQL group by 1=\r\n"
           "SQL having 1=@@\r\n"
           "SQL order by 1=\r\n"
           "SQL user defined1 1=@SELECT *@\r\n"
           "SQL user defined2 1=@@\r\n"
           "[PC request]\r\n"
           "Filename=" + csv + "\r\n"
           "PC file type=CSV (Comma delimiter)\r\n"
           "Remove blanks=Yes\r\n"
           "Decimal char is dot=Yes\r\n"
           "PC write mode=Create file\r\n";
}

int LineCount(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    int count = 0;
    while (std::getline(file, line))
    {
        ++count;
    }
    return count;
}
}

TEST(EndToEnd, AHostFileBecomesACsvFileThroughTheSystemsManager)
{
    TestRegistryKey key;
    SwitchOffConfirmations(key);
    SetEnvironmentVariableA("ZRT_HOST_DIR", (TempProgramFolder::BuildProgramFolder() + "\\host").c_str());
    BatchFolder folder(ManagerFile::Real);
    std::string csv = folder.PathOf("customer.csv");
    folder.WriteFile("customer.h2p", "[General]\r\n"
                                     "Connection=HLLAPI\r\n"
                                     "Direction=Host to PC\r\n"
                                     "Host type=AS/400\r\n"
                                     "Character set=EBCDIC to ANSI\r\n"
                                     "Auto close=No\r\n"
                                     "Transfer type=Conversion\r\n"
                                     "[Host request]\r\n"
                                     "Presentation space ID=A\r\n"
                                     "Host file type=Data\r\n"
                                     "Description file=\r\n"
                                     "SQL from=QGPL/CUSTOMER(CUSTOMER)\r\n"
                                     "[PC request]\r\n"
                                     "Filename=" + csv + "\r\n"
                                     "PC file type=CSV (Comma delimiter)\r\n"
                                     "Remove blanks=Yes\r\n"
                                     "Decimal char is dot=Yes\r\n"
                                     "PC write mode=Create file\r\n");
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
    SwitchOffConfirmations(key);
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
