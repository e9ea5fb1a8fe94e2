// Writing APPC and TCP/IP profiles: the form of each key, and what strict reading makes of it again.
#include "SqlTestSupport.h"

#include "ZRProfileAPPC.h"
#include "ZRProfileParams.h"
#include "ZRProfileTCPIP.h"
#include "ZRTypeCodes.h"

#include <algorithm>
#include <sstream>

namespace
{
using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The keys of one section of an INI text, in file order.
KeyValues SectionKeys(const std::string& text, const std::string& section)
{
    KeyValues keys;
    std::istringstream in(text);
    std::string line, current;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            current = line.substr(1, line.size() - 2);
        else if (current == section && !line.empty())
        {
            size_t equals = line.find('=');
            keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return keys;
}

class SqlWritingTest : public SqlProfileTest
{
protected:
    template <typename Kind>
    std::unique_ptr<CZRProfile> NewProfile(int direction, const char* name)
    {
        auto profile = std::make_unique<Kind>(ZRHOST_AS400, direction, ZRTT_CONVERSION);
        profile->SetFileName(m_folder.File(name).c_str());
        EXPECT_TRUE(profile->CreatePcRequest());
        EXPECT_TRUE(profile->CreateHostRequest());
        int fileType = PCFT_CSV;
        profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &fileType);
        return profile;
    }

    static void Set(CZRProfile& profile, int id, const char* text)
    {
        EXPECT_TRUE(profile.HostRequest()->SetValue(id, text)) << id;
    }
    static void Set(CZRProfile& profile, int id, int number)
    {
        EXPECT_TRUE(profile.HostRequest()->SetValue(id, &number)) << id;
    }

    KeyValues WrittenHostKeys(CZRProfile& profile)
    {
        EXPECT_TRUE(profile.Write());
        return SectionKeys(ReadFileBytes(profile.GetFileName()), "Host request");
    }
};

TEST_F(SqlWritingTest, HostToPcKeysInOrder)
{
    auto profile = NewProfile<CZRProfileAPPC>(ZRDIR_HOST_TO_PC, "order.h2p");
    Set(*profile, ZRP_SQL_SYSTEM_NAME, "SYS1");
    Set(*profile, ZRP_SQL_SELECT, "A, B ,C");
    Set(*profile, ZRP_HOST_SOURCE_NAME, "A/B(M), D/E(N,G)");
    Set(*profile, ZRP_SQL_WHERE, "X > 1");
    Set(*profile, ZRP_SQL_JOIN, "A.K = D.K AND B.K = E.K");
    Set(*profile, ZRP_SQL_GROUP_BY, "X");
    Set(*profile, ZRP_SQL_ORDER_BY, "X,Y");
    Set(*profile, ZRP_SQL_USER_DEFINED_HEAD, "SELECT A, B");
    Set(*profile, ZRP_SQL_STATEMENT, "never written");
    Set(*profile, ZRP_SQL_EXTRA_TEXT, "never written");
    EXPECT_EQ(WrittenHostKeys(*profile), (KeyValues{{"System name", "SYS1"},
                                                    {"SQL select 1", "A"},
                                                    {"SQL select 2", "B"},
                                                    {"SQL select 3", "C"},
                                                    {"SQL from 1", "A/B(M)"},
                                                    {"SQL from 2", "D/E(N,G)"},
                                                    {"SQL where 1", "@X > 1@"},
                                                    {"SQL join 1", "A.K = D.K"},
                                                    {"SQL join 2", "B.K = E.K"},
                                                    {"SQL group by 1", "X"},
                                                    {"SQL having 1", "@@"},
                                                    {"SQL order by 1", "X"},
                                                    {"SQL order by 2", "Y"},
                                                    {"SQL user defined1 1", "@SELECT A, B@"},
                                                    {"SQL user defined2 1", "@@"}}));
}

TEST_F(SqlWritingTest, EmptyPartsAndAnEmptyTableList)
{
    auto profile = NewProfile<CZRProfileTCPIP>(ZRDIR_HOST_TO_PC, "empty.h2p");
    Set(*profile, ZRP_SQL_SELECT, "");
    EXPECT_EQ(WrittenHostKeys(*profile), (KeyValues{{"System name", ""},
                                                    {"SQL select 1", ""},
                                                    {"SQL where 1", "@@"},
                                                    {"SQL join 1", ""},
                                                    {"SQL group by 1", ""},
                                                    {"SQL having 1", "@@"},
                                                    {"SQL order by 1", ""},
                                                    {"SQL user defined1 1", "@@"},
                                                    {"SQL user defined2 1", "@@"}}));
}

TEST_F(SqlWritingTest, LongTextsAreCutIntoPiecesOf65)
{
    const std::string text = [] {
        std::string letters;
        for (int i = 0; i < 130; ++i)
            letters += static_cast<char>('a' + i % 26);
        return letters;
    }();
    struct Case
    {
        size_t length;
        std::vector<std::string> pieces;
    };
    for (const Case& c : {Case{130, {text.substr(0, 65), text.substr(65, 65)}}, Case{65, {text.substr(0, 65)}},
                          Case{66, {text.substr(0, 65), text.substr(65, 1)}}, Case{1, {"a"}}})
    {
        SCOPED_TRACE(c.length);
        auto profile = NewProfile<CZRProfileAPPC>(ZRDIR_HOST_TO_PC, "pieces.h2p");
        Set(*profile, ZRP_HOST_SOURCE_NAME, "LIB/FILE(MBR)");
        Set(*profile, ZRP_SQL_WHERE, text.substr(0, c.length).c_str());
        KeyValues written;
        for (const auto& [key, value] : WrittenHostKeys(*profile))
        {
            if (key.rfind("SQL where ", 0) == 0)
                written.emplace_back(key, value);
        }
        KeyValues expected;
        for (size_t i = 0; i < c.pieces.size(); ++i)
            expected.emplace_back("SQL where " + std::to_string(i + 1), "@" + c.pieces[i] + "@");
        EXPECT_EQ(written, expected);

        auto read = ExpectReads(profile->GetFileName());
        EXPECT_EQ(HostText(*read, ZRP_SQL_WHERE), text.substr(0, c.length));
    }
}

TEST_F(SqlWritingTest, HostToPcReadsBackAsWritten)
{
    for (bool tcpip : {false, true})
    {
        SCOPED_TRACE(tcpip ? "TCP/IP" : "APPC");
        auto profile = tcpip ? NewProfile<CZRProfileTCPIP>(ZRDIR_HOST_TO_PC, "back.h2p")
                             : NewProfile<CZRProfileAPPC>(ZRDIR_HOST_TO_PC, "back.h2p");
        Set(*profile, ZRP_SQL_SYSTEM_NAME, "@HOST.1");
        Set(*profile, ZRP_SQL_SELECT, "A, B");
        Set(*profile, ZRP_HOST_SOURCE_NAME, "LIB/FILE(MBR), LIB2/FILE2(M2,X)");
        Set(*profile, ZRP_SQL_WHERE, std::string(100, 'w').c_str());
        Set(*profile, ZRP_SQL_JOIN, "T1.A = T2.B");
        Set(*profile, ZRP_SQL_GROUP_BY, "A, B");
        Set(*profile, ZRP_SQL_HAVING, "  COUNT(*) > 1  ");
        Set(*profile, ZRP_SQL_ORDER_BY, "B");
        Set(*profile, ZRP_SQL_USER_DEFINED_HEAD, "SELECT A, B");
        Set(*profile, ZRP_SQL_USER_DEFINED_TAIL, "WHERE T1.A = T2.B");
        ASSERT_TRUE(profile->Write());
        auto read = ExpectReads(profile->GetFileName());
        for (int id :
             {ZRP_SQL_SYSTEM_NAME, ZRP_SQL_SELECT, ZRP_HOST_SOURCE_NAME, ZRP_SQL_WHERE, ZRP_SQL_JOIN, ZRP_SQL_GROUP_BY,
              ZRP_SQL_HAVING, ZRP_SQL_ORDER_BY, ZRP_SQL_USER_DEFINED_HEAD, ZRP_SQL_USER_DEFINED_TAIL})
            EXPECT_EQ(HostText(*read, id), HostText(*profile, id)) << "id " << id;
        EXPECT_EQ(HostText(*read, ZRP_SQL_STATEMENT),
                  tcpip ? "SELECT A, B FROM LIB.FILE T1, LIB2.FILE2 T2 WHERE T1.A = T2.B"
                        : "SELECT A, B FROM LIB/FILE(MBR), LIB2/FILE2(M2,X) WHERE T1.A = T2.B");
    }
}

TEST_F(SqlWritingTest, PcToHostKeysInOrderAndBack)
{
    auto profile = NewProfile<CZRProfileTCPIP>(ZRDIR_PC_TO_HOST, "order.p2h");
    Set(*profile, ZRP_SQL_SYSTEM_NAME, "SYS1");
    Set(*profile, ZRP_SQL_REPLACE, "A,B");
    Set(*profile, ZRP_HOST_TARGET_NAME, "LIB/FILE(MBR)");
    Set(*profile, ZRP_SQL_REFERENCE_FILE, "LIB/REF");
    Set(*profile, ZRP_HOST_FILE_TYPE, ZRHFT_SOURCE);
    Set(*profile, ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    Set(*profile, ZRP_RECORD_LENGTH, 5000);
    Set(*profile, ZRP_SQL_FILE_TEXT, "File text");
    Set(*profile, ZRP_SQL_MEMBER_TEXT, "Member text");
    Set(*profile, ZRP_SQL_AUTHORITY, 3);
    // A data file would use the reference file; a source file uses the record length instead.
    EXPECT_EQ(WrittenHostKeys(*profile), (KeyValues{{"System name", "SYS1"},
                                                    {"SQL replace 1", "A"},
                                                    {"SQL replace 2", "B"},
                                                    {"SQL into", "LIB/FILE(MBR)"},
                                                    {"SQL reffile", ""},
                                                    {"Host file type", "Source"},
                                                    {"Host write mode", "Create host file"},
                                                    {"Record length", "5000"},
                                                    {"File text", "File text"},
                                                    {"Member text", "Member text"},
                                                    {"Authority", "All"}}));
    auto read = ExpectReads(profile->GetFileName());
    for (int id : {ZRP_SQL_SYSTEM_NAME, ZRP_HOST_TARGET_NAME, ZRP_SQL_FILE_TEXT, ZRP_SQL_MEMBER_TEXT})
        EXPECT_EQ(HostText(*read, id), HostText(*profile, id)) << "id " << id;
    EXPECT_EQ(HostText(*read, ZRP_SQL_REPLACE), "A, B");
    for (int id : {ZRP_HOST_FILE_TYPE, ZRP_HOST_WRITE_MODE, ZRP_RECORD_LENGTH, ZRP_SQL_AUTHORITY})
        EXPECT_EQ(HostNumber(*read, id), HostNumber(*profile, id)) << "id " << id;
}

TEST_F(SqlWritingTest, UnknownCodesAreWrittenEmptyAndDoNotReadBack)
{
    auto profile = NewProfile<CZRProfileAPPC>(ZRDIR_PC_TO_HOST, "codes.p2h");
    Set(*profile, ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
    Set(*profile, ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_MEMBER);
    Set(*profile, ZRP_SQL_AUTHORITY, 9);
    KeyValues keys = WrittenHostKeys(*profile);
    for (const char* key : {"Host file type", "Host write mode", "Authority"})
        EXPECT_NE(std::find(keys.begin(), keys.end(), std::pair<std::string, std::string>(key, "")), keys.end()) << key;
    ExpectReadFails(profile->GetFileName(), {InvalidEntry("Host file type")});
}
}
