// The split of the table list and the statements assembled from the parts of a host-to-PC request.
#include "SqlTestSupport.h"

#include "ZRHostRequestAppc.h"
#include "ZRHostRequestTcpip.h"
#include "ZRProfileParams.h"
#include "ZRSqlStatement.h"

namespace
{
using Texts = std::vector<std::string>;

struct Parts
{
    const char* select = "*";
    const char* tables = "";
    const char* where = "";
    const char* join = "";
    const char* groupBy = "";
    const char* having = "";
    const char* orderBy = "";
};

class SqlStatementTest : public SqlProfileTest
{
protected:
    static void Fill(CZRRequestPart& part, const Parts& parts)
    {
        const std::pair<int, const char*> items[] = {
            {ZRP_SQL_SELECT, parts.select},   {ZRP_HOST_SOURCE_NAME, parts.tables}, {ZRP_SQL_WHERE, parts.where},
            {ZRP_SQL_JOIN, parts.join},       {ZRP_SQL_GROUP_BY, parts.groupBy},    {ZRP_SQL_HAVING, parts.having},
            {ZRP_SQL_ORDER_BY, parts.orderBy}};
        for (const auto& [id, text] : items)
            EXPECT_TRUE(part.SetValue(id, text));
    }
    static std::string Text(const CZRRequestPart& part, int id)
    {
        std::string value(part.GetSize(id), '\0');
        part.GetValue(id, value.data());
        return value.c_str();
    }
    static std::string SelectStatement(CZRRequestPart& part, const Parts& parts)
    {
        Fill(part, parts);
        EXPECT_TRUE(part.BuildSelectStatement());
        return Text(part, ZRP_SQL_STATEMENT);
    }
    static std::string UserDefinedStatement(CZRRequestPart& part, const char* head, const char* tables,
                                            const char* tail)
    {
        part.SetValue(ZRP_SQL_USER_DEFINED_HEAD, head);
        part.SetValue(ZRP_HOST_SOURCE_NAME, tables);
        part.SetValue(ZRP_SQL_USER_DEFINED_TAIL, tail);
        EXPECT_TRUE(part.BuildUserDefinedStatement());
        return Text(part, ZRP_SQL_STATEMENT);
    }
};

TEST_F(SqlStatementTest, SplitOfTheTableList)
{
    struct Case
    {
        const char* tables;
        Texts parts;
    };
    for (const Case& c : {
             Case{"A/B(M), D/E(N,G)", {"A", "B", "M", "", "D", "E", "N", "G"}},
             Case{"", {}},
             Case{"LIB/FILE(MBR)", {"LIB", "FILE", "MBR", ""}},
             Case{"LIB/FILE", {"LIB", "", "", ""}},
             Case{"FILE(MBR)", {"", "", "", ""}},
             Case{"LIB/FILE(MBR", {"LIB", "FILE", "", ""}},
             Case{"LIB/FILE(MBR,X", {"LIB", "FILE", "MBR", ""}},
             Case{"  L/F(M),   L2/F2(M2)", {"L", "F", "M", "", "L2", "F2", "M2", ""}},
             Case{"A/B(), C/D(E)", {"A", "B", "", "", "C", "D", "E", ""}},
             Case{"A/B(M),C/D(N)", {"A", "B", "M", "", "C", "D", "N", ""}},
         })
    {
        SCOPED_TRACE(c.tables);
        CZRHostRequestAppcH2P part;
        part.SetValue(ZRP_HOST_SOURCE_NAME, c.tables);
        Texts parts{"left over"};
        part.SplitName(parts);
        EXPECT_EQ(parts, c.parts);
    }
}

TEST_F(SqlStatementTest, SingleTable)
{
    EXPECT_TRUE(IsSingleTableList(""));
    EXPECT_TRUE(IsSingleTableList("LIB/FILE(MBR)"));
    EXPECT_TRUE(IsSingleTableList("LIB/FILE(MBR,X)"));
    EXPECT_FALSE(IsSingleTableList("A/B(M), D/E(N)"));
    EXPECT_FALSE(IsSingleTableList("A/B(M),D/E(N)"));
}

TEST_F(SqlStatementTest, TcpipTableList)
{
    struct Case
    {
        const char* tables;
        const char* formatted;
    };
    for (const Case& c :
         {Case{"LIB/FILE(MBR), LIB2/FILE2(M2)", "LIB.FILE T1, LIB2.FILE2 T2"}, Case{"LIB/FILE(MBR,X)", "LIB.FILE"},
          Case{"LIB/FILE", "LIB."}, Case{"", ""}, Case{"A/B(M), C/D(N), E/F(O,P)", "A.B T1, C.D T2, E.F T3"}})
    {
        CZRHostRequestTcpipH2P part;
        part.SetValue(ZRP_HOST_SOURCE_NAME, c.tables);
        EXPECT_EQ(part.FormatTableList(), c.formatted) << c.tables;
    }
}

TEST_F(SqlStatementTest, StatementFromTheUserDefinedParts)
{
    CZRHostRequestAppcH2P appc;
    EXPECT_EQ(UserDefinedStatement(appc, "SELECT *", "LIB/FILE(MBR)", ""), "SELECT * FROM LIB/FILE(MBR) ");
    CZRHostRequestTcpipH2P tcpip;
    EXPECT_EQ(UserDefinedStatement(tcpip, "SELECT *", "LIB/FILE(MBR), LIB2/FILE2(M2)", "WHERE T1.A = T2.B"),
              "SELECT * FROM LIB.FILE T1, LIB2.FILE2 T2 WHERE T1.A = T2.B");
    EXPECT_EQ(UserDefinedStatement(tcpip, "SELECT A", "LIB/FILE(MBR,X)", ""), "SELECT A FROM LIB.FILE ");
    EXPECT_EQ(UserDefinedStatement(tcpip, "SELECT *", "LIB/FILE", ""), "SELECT * FROM LIB. ");
}

TEST_F(SqlStatementTest, StatementFromTheParts)
{
    CZRHostRequestAppcH2P appc;
    EXPECT_EQ(
        SelectStatement(
            appc,
            {.select = "X, Y", .tables = "A/B(M), D/E(N)", .where = "X > 1", .join = "A.K = D.K", .orderBy = "X"}),
        "SELECT X, Y FROM A/B(M), D/E(N) WHERE A.K = D.K AND X > 1 ORDER BY X");
    EXPECT_EQ(SelectStatement(appc, {.tables = "A/B(M), D/E(N)", .join = "A.K = D.K"}),
              "SELECT * FROM A/B(M), D/E(N) WHERE A.K = D.K");
    EXPECT_EQ(SelectStatement(appc, {.tables = "A/B(M), D/E(N)", .where = "X > 1"}),
              "SELECT * FROM A/B(M), D/E(N) WHERE X > 1");
    // One table: the join text is not used.
    EXPECT_EQ(SelectStatement(appc, {.tables = "A/B(M)", .join = "A.K = D.K"}), "SELECT * FROM A/B(M)");
    EXPECT_EQ(SelectStatement(appc, {.tables = "A/B(M)", .where = "X > 1", .join = "A.K = D.K"}),
              "SELECT * FROM A/B(M) WHERE X > 1");
    EXPECT_EQ(
        SelectStatement(
            appc,
            {.select = "X, COUNT(*)", .tables = "A/B(M)", .groupBy = "X", .having = "COUNT(*) > 1", .orderBy = "X"}),
        "SELECT X, COUNT(*) FROM A/B(M) GROUP BY X HAVING COUNT(*) > 1 ORDER BY X");

    CZRHostRequestTcpipH2P tcpip;
    EXPECT_EQ(SelectStatement(tcpip, {.tables = "A/B(M), D/E(N)", .where = "T1.X > 1", .join = "T1.K = T2.K"}),
              "SELECT * FROM A.B T1, D.E T2 WHERE T1.K = T2.K AND T1.X > 1");
}

TEST_F(SqlStatementTest, UserDefinedPartsFromTheParts)
{
    CZRHostRequestAppcH2P part;
    Fill(part, {.tables = "A/B(M)", .where = "X > 1", .groupBy = "X"});
    EXPECT_TRUE(part.BuildUserDefinedParts());
    EXPECT_EQ(Text(part, ZRP_SQL_USER_DEFINED_HEAD), "SELECT *");
    EXPECT_EQ(Text(part, ZRP_SQL_USER_DEFINED_TAIL), "WHERE X > 1 GROUP BY X");

    Fill(part, {.select = "A", .tables = "A/B(M)", .groupBy = "X"});
    EXPECT_TRUE(part.BuildUserDefinedParts());
    EXPECT_EQ(Text(part, ZRP_SQL_USER_DEFINED_HEAD), "SELECT A");
    EXPECT_EQ(Text(part, ZRP_SQL_USER_DEFINED_TAIL), " GROUP BY X");

    Fill(part, {.tables = "A/B(M), C/D(N)", .join = "A.K = C.K", .orderBy = "Y"});
    EXPECT_TRUE(part.BuildUserDefinedParts());
    EXPECT_EQ(Text(part, ZRP_SQL_USER_DEFINED_TAIL), "WHERE A.K = C.K ORDER BY Y");

    Fill(part, {.tables = "A/B(M)"});
    EXPECT_TRUE(part.BuildUserDefinedParts());
    EXPECT_EQ(part.GetSize(ZRP_SQL_USER_DEFINED_TAIL), 1);
    // The parts and the user-defined form give the same statement.
    Fill(part, {.select = "X", .tables = "A/B(M), C/D(N)", .where = "X > 1", .join = "A.K = C.K", .having = "H"});
    EXPECT_TRUE(part.BuildUserDefinedParts());
    EXPECT_TRUE(part.BuildSelectStatement());
    std::string fromParts = Text(part, ZRP_SQL_STATEMENT);
    EXPECT_TRUE(part.BuildUserDefinedStatement());
    EXPECT_EQ(Text(part, ZRP_SQL_STATEMENT), fromParts);
}

// The statement is assembled once every key was read, and only then.
TEST_F(SqlStatementTest, ReadAssemblesTheStatement)
{
    std::string path = WriteProfile(kAppcHostToPcProfile, "TCP/IP");
    SetHostValue(path, "SQL from 2", "LIB2/FILE2(M2)");
    SetHostValue(path, "SQL user defined2 1", "@WHERE T1.A = T2.B@");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_STATEMENT),
              "SELECT * FROM LIB.FILE T1, LIB2.FILE2 T2 WHERE T1.A = T2.B");

    path = WriteProfile(kAppcHostToPcProfile, "APPC");
    EXPECT_EQ(HostText(*ExpectReads(path), ZRP_SQL_STATEMENT), "SELECT * FROM LIB/FILE(MBR) ");
}
}
