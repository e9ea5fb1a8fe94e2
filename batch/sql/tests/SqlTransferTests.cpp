// Whole transfers of APPC and TCP/IP profiles: read strictly, made current, run by Zrtmgr through the outside SQL data
// source of the connection into a CSV file.
#include "SqlTestSupport.h"

#include "ManagerTestBed.h"
#include "ZRCallbacks.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZRSqlProfiles.h"

#include <fstream>

namespace
{
using Texts = std::vector<std::string>;

// The records of TLIB/ITEMS(CURRENT) as CSV, values as the host shows them ("Remove blanks" is off).
const char kCurrentCsv[] = " 12345,\"Bolt      \",    12.50\r\n    -7,\"Nut & Co. \",    -0.05\r\n";

class SqlTransferTest : public ::testing::Test
{
protected:
    SqlTransferTest()
    {
        m_bed.Folder().InstallFromBuild("Zrtappc.dll", "ZRTAPPC.DLL");
        m_bed.Folder().InstallFromBuild("Zrttcp.dll", "ZRTTCP.DLL");
        m_bed.Folder().InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
        WriteStore();
        SetEnvironmentVariableA("ZRT_HOST_DIR", File("store").c_str());
        SetStrictProfileReading(TRUE);
    }
    ~SqlTransferTest() override
    {
        if (m_bed.HasManager())
        {
            m_bed.Manager().DisconnectHost();
            m_bed.Manager().UnloadHost();
        }
        m_bed.Release();
        InstallProfileCallbacks(&m_bed.Tables().Profile());
        SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
    }

    std::string File(const char* name) { return m_bed.Folder().File(name); }

    void Write(const char* relativePath, const std::string& text)
    {
        std::string path = File("store");
        CreateDirectoryA(path.c_str(), nullptr);
        std::string relative = relativePath;
        for (size_t slash = relative.find('\\'); slash != std::string::npos; slash = relative.find('\\', slash + 1))
            CreateDirectoryA((path + "\\" + relative.substr(0, slash)).c_str(), nullptr);
        std::ofstream(path + "\\" + relative, std::ios::binary) << text;
    }

    // Library TLIB, data file ITEMS with the members CURRENT (two records) and OLD (one).
    void WriteStore()
    {
        Write("AS400\\TLIB\\ITEMS.INI", "[File]\r\nType=DATA\r\n[Members]\r\nCURRENT=\r\nOLD=\r\n");
        Write("AS400\\TLIB\\ITEMS.FMT", "ITEMNO    P00500\r\nNAME      A01000\r\nPRICE     S00702\r\n");
        Write("AS400\\TLIB\\ITEMS\\CURRENT.MBR", "\\12\\34\\5FBolt      \\F0\\F0\\F0\\F1\\F2\\F5\\F0\r\n"
                                                 "\\00\\00\\7DNut & Co.\\40\\F0\\F0\\F0\\F0\\F0\\F0\\D5\r\n");
        Write("AS400\\TLIB\\ITEMS\\OLD.MBR", "\\00\\00\\1FWasher    \\F0\\F0\\F0\\F0\\F0\\F1\\F0\r\n");
    }

    // A host-to-PC profile of the connection reading `tables` (one "SQL from" key each) into out.csv, read strictly
    // and made current as Zrtbatch does.
    bool ReadProfile(const char* connection, const Texts& tables)
    {
        std::string path = File("sql.h2p");
        WriteFileBytes(path, kAppcHostToPcProfile);
        SetProfileValue(path, "General", "Connection", connection);
        SetProfileValue(path, "PC request", "Filename", File("out.csv").c_str());
        for (size_t i = 0; i < tables.size(); ++i)
            SetHostValue(path, ("SQL from " + std::to_string(i + 1)).c_str(), tables[i].c_str());
        CZRProfile* made = nullptr;
        if (MakeSqlProfile(connection, path.c_str(), &made) != ZRSqlProfileResult::Made)
            return false;
        m_profile.reset(made);
        InstallProfileCallbacks(m_profile.get());
        if (!m_profile->Read())
            return false;
        int message = kTestMessage;
        m_profile->Notify().SetValue(ZRP_NOTIFY_MESSAGE, &message);
        return true;
    }

    BOOL RunTransfer()
    {
        EXPECT_TRUE(m_bed.Create());
        return m_bed.HasManager() && m_bed.Manager().RunTransfer(nullptr);
    }

    Texts LogLines(const char* name)
    {
        Texts lines;
        std::ifstream in(File(name));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    }

    ManagerTestBed m_bed;
    std::unique_ptr<CZRProfile> m_profile;
};

TEST_F(SqlTransferTest, AppcProfileRunsThroughZrtappc)
{
    ASSERT_TRUE(ReadProfile("APPC", {"TLIB/ITEMS(CURRENT)"}));
    EXPECT_TRUE(RunTransfer()) << ::testing::PrintToString(m_bed.Errors().Texts());
    EXPECT_EQ(LogLines("Zrtappc.log"), Texts{"statement: \"SELECT * FROM TLIB/ITEMS(CURRENT) \""});
    EXPECT_EQ(ReadFileBytes(File("out.csv")), kCurrentCsv);
    EXPECT_EQ(m_bed.Errors().Texts(), Texts());
}

TEST_F(SqlTransferTest, TcpipProfileRunsThroughZrttcp)
{
    ASSERT_TRUE(ReadProfile("TCP/IP", {"TLIB/ITEMS(OLD)"}));
    EXPECT_TRUE(RunTransfer()) << ::testing::PrintToString(m_bed.Errors().Texts());
    // TCP/IP names the file alone: its first member is read.
    EXPECT_EQ(LogLines("Zrttcp.log"), Texts{"statement: \"SELECT * FROM TLIB.ITEMS \""});
    EXPECT_EQ(ReadFileBytes(File("out.csv")), kCurrentCsv);
}

TEST_F(SqlTransferTest, StatementOfSeveralTablesIsRefusedByTheDataSource)
{
    ASSERT_TRUE(ReadProfile("TCP/IP", {"TLIB/ITEMS(CURRENT)", "TLIB/ITEMS(OLD)"}));
    EXPECT_FALSE(RunTransfer());
    EXPECT_EQ(LogLines("Zrttcp.log"), Texts{"statement: \"SELECT * FROM TLIB.ITEMS T1, TLIB.ITEMS T2 \""});
    EXPECT_EQ(m_bed.Errors().Texts(),
              Texts{"Zrttcp: Only a plain SELECT * FROM one table can run here, not the statement: SELECT * FROM "
                    "TLIB.ITEMS T1, TLIB.ITEMS T2 "});
}
}
