// Strict reading of the "Host request" section of APPC and TCP/IP profiles.
#include "SqlTestSupport.h"

#include "ZRProfile.h"
#include "ZRProfileAPPC.h"
#include "ZRProfileParams.h"

namespace
{
using Messages = std::vector<std::string>;

class SqlReadingTest : public SqlProfileTest
{
protected:
    std::string HostToPc(const char* connection = "APPC") { return WriteProfile(kAppcHostToPcProfile, connection); }
    std::string PcToHost(const char* connection = "APPC")
    {
        return WriteProfile(kAppcPcToHostProfile, connection, "sql.p2h");
    }
};

TEST_F(SqlReadingTest, ValidProfilesOfBothKindsAndDirectionsRead)
{
    for (const char* connection : {"APPC", "TCP/IP", "appc", "Tcp/Ip"})
    {
        SCOPED_TRACE(connection);
        auto hostToPc = ExpectReads(HostToPc(connection));
        EXPECT_EQ(HostText(*hostToPc, ZRP_SQL_SYSTEM_NAME), "SYS1");
        EXPECT_EQ(HostText(*hostToPc, ZRP_HOST_SOURCE_NAME), "LIB/FILE(MBR)");
        auto pcToHost = ExpectReads(PcToHost(connection));
        EXPECT_EQ(HostText(*pcToHost, ZRP_HOST_TARGET_NAME), "LIB/FILE(MBR)");
    }
}

TEST_F(SqlReadingTest, SystemNameRules)
{
    for (const char* name : {"", "ABCD1", "@SYS.1", "#A", "$b9.", "ABCDEFGH"})
    {
        SCOPED_TRACE(name);
        for (std::string path : {HostToPc(), PcToHost()})
        {
            SetHostValue(path, "System name", name);
            auto profile = ExpectReads(path);
            EXPECT_EQ(HostText(*profile, ZRP_SQL_SYSTEM_NAME), name);
        }
    }
    for (const char* name : std::initializer_list<const char*>{"1SYS", "ABCDEFGHI", "SY-S", ".SYS", "SY S", nullptr})
    {
        SCOPED_TRACE(name ? name : "(missing)");
        for (std::string path : {HostToPc(), PcToHost()})
        {
            SetHostValue(path, "System name", name);
            ExpectReadFails(path, {InvalidEntry("System name")});
        }
    }
}

TEST_F(SqlReadingTest, SelectListStopsAtTheFirstMissingOrEmptyKey)
{
    std::string path = HostToPc();
    SetHostValue(path, "SQL select 1", "A");
    SetHostValue(path, "SQL select 2", "B");
    SetHostValue(path, "SQL select 4", "D");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), "A, B");

    SetHostValue(path, "SQL select 3", "");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), "A, B");

    SetHostValue(path, "SQL select 1", nullptr);
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), "");
}

TEST_F(SqlReadingTest, TcpipSelectListStopsAtAValueWithAComma)
{
    for (const char* connection : {"APPC", "TCP/IP"})
    {
        std::string path = HostToPc(connection);
        SetHostValue(path, "SQL select 1", "A");
        SetHostValue(path, "SQL select 2", "B1,B2");
        SetHostValue(path, "SQL select 3", "D");
        EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), std::string(connection) == "APPC" ? "A, B1,B2, D" : "A")
            << connection;
    }
    std::string path = HostToPc("TCP/IP");
    SetHostValue(path, "SQL select 1", "A,B");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), "");
}

TEST_F(SqlReadingTest, TableListIsRequired)
{
    std::string path = HostToPc();
    SetHostValue(path, "SQL from 2", "LIB2/FILE2(M2)");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_HOST_SOURCE_NAME), "LIB/FILE(MBR), LIB2/FILE2(M2)");

    SetHostValue(path, "SQL from 1", "");
    ExpectReadFails(path, {InvalidEntry("SQL from")});
    SetHostValue(path, "SQL from 1", nullptr);
    ExpectReadFails(path, {InvalidEntry("SQL from")});
}

