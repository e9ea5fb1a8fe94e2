// The items of the SQL host requests by id, the parameters the kinds use, and the kinds Zrtbatch makes.
#include "SqlTestSupport.h"

#include "ZRCallbacks.h"
#include "ZRForeignRequest.h"
#include "ZRHostRequestAppc.h"
#include "ZRHostRequestTcpip.h"
#include "ZRProfileAPPC.h"
#include "ZRProfileParams.h"
#include "ZRProfileTCPIP.h"
#include "ZRSqlProfiles.h"
#include "ZRTypeCodes.h"

namespace
{
using Texts = std::vector<std::string>;

const int kHostToPcTexts[] = {ZRP_SQL_SELECT,
                              ZRP_HOST_SOURCE_NAME,
                              ZRP_SQL_WHERE,
                              ZRP_SQL_JOIN,
                              ZRP_SQL_GROUP_BY,
                              ZRP_SQL_HAVING,
                              ZRP_SQL_ORDER_BY,
                              ZRP_SQL_STATEMENT,
                              ZRP_SQL_USER_DEFINED_HEAD,
                              ZRP_SQL_USER_DEFINED_TAIL,
                              ZRP_SQL_EXTRA_TEXT,
                              ZRP_SQL_SYSTEM_NAME};
const int kPcToHostTexts[] = {ZRP_SQL_SYSTEM_NAME, ZRP_SQL_REPLACE,   ZRP_HOST_TARGET_NAME, ZRP_SQL_REFERENCE_FILE,
                              ZRP_SQL_EXTRA_TEXT,  ZRP_SQL_FILE_TEXT, ZRP_SQL_MEMBER_TEXT};
const int kPcToHostNumbers[] = {ZRP_HOST_FILE_TYPE, ZRP_HOST_WRITE_MODE, ZRP_RECORD_LENGTH, ZRP_SQL_AUTHORITY};

std::string Text(const CZRRequestPart& part, int id)
{
    std::string value(part.GetSize(id), '\0');
    EXPECT_TRUE(part.GetValue(id, value.data())) << id;
    return value.c_str();
}

int Number(const CZRRequestPart& part, int id)
{
    int value = -1;
    EXPECT_TRUE(part.GetValue(id, &value)) << id;
    return value;
}

// Every text and number of a part, by id.
std::vector<std::pair<int, std::string>> Snapshot(const CZRRequestPart& part)
{
    std::vector<std::pair<int, std::string>> values;
    for (int id = 300; id < 330; ++id)
    {
        int size = part.GetSize(id);
        if (size < 0)
            continue;
        bool number = id == ZRP_SQL_FRESH || id == ZRP_HOST_FILE_TYPE || id == ZRP_HOST_WRITE_MODE ||
                      id == ZRP_RECORD_LENGTH || id == ZRP_SQL_AUTHORITY;
        values.emplace_back(id, number ? std::to_string(Number(part, id)) : Text(part, id));
    }
    return values;
}

using SqlItemTest = SqlProfileTest;

TEST_F(SqlItemTest, NewHostToPcPart)
{
    for (bool tcpip : {false, true})
    {
        std::unique_ptr<CZRRequestPart> part(tcpip ? static_cast<CZRRequestPart*>(new CZRHostRequestTcpipH2P)
                                                   : new CZRHostRequestAppcH2P);
        EXPECT_EQ(Snapshot(*part), (std::vector<std::pair<int, std::string>>{{306, ""},
                                                                             {311, ""},
                                                                             {312, "*"},
                                                                             {313, ""},
                                                                             {314, ""},
                                                                             {315, ""},
                                                                             {316, ""},
                                                                             {317, ""},
                                                                             {318, "1"},
                                                                             {324, ""},
                                                                             {325, ""},
                                                                             {326, ""},
                                                                             {327, ""}}));
    }
}

TEST_F(SqlItemTest, NewPcToHostPart)
{
    for (bool tcpip : {false, true})
    {
        std::unique_ptr<CZRRequestPart> part(tcpip ? static_cast<CZRRequestPart*>(new CZRHostRequestTcpipP2H)
                                                   : new CZRHostRequestAppcP2H);
        EXPECT_EQ(Snapshot(*part), (std::vector<std::pair<int, std::string>>{{304, "1"},
                                                                             {307, ""},
                                                                             {308, "5"},
                                                                             {309, "92"},
                                                                             {311, ""},
                                                                             {319, "*"},
                                                                             {320, ""},
                                                                             {321, ""},
                                                                             {322, ""},
                                                                             {323, "2"},
                                                                             {327, ""}}));
    }
}

TEST_F(SqlItemTest, TextItemsTakeCopiesAndReportTheirSize)
{
    CZRHostRequestAppcH2P hostToPc;
    for (int id : kHostToPcTexts)
    {
        std::string value = "value of " + std::to_string(id);
        value.resize(8);
        std::string copy = value;
        EXPECT_TRUE(hostToPc.SetValue(id, copy.c_str()));
        copy.assign(copy.size(), 'x');
        EXPECT_EQ(hostToPc.GetSize(id), static_cast<int>(value.size()) + 1) << id;
        EXPECT_EQ(Text(hostToPc, id), value) << id;
    }
    int fresh = 0;
    EXPECT_TRUE(hostToPc.SetValue(ZRP_SQL_FRESH, &fresh));
    EXPECT_EQ(Number(hostToPc, ZRP_SQL_FRESH), 0);
    EXPECT_EQ(hostToPc.GetSize(ZRP_SQL_FRESH), 4);

    CZRHostRequestTcpipP2H pcToHost;
    for (int id : kPcToHostTexts)
    {
        EXPECT_TRUE(pcToHost.SetValue(id, "ABC"));
        EXPECT_EQ(Text(pcToHost, id), "ABC");
        EXPECT_EQ(pcToHost.GetSize(id), 4);
    }
    for (int id : kPcToHostNumbers)
    {
        int value = id * 10;
        EXPECT_TRUE(pcToHost.SetValue(id, &value));
        EXPECT_EQ(Number(pcToHost, id), id * 10);
        EXPECT_EQ(pcToHost.GetSize(id), 4);
    }
}

// Text items held in the object never take more than their storage.
TEST_F(SqlItemTest, FixedTextsAreCutToTheirStorage)
{
    CZRHostRequestAppcH2P hostToPc;
    EXPECT_TRUE(hostToPc.SetValue(ZRP_SQL_SYSTEM_NAME, "ABCDEFGHIJKL"));
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_SYSTEM_NAME), "ABCDEFGH");

    CZRHostRequestAppcP2H pcToHost;
    const std::string sixty(60, 't');
    EXPECT_TRUE(pcToHost.SetValue(ZRP_SQL_SYSTEM_NAME, "ABCDEFGHIJKL"));
    EXPECT_TRUE(pcToHost.SetValue(ZRP_SQL_FILE_TEXT, sixty.c_str()));
    EXPECT_TRUE(pcToHost.SetValue(ZRP_SQL_MEMBER_TEXT, sixty.c_str()));
    EXPECT_EQ(Text(pcToHost, ZRP_SQL_SYSTEM_NAME), "ABCDEFGH");
    EXPECT_EQ(Text(pcToHost, ZRP_SQL_FILE_TEXT), sixty.substr(0, 50));
    EXPECT_EQ(pcToHost.GetSize(ZRP_SQL_MEMBER_TEXT), 51);
}

