// Zrtappc and Zrttcp driven through their exported tables as the manager drives a host data source.
#include "StandInTestSupport.h"

#include <windows.h>

namespace
{
using Texts = std::vector<std::string>;
using Records = std::vector<std::vector<std::string>>;

const std::vector<StandInField> kItemsFields = {
    {"ITEMNO", 3, 6, 0}, {"NAME", 1, 10, 0}, {"PRICE", 5, 9, 2}, {"QTY", 7, 5, 0}};
const Records kCurrentRecords = {{" 12345", "Bolt      ", "    12.50", "  100"},
                                 {"    -7", "Nut & Co. ", "    -0.05", "   -3"}};

class StandInDriveTest : public StandInTest
{
protected:
    void ExpectRefused(const char* library, const char* statement, const std::string& error)
    {
        SCOPED_TRACE(std::string(library) + ": " + (statement ? statement : "(no statement)"));
        StandInRun run = Run(library, statement);
        EXPECT_TRUE(run.connected);
        EXPECT_FALSE(run.opened);
        EXPECT_EQ(run.errors, Texts{error});
        EXPECT_TRUE(run.closed);
        EXPECT_TRUE(run.disconnected);
    }
};

TEST_F(StandInDriveTest, AppcRunsSelectStarFromOneMember)
{
    StandInRun run = Run("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(CURRENT) ");
    ASSERT_TRUE(run.opened) << ::testing::PrintToString(run.errors);
    EXPECT_EQ(run.fields, kItemsFields);
    EXPECT_EQ(run.records, kCurrentRecords);
    EXPECT_TRUE(run.loopDone);
    EXPECT_EQ(run.recordCount, 2);
    EXPECT_TRUE(run.closed);
    EXPECT_TRUE(run.disconnected);
    EXPECT_EQ(run.errors, Texts());
    EXPECT_EQ(LogLines("Zrtappc.dll"), Texts{"statement: \"SELECT * FROM TLIB/ITEMS(CURRENT) \""});
    EXPECT_EQ(LogLines("Zrttcp.dll"), Texts());
}

TEST_F(StandInDriveTest, TcpipRunsSelectStarFromTheFirstMember)
{
    StandInRun run = Run("Zrttcp.dll", "SELECT * FROM tlib.items");
    ASSERT_TRUE(run.opened) << ::testing::PrintToString(run.errors);
    EXPECT_EQ(run.fields, kItemsFields);
    EXPECT_EQ(run.records, kCurrentRecords);
    EXPECT_EQ(run.recordCount, 2);
    EXPECT_EQ(LogLines("Zrttcp.dll"), Texts{"statement: \"SELECT * FROM tlib.items\""});
}

TEST_F(StandInDriveTest, MembersAndSourceFiles)
{
    StandInRun old = Run("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(OLD)");
    EXPECT_EQ(old.records, (Records{{"     1", "Washer    ", "     0.10", "    0"}}));

    StandInRun empty = Run("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(EMPTY)");
    EXPECT_TRUE(empty.opened);
    EXPECT_TRUE(empty.loopDone);
    EXPECT_EQ(empty.records, Records());
    EXPECT_EQ(empty.recordCount, 0);

    StandInRun source = Run("Zrtappc.dll", "SELECT * FROM TLIB/QSRC");
    EXPECT_EQ(source.fields,
              (std::vector<StandInField>{{"SRCSEQ", 5, 8, 2}, {"SRCDAT", 5, 7, 0}, {"SRCDTA", 1, 8, 0}}));
    EXPECT_EQ(source.records, (Records{{"    1.00", " 250101", "PGM     "}}));
    EXPECT_EQ(LogLines("Zrtappc.dll").size(), 3u);
}

TEST_F(StandInDriveTest, AnythingButSelectStarFromOneTableIsRefused)
{
    for (const char* statement : {"SELECT A FROM TLIB/ITEMS(CURRENT) ", "SELECT * FROM TLIB/ITEMS(CURRENT) WHERE A > 1",
                                  "SELECT * FROM TLIB/ITEMS(CURRENT), TLIB/ITEMS(OLD) ", ""})
    {
        ExpectRefused("Zrtappc.dll", statement,
                      std::string("Zrtappc: Only a plain SELECT * FROM one table can run here, not the statement: ") +
                          statement);
    }
    const char join[] = "SELECT * FROM TLIB.ITEMS T1, TLIB.QSRC T2 WHERE T1.A = T2.B";
    ExpectRefused("Zrttcp.dll", join,
                  std::string("Zrttcp: Only a plain SELECT * FROM one table can run here, not the statement: ") + join);
    // Every statement received is logged, the refused ones too.
    EXPECT_EQ(LogLines("Zrtappc.dll").size(), 4u);
    EXPECT_EQ(LogLines("Zrttcp.dll"), Texts{std::string("statement: \"") + join + "\""});
}

TEST_F(StandInDriveTest, UnknownTablesAndMembers)
{
    ExpectRefused("Zrtappc.dll", "SELECT * FROM TLIB/NONE(CURRENT) ",
                  "Zrtappc: The table TLIB/NONE is not in the host store " + m_store.Path() + ".");
    ExpectRefused("Zrttcp.dll", "SELECT * FROM NOLIB.ITEMS",
                  "Zrttcp: The table NOLIB.ITEMS is not in the host store " + m_store.Path() + ".");
    ExpectRefused("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(NEXT) ",
                  "Zrtappc: The table TLIB/ITEMS has no member NEXT.");
    m_store.Write("AS400\\TLIB\\ITEMS.FMT", "ITEMNO    Q00500\r\n");
    ExpectRefused("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(CURRENT) ",
                  "Zrtappc: The description of the table TLIB/ITEMS cannot be read or holds an invalid field.");
}

TEST_F(StandInDriveTest, ProfileWithoutAStatement)
{
    ExpectRefused("Zrtappc.dll", nullptr, "Zrtappc: The profile holds no SQL statement.");
    EXPECT_EQ(LogLines("Zrtappc.dll"), Texts());
}

TEST_F(StandInDriveTest, PcToHostProfilesAreRefused)
{
    for (const char* library : {"Zrtappc.dll", "Zrttcp.dll"})
    {
        StandInRun run = Run(library, "SELECT * FROM TLIB/ITEMS(CURRENT) ", ZRDIR_PC_TO_HOST);
        EXPECT_FALSE(run.created);
        std::string name = std::string(library).substr(0, std::string(library).find('.'));
        EXPECT_EQ(run.errors,
                  Texts{name + ": Only host-to-PC transfers can run here; the PC-to-host profile is refused."});
    }
}

TEST_F(StandInDriveTest, MissingHostStore)
{
    std::string missing = m_folder.PathOf("no-store");
    SetEnvironmentVariableA("ZRT_HOST_DIR", missing.c_str());
    StandInRun run = Run("Zrttcp.dll", "SELECT * FROM TLIB.ITEMS");
    EXPECT_FALSE(run.connected);
    EXPECT_EQ(run.errors, Texts{"Zrttcp: The host store " + missing + " cannot be found."});
}

TEST_F(StandInDriveTest, DamagedRecordEndsTheTransfer)
{
    m_store.Write("AS400\\TLIB\\ITEMS\\CURRENT.MBR", "\\12\\34\\5FBolt      \\F0\\F0\\F0\\F1\\F2\\F5\\F0\\00\\64\r\n"
                                                     "\\12\\34\\56Nut\r\n");
    StandInRun run = Run("Zrtappc.dll", "SELECT * FROM TLIB/ITEMS(CURRENT) ");
    EXPECT_TRUE(run.opened);
    EXPECT_FALSE(run.loopDone);
    EXPECT_EQ(run.records, Records{kCurrentRecords[0]});
    EXPECT_EQ(run.recordCount, 1);
    EXPECT_EQ(run.errors, Texts{"Zrtappc: Record 2 of the table TLIB/ITEMS is damaged."});
    EXPECT_TRUE(run.closed);
}

// The sample store of the simulated host, as the demo uses it.
TEST_F(StandInDriveTest, SampleStoreCustomers)
{
    std::string sample = TempProgramFolder::BuildProgramFolder() + "\\host";
    if (GetFileAttributesA(sample.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no sample host store in the program folder";
    SetEnvironmentVariableA("ZRT_HOST_DIR", sample.c_str());
    StandInRun run = Run("Zrtappc.dll", "SELECT * FROM QGPL/CUSTOMER(CUSTOMER) ");
    ASSERT_TRUE(run.loopDone) << ::testing::PrintToString(run.errors);
    EXPECT_EQ(run.recordCount, 25);
    ASSERT_EQ(run.fields.size(), 9u);
    EXPECT_EQ(run.fields[0], (StandInField{"CUSTNO", 3, 8, 0}));
    EXPECT_EQ(run.records[0][1], "Anderson Hardware             ");
    int width = 0;
    for (const StandInField& field : run.fields)
        width += field.length;
    EXPECT_EQ(width, 109);
}
}