// Each numbered list reads at most its bound of keys.
TEST_F(SqlReadingTest, NumberedListsHaveTheirBounds)
{
    struct Bound
    {
        const char* key;
        int maxKeys;
        int id;
        const char* separator;
        bool pcToHost;
    };
    for (const Bound& bound :
         {Bound{"SQL select", 256, ZRP_SQL_SELECT, ", ", false},
          Bound{"SQL from", 32, ZRP_HOST_SOURCE_NAME, ", ", false}, Bound{"SQL join", 32, ZRP_SQL_JOIN, " AND ", false},
          Bound{"SQL group by", 50, ZRP_SQL_GROUP_BY, ", ", false},
          Bound{"SQL order by", 120, ZRP_SQL_ORDER_BY, ", ", false},
          Bound{"SQL replace", 256, ZRP_SQL_REPLACE, ", ", true}})
    {
        SCOPED_TRACE(bound.key);
        std::string path = bound.pcToHost ? PcToHost() : HostToPc();
        std::string expected;
        for (int n = 1; n <= bound.maxKeys + 1; ++n)
        {
            std::string key = std::string(bound.key) + " " + std::to_string(n);
            std::string value = std::to_string(n);
            value.insert(value.begin(), 'V');
            WritePrivateProfileStringA("Host request", key.c_str(), value.c_str(), path.c_str());
            if (n > 1 && n <= bound.maxKeys)
                expected += bound.separator;
            if (n <= bound.maxKeys)
                expected += value;
        }
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        EXPECT_EQ(HostText(*ExpectReads(path), bound.id), expected);
    }
}

TEST_F(SqlReadingTest, WhereAndHavingAreJoinedAtPieces)
{
    std::string path = HostToPc();
    SetHostValue(path, "SQL where 1", "@X = 1@");
    SetHostValue(path, "SQL where 2", "@ AND Y = 2@");
    SetHostValue(path, "SQL having 1", "@COUNT(*) > 1@");
    SetHostValue(path, "SQL having 2", "@@");
    SetHostValue(path, "SQL having 3", "@");
    SetHostValue(path, "SQL having 4", "@ AND 1 = 1@");
    auto profile = ExpectReads(path);
    EXPECT_EQ(HostText(*profile, ZRP_SQL_WHERE), "X = 1 AND Y = 2");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_HAVING), "COUNT(*) > 1 AND 1 = 1");
}

// The query parts fail without a message of their own; the items after them keep their new-part values.
TEST_F(SqlReadingTest, BrokenQueryPartsFailSilently)
{
    struct Broken
    {
        const char* key;
        const char* value;
    };
    for (const Broken& broken :
         {Broken{"SQL where 1", "X = 1"}, Broken{"SQL where 1", nullptr}, Broken{"SQL where 1", "@X = 1"},
          Broken{"SQL join 1", nullptr}, Broken{"SQL group by 1", nullptr}, Broken{"SQL having 1", "X@"},
          Broken{"SQL having 1", nullptr}, Broken{"SQL order by 1", nullptr}})
    {
        SCOPED_TRACE(std::string(broken.key) + "=" + (broken.value ? broken.value : "(missing)"));
        std::string path = HostToPc();
        SetHostValue(path, broken.key, broken.value);
        BOOL read = TRUE;
        auto profile = ReadProfile(path, &read);
        EXPECT_FALSE(read);
        EXPECT_EQ(TakeErrors(), Messages());
        EXPECT_EQ(HostNumber(*profile, ZRP_SQL_FRESH), 1);
        EXPECT_EQ(HostText(*profile, ZRP_SQL_STATEMENT), "");
    }
}

TEST_F(SqlReadingTest, EmptyFirstKeyGivesAnEmptyList)
{
    std::string path = HostToPc();
    auto profile = ExpectReads(path);
    EXPECT_EQ(HostText(*profile, ZRP_SQL_GROUP_BY), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_JOIN), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_ORDER_BY), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_WHERE), "");

    SetHostValue(path, "SQL join 1", "A.K = D.K");
    SetHostValue(path, "SQL join 2", "B.K = E.K");
    SetHostValue(path, "SQL group by 1", "X");
    SetHostValue(path, "SQL group by 2", "Y");
    profile = ExpectReads(path);
    EXPECT_EQ(HostText(*profile, ZRP_SQL_JOIN), "A.K = D.K AND B.K = E.K");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_GROUP_BY), "X, Y");
}