TEST_F(SqlItemTest, ForeignIdsAreRefusedAndChangeNothing)
{
    CZRHostRequestAppcH2P hostToPc;
    CZRHostRequestTcpipP2H pcToHost;
    auto hostToPcBefore = Snapshot(hostToPc);
    auto pcToHostBefore = Snapshot(pcToHost);
    int number = 7;
    char buffer[64] = "untouched";
    for (int id : {1, 200, 303, 304, 305, 307, 308, 309, 310, 319, 320, 321, 322, 323, 328, 500})
    {
        EXPECT_FALSE(hostToPc.SetValue(id, &number)) << id;
        EXPECT_FALSE(hostToPc.GetValue(id, buffer)) << id;
        EXPECT_EQ(hostToPc.GetSize(id), -1) << id;
    }
    for (int id : {1, 200, 303, 305, 306, 310, 312, 313, 314, 315, 316, 317, 318, 324, 325, 326, 328})
    {
        EXPECT_FALSE(pcToHost.SetValue(id, &number)) << id;
        EXPECT_FALSE(pcToHost.GetValue(id, buffer)) << id;
        EXPECT_EQ(pcToHost.GetSize(id), -1) << id;
    }
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(Snapshot(hostToPc), hostToPcBefore);
    EXPECT_EQ(Snapshot(pcToHost), pcToHostBefore);
}

TEST_F(SqlItemTest, ResetGivesANewPart)
{
    CZRHostRequestTcpipH2P hostToPc;
    auto hostToPcNew = Snapshot(hostToPc);
    for (int id : kHostToPcTexts)
        hostToPc.SetValue(id, "X");
    int zero = 0;
    hostToPc.SetValue(ZRP_SQL_FRESH, &zero);
    hostToPc.Reset();
    EXPECT_EQ(Snapshot(hostToPc), hostToPcNew);

    CZRHostRequestAppcP2H pcToHost;
    auto pcToHostNew = Snapshot(pcToHost);
    for (int id : kPcToHostTexts)
        pcToHost.SetValue(id, "X");
    for (int id : kPcToHostNumbers)
        pcToHost.SetValue(id, &zero);
    pcToHost.Reset();
    EXPECT_EQ(Snapshot(pcToHost), pcToHostNew);
}

TEST_F(SqlItemTest, SplitOfTargetAndReferenceNames)
{
    CZRHostRequestAppcP2H part;
    struct Case
    {
        const char* target;
        Texts parts;
    };
    for (const Case& c : {Case{"LIB/FILE(MBR)", {"LIB", "FILE", "MBR"}}, Case{"LIB", {"", "", ""}},
                          Case{"LIB/FILE", {"LIB", "", ""}}, Case{"LIB/FILE(MBR", {"LIB", "FILE", ""}}})
    {
        part.SetValue(ZRP_HOST_TARGET_NAME, c.target);
        Texts parts{"left over"};
        part.SplitName(parts);
        EXPECT_EQ(parts, c.parts) << c.target;
    }
    for (const Case& c :
         {Case{"LIB/REF", {"LIB", "REF"}}, Case{"REF", {"", ""}}, Case{"", {"", ""}}, Case{"A/B/C", {"A", "B/C"}}})
    {
        part.SetValue(ZRP_SQL_REFERENCE_FILE, c.target);
        Texts parts{"left over"};
        part.SplitRefFileName(parts);
        EXPECT_EQ(parts, c.parts) << c.target;
    }
}

class SqlProfileKindTest : public SqlProfileTest
{
protected:
    std::unique_ptr<CZRProfile> PcToHost(int pcFileType, int writeMode, int hostFileType)
    {
        auto profile = std::make_unique<CZRProfileAPPC>(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
        EXPECT_TRUE(profile->CreatePcRequest());
        EXPECT_TRUE(profile->CreateHostRequest());
        profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &pcFileType);
        profile->HostRequest()->SetValue(ZRP_HOST_WRITE_MODE, &writeMode);
        profile->HostRequest()->SetValue(ZRP_HOST_FILE_TYPE, &hostFileType);
        return profile;
    }
};

TEST_F(SqlProfileKindTest, ParametersUsedByPcToHostProfiles)
{
    struct Case
    {
        int pcFileType, writeMode, hostFileType;
        bool referenceFile, recordLength;
    };
    for (const Case& c : {Case{PCFT_BINARY, ZRHWM_CREATE_FILE, ZRHFT_SOURCE, true, false},
                          Case{PCFT_BINARY, ZRHWM_REPLACE_MEMBER, ZRHFT_DATA, false, false},
                          Case{PCFT_CSV, ZRHWM_CREATE_FILE, ZRHFT_DATA, true, false},
                          Case{PCFT_CSV, ZRHWM_CREATE_FILE, ZRHFT_SOURCE, false, true},
                          Case{PCFT_TXT, ZRHWM_CREATE_MEMBER, ZRHFT_SOURCE, false, false}})
    {
        SCOPED_TRACE(std::to_string(c.pcFileType) + " " + std::to_string(c.writeMode) + " " +
                     std::to_string(c.hostFileType));
        auto profile = PcToHost(c.pcFileType, c.writeMode, c.hostFileType);
        EXPECT_EQ(profile->IsParameterUsed(ZRP_SQL_REFERENCE_FILE) != FALSE, c.referenceFile);
        EXPECT_EQ(profile->IsParameterUsed(ZRP_RECORD_LENGTH) != FALSE, c.recordLength);
        EXPECT_FALSE(profile->IsParameterUsed(ZRP_DESCRIPTION_FILE));

        int length = 500;
        profile->HostRequest()->SetValue(ZRP_RECORD_LENGTH, &length);
        profile->HostRequest()->SetValue(ZRP_SQL_REFERENCE_FILE, "LIB/REF");
        profile->ResetUnusedParameters();
        EXPECT_EQ(Text(*profile->HostRequest(), ZRP_SQL_REFERENCE_FILE), c.referenceFile ? "LIB/REF" : "");
        EXPECT_EQ(Number(*profile->HostRequest(), ZRP_RECORD_LENGTH), c.recordLength ? 500 : 92);
    }
}