TEST_F(SqlReadingTest, UserDefinedPartsAreRequired)
{
    for (const char* key : {"SQL user defined1", "SQL user defined2"})
    {
        SCOPED_TRACE(key);
        std::string path = HostToPc();
        SetHostValue(path, (std::string(key) + " 1").c_str(), nullptr);
        ExpectReadFails(path, {InvalidEntry(key)});
        SetHostValue(path, (std::string(key) + " 1").c_str(), "SELECT *");
        ExpectReadFails(path, {InvalidEntry(key)});
        SetHostValue(path, (std::string(key) + " 1").c_str(), "@SELECT A@");
        SetHostValue(path, (std::string(key) + " 2").c_str(), "@, B@");
        SetHostValue(path, (std::string(key) + " 3").c_str(), "@broken");
        ExpectReadFails(path, {InvalidEntry(key)});
    }
}

TEST_F(SqlReadingTest, ReadingSetsTheItemsThatAreNotInTheFile)
{
    std::string path = HostToPc();
    SetHostValue(path, "SQL user defined2 1", "@WHERE A > 1@");
    auto profile = ExpectReads(path);
    EXPECT_EQ(HostNumber(*profile, ZRP_SQL_FRESH), 0);
    EXPECT_EQ(profile->HostRequest()->GetSize(ZRP_SQL_EXTRA_TEXT), 1);
    EXPECT_EQ(HostText(*profile, ZRP_SQL_USER_DEFINED_HEAD), "SELECT *");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_USER_DEFINED_TAIL), "WHERE A > 1");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_STATEMENT), "SELECT * FROM LIB/FILE(MBR) WHERE A > 1");

    auto pcToHost = ExpectReads(PcToHost());
    EXPECT_EQ(pcToHost->HostRequest()->GetSize(ZRP_SQL_EXTRA_TEXT), 1);
}

// Values longer than a key's buffer are cut to 99 characters, so a long piece no longer ends in "@".
TEST_F(SqlReadingTest, OnlyNinetyNineCharactersOfAValueAreSeen)
{
    std::string path = HostToPc();
    SetHostValue(path, "SQL select 1", std::string(120, 'S').c_str());
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_SELECT), std::string(99, 'S'));
    SetHostValue(path, "SQL user defined1 1", ("@" + std::string(98, 'H') + "@").c_str());
    ExpectReadFails(path, {InvalidEntry("SQL user defined1")});
}

TEST_F(SqlReadingTest, PcToHostCodedValues)
{
    std::string path = PcToHost();
    SetHostValue(path, "Host file type", "data");
    SetHostValue(path, "Host write mode", "CREATE HOST MEMBER");
    SetHostValue(path, "Authority", "read/write");
    SetHostValue(path, "SQL replace 1", "A");
    SetHostValue(path, "SQL replace 2", "B");
    auto profile = ExpectReads(path);
    EXPECT_EQ(HostNumber(*profile, ZRP_HOST_FILE_TYPE), 1);
    EXPECT_EQ(HostNumber(*profile, ZRP_HOST_WRITE_MODE), 4);
    EXPECT_EQ(HostNumber(*profile, ZRP_SQL_AUTHORITY), 2);
    EXPECT_EQ(HostText(*profile, ZRP_SQL_REPLACE), "A, B");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_REFERENCE_FILE), "LIB/REF");

    struct Coded
    {
        const char* key;
        const char* value;
        int id;
        int code;
    };
    for (const Coded& coded :
         {Coded{"Host file type", "Source", ZRP_HOST_FILE_TYPE, 2},
          Coded{"Host write mode", "Create host file", ZRP_HOST_WRITE_MODE, 1},
          Coded{"Host write mode", "replace HOST member", ZRP_HOST_WRITE_MODE, 5},
          Coded{"Authority", "Read", ZRP_SQL_AUTHORITY, 1}, Coded{"Authority", "ALL", ZRP_SQL_AUTHORITY, 3},
          Coded{"Authority", "none", ZRP_SQL_AUTHORITY, 4}})
    {
        SCOPED_TRACE(std::string(coded.key) + "=" + coded.value);
        std::string codedPath = PcToHost();
        SetHostValue(codedPath, coded.key, coded.value);
        EXPECT_EQ(HostNumber(*ExpectReads(codedPath), coded.id), coded.code);
    }
}

TEST_F(SqlReadingTest, PcToHostRejectsUnknownCodes)
{
    struct Bad
    {
        const char* key;
        const char* value;
    };
    for (const Bad& bad :
         {Bad{"Host file type", "Member/Source"}, Bad{"Host file type", nullptr}, Bad{"Host file type", ""},
          Bad{"Host write mode", "Append host member"}, Bad{"Host write mode", "Replace host file"},
          Bad{"Host write mode", nullptr}, Bad{"Authority", "Owner"}, Bad{"Authority", nullptr}})
    {
        SCOPED_TRACE(std::string(bad.key) + "=" + (bad.value ? bad.value : "(missing)"));
        std::string path = PcToHost();
        SetHostValue(path, bad.key, bad.value);
        ExpectReadFails(path, {InvalidEntry(bad.key)});
    }
}