TEST_F(SqlProfileKindTest, HostToPcProfilesUseNeitherParameter)
{
    CZRProfileTCPIP profile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    ASSERT_TRUE(profile.CreatePcRequest());
    ASSERT_TRUE(profile.CreateHostRequest());
    int binary = PCFT_BINARY;
    profile.PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &binary);
    EXPECT_FALSE(profile.IsParameterUsed(ZRP_SQL_REFERENCE_FILE));
    EXPECT_FALSE(profile.IsParameterUsed(ZRP_RECORD_LENGTH));
    auto before = Snapshot(*profile.HostRequest());
    profile.ResetUnusedParameters();
    EXPECT_EQ(Snapshot(*profile.HostRequest()), before);
}

TEST_F(SqlProfileKindTest, KindsMakeThePartOfTheirDirection)
{
    for (int direction : {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST})
    {
        CZRProfileAPPC appc(ZRHOST_AS400, direction, ZRTT_CONVERSION);
        CZRProfileTCPIP tcpip(ZRHOST_S36, direction, ZRTT_CONVERSION);
        ASSERT_TRUE(appc.CreateHostRequest());
        ASSERT_TRUE(tcpip.CreateHostRequest());
        EXPECT_EQ(appc.General().Get(ZRP_CONNECTION_TYPE), ZRCONN_APPC);
        EXPECT_EQ(tcpip.General().Get(ZRP_CONNECTION_TYPE), ZRCONN_TCPIP);
        bool hostToPc = direction == ZRDIR_HOST_TO_PC;
        EXPECT_EQ(dynamic_cast<CZRHostRequestAppcH2P*>(appc.HostRequest()) != nullptr, hostToPc);
        EXPECT_EQ(dynamic_cast<CZRHostRequestAppcP2H*>(appc.HostRequest()) != nullptr, !hostToPc);
        EXPECT_EQ(dynamic_cast<CZRHostRequestTcpipH2P*>(tcpip.HostRequest()) != nullptr, hostToPc);
        EXPECT_EQ(dynamic_cast<CZRHostRequestTcpipP2H*>(tcpip.HostRequest()) != nullptr, !hostToPc);
    }
}

TEST_F(SqlProfileKindTest, ConnectionValueChoosesTheKind)
{
    struct Case
    {
        const char* connection;
        ZRSqlProfileResult result;
        int kind;
    };
    for (const Case& c :
         {Case{"APPC", ZRSqlProfileResult::Made, ZRCONN_APPC}, Case{"appc", ZRSqlProfileResult::Made, ZRCONN_APPC},
          Case{"TCP/IP", ZRSqlProfileResult::Made, ZRCONN_TCPIP},
          Case{"tcp/IP", ZRSqlProfileResult::Made, ZRCONN_TCPIP}, Case{"HLLAPI", ZRSqlProfileResult::NotSql, 0},
          Case{"APPC ", ZRSqlProfileResult::NotSql, 0}, Case{"TCP", ZRSqlProfileResult::NotSql, 0},
          Case{"", ZRSqlProfileResult::NotSql, 0},
          Case{"Default value (value not found)", ZRSqlProfileResult::NotSql, 0}})
    {
        SCOPED_TRACE(c.connection);
        CZRProfile* made = reinterpret_cast<CZRProfile*>(1);
        EXPECT_EQ(MakeSqlProfile(c.connection, "C:\\profiles\\p.h2p", &made), c.result);
        std::unique_ptr<CZRProfile> profile(made);
        if (c.kind == 0)
        {
            EXPECT_EQ(made, nullptr);
            continue;
        }
        ASSERT_NE(made, nullptr);
        EXPECT_STREQ(profile->GetFileName(), "C:\\profiles\\p.h2p");
        EXPECT_EQ(dynamic_cast<CZRProfileAPPC*>(made) != nullptr, c.kind == ZRCONN_APPC);
        EXPECT_EQ(dynamic_cast<CZRProfileTCPIP*>(made) != nullptr, c.kind == ZRCONN_TCPIP);
    }
    EXPECT_EQ(TakeErrors(), Texts());
}