TEST_F(SqlReadingTest, RecordLengthRangeFollowsHostFileTypeAndConnection)
{
    struct Length
    {
        const char* connection;
        const char* fileType;
        const char* length;
        bool valid;
    };
    for (const Length& length : {Length{"APPC", "Source", "12", false}, Length{"APPC", "Data", "12", true},
                                 Length{"APPC", "Source", "13", true}, Length{"APPC", "Data", "1", true},
                                 Length{"APPC", "Data", "0", false}, Length{"APPC", "Data", nullptr, false},
                                 Length{"APPC", "Data", "-5", false}, Length{"APPC", "Data", "4105", true},
                                 Length{"APPC", "Data", "5000", false}, Length{"TCP/IP", "Data", "5000", true},
                                 Length{"TCP/IP", "Source", "32767", true}, Length{"TCP/IP", "Data", "32768", false},
                                 Length{"APPC", "Data", "92abc", false}, Length{"APPC", "Data", "4294967388", false}})
    {
        SCOPED_TRACE(std::string(length.connection) + " " + length.fileType + " " +
                     (length.length ? length.length : "(missing)"));
        std::string path = PcToHost(length.connection);
        SetHostValue(path, "Host file type", length.fileType);
        SetHostValue(path, "Record length", length.length);
        if (!length.valid)
        {
            ExpectReadFails(path, {InvalidEntry("Record length")});
            continue;
        }
        EXPECT_EQ(HostNumber(*ExpectReads(path), ZRP_RECORD_LENGTH), atoi(length.length));
    }
}

TEST_F(SqlReadingTest, UncheckedPcToHostTexts)
{
    std::string path = PcToHost();
    SetHostValue(path, "SQL into", nullptr);
    SetHostValue(path, "SQL reffile", nullptr);
    SetHostValue(path, "Member text", nullptr);
    std::string sixty(25, 'a');
    sixty += std::string(35, 'b');
    SetHostValue(path, "File text", sixty.c_str());
    auto profile = ExpectReads(path);
    EXPECT_EQ(HostText(*profile, ZRP_HOST_TARGET_NAME), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_REFERENCE_FILE), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_MEMBER_TEXT), "");
    EXPECT_EQ(HostText(*profile, ZRP_SQL_FILE_TEXT), sixty.substr(0, 50));
}

// The first failing key stops the read: the keys after it are not taken.
TEST_F(SqlReadingTest, PcToHostStopsAtTheFirstInvalidKey)
{
    std::string path = PcToHost();
    SetHostValue(path, "Host write mode", "Append");
    SetHostValue(path, "Authority", "Owner");
    SetHostValue(path, "File text", "Read after the failure?");
    BOOL read = TRUE;
    auto profile = ReadProfile(path, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), Messages{InvalidEntry("Host write mode")});
    EXPECT_EQ(HostText(*profile, ZRP_SQL_FILE_TEXT), "");
    EXPECT_EQ(HostNumber(*profile, ZRP_SQL_AUTHORITY), 2);
}

// A kind never reads the host part of a file of another connection.
TEST_F(SqlReadingTest, KindRefusesAnotherConnection)
{
    for (const char* connection : {"TCP/IP", "HLLAPI"})
    {
        SCOPED_TRACE(connection);
        std::string path = HostToPc(connection);
        CZRProfileAPPC profile(path.c_str());
        EXPECT_FALSE(profile.Read());
        EXPECT_EQ(TakeErrors(), Messages{InvalidEntry("Connection")});
        EXPECT_EQ(profile.HostRequest(), nullptr);
    }
}

TEST_F(SqlReadingTest, MissingProfileFileIsReported)
{
    std::string path = m_folder.File("missing.h2p");
    CZRProfileAPPC profile(path.c_str());
    EXPECT_FALSE(profile.Read());
    EXPECT_EQ(TakeErrors(), Messages{"Error ZRG007: Unable to open the file " + path +
                                     ". Check that the file is not shared by another application and try again. If "
                                     "this doesn't work, recreate the profile."});
}
}