// What a data source of the connection sees through the program's ProfileCallbacks.
TEST_F(SqlProfileKindTest, CallbacksReachTheItems)
{
    auto profile = ExpectReads(WriteProfile(kAppcHostToPcProfile));
    const ProfileCallbacks& table = g_profileCallbacks;
    ASSERT_EQ(table.GetHostSize(ZRP_SQL_STATEMENT), 29);
    char statement[29];
    ASSERT_TRUE(table.GetHost(ZRP_SQL_STATEMENT, statement));
    EXPECT_STREQ(statement, "SELECT * FROM LIB/FILE(MBR) ");
    int fresh = -1;
    EXPECT_TRUE(table.GetHost(ZRP_SQL_FRESH, &fresh));
    EXPECT_EQ(fresh, 0);
    EXPECT_TRUE(table.SetHost(ZRP_SQL_EXTRA_TEXT, "abc"));
    char extra[4];
    EXPECT_TRUE(table.GetHost(ZRP_SQL_EXTRA_TEXT, extra));
    EXPECT_STREQ(extra, "abc");
    EXPECT_FALSE(table.SetHost(ZRP_PC_FILE_NAME, "C:\\x"));
    char letter = 'x';
    EXPECT_FALSE(table.GetHost(ZRP_PRESENTATION_SPACE_ID, &letter));
    EXPECT_EQ(letter, 'x');
    EXPECT_EQ(table.GetHostSize(ZRP_DESCRIPTION_FILE), -1);
}

TEST_F(SqlProfileKindTest, AppcImportsAForeignRequest)
{
    ZRForeignRequest record{};
    record.systemName = "FOREIGN1";
    record.tableList = "A/B(M), D/E(N)";
    record.whereText = "X > 1";
    record.joinText = "A.K = D.K";
    record.orderByList = "X";
    record.extraText = "foreign";
    CZRHostRequestAppcH2P hostToPc;
    EXPECT_TRUE(hostToPc.ImportForeign(record));
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_SYSTEM_NAME), "FOREIGN1");
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_SELECT), "*");
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_STATEMENT), "SELECT * FROM A/B(M), D/E(N) WHERE A.K = D.K AND X > 1 ORDER BY X");
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_USER_DEFINED_HEAD), "SELECT *");
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_USER_DEFINED_TAIL), "WHERE A.K = D.K AND X > 1 ORDER BY X");
    EXPECT_EQ(Text(hostToPc, ZRP_SQL_EXTRA_TEXT), "foreign");

    // TCP/IP parts import nothing.
    CZRHostRequestTcpipH2P tcpip;
    auto before = Snapshot(tcpip);
    EXPECT_TRUE(tcpip.ImportForeign(record));
    EXPECT_EQ(Snapshot(tcpip), before);
}

TEST_F(SqlProfileKindTest, AppcImportsAForeignTarget)
{
    struct Case
    {
        int foreignType, foreignMode;
        int hostFileType, writeMode;
    };
    for (const Case& c : {Case{2, 1, ZRHFT_SOURCE, ZRHWM_CREATE_FILE}, Case{1, 3, ZRHFT_DATA, ZRHWM_CREATE_MEMBER},
                          Case{0, 2, ZRHFT_DATA, ZRHWM_REPLACE_MEMBER}, Case{4, 4, ZRHFT_DATA, ZRHWM_REPLACE_MEMBER}})
    {
        ZRForeignRequest record{};
        record.targetTable = "LIB/FILE(MBR)";
        record.referenceFile = "";
        record.hostFileType = c.foreignType;
        record.hostWriteMode = c.foreignMode;
        CZRHostRequestAppcP2H part;
        int length = 300;
        part.SetValue(ZRP_RECORD_LENGTH, &length);
        EXPECT_TRUE(part.ImportForeign(record));
        EXPECT_EQ(Text(part, ZRP_HOST_TARGET_NAME), "LIB/FILE(MBR)");
        EXPECT_EQ(Text(part, ZRP_SQL_REPLACE), "*");
        EXPECT_EQ(Number(part, ZRP_HOST_FILE_TYPE), c.hostFileType);
        EXPECT_EQ(Number(part, ZRP_HOST_WRITE_MODE), c.writeMode);
        EXPECT_EQ(Number(part, ZRP_RECORD_LENGTH), 300);
    }
}
}
