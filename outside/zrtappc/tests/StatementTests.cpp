// The one statement the SQL stand-ins run, in the table syntax of each connection.
#include "PlainSelect.h"

#include <gtest/gtest.h>

namespace
{
struct Accepted
{
    const char* statement;
    TableSyntax syntax;
    const char* library;
    const char* file;
    const char* member;
};

TEST(PlainSelectTest, AcceptsSelectStarFromOneTable)
{
    for (const Accepted& a : {
             Accepted{"SELECT * FROM QGPL/CUSTOMER(CUSTOMER) ", TableSyntax::Appc, "QGPL", "CUSTOMER", "CUSTOMER"},
             Accepted{"select * from qgpl/customer(empty)", TableSyntax::Appc, "QGPL", "CUSTOMER", "EMPTY"},
             Accepted{"  SELECT   *\tFROM LIB/FILE  ", TableSyntax::Appc, "LIB", "FILE", ""},
             Accepted{"SELECT * FROM LIB/FILE()", TableSyntax::Appc, "LIB", "FILE", ""},
             Accepted{"SELECT * FROM LIB/FILE(*first)", TableSyntax::Appc, "LIB", "FILE", ""},
             Accepted{"SELECT * FROM $LIB_1/#FILE@(M1)", TableSyntax::Appc, "$LIB_1", "#FILE@", "M1"},
             Accepted{"SELECT * FROM QGPL.CUSTOMER", TableSyntax::Tcpip, "QGPL", "CUSTOMER", ""},
             Accepted{"Select * From sales.orders ", TableSyntax::Tcpip, "SALES", "ORDERS", ""},
         })
    {
        SCOPED_TRACE(a.statement);
        PlainSelectTable table;
        ASSERT_TRUE(ParsePlainSelect(a.statement, a.syntax, table));
        EXPECT_EQ(table.library, a.library);
        EXPECT_EQ(table.file, a.file);
        EXPECT_EQ(table.member, a.member);
    }
}

TEST(PlainSelectTest, RefusesEverythingElse)
{
    struct Refused
    {
        const char* statement;
        TableSyntax syntax;
    };
    for (const Refused& r : {
             Refused{"", TableSyntax::Appc},
             Refused{"SELECT * FROM", TableSyntax::Appc},
             Refused{"SELECT A FROM LIB/FILE(MBR)", TableSyntax::Appc},
             Refused{"SELECT A, B FROM LIB/FILE(MBR)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(MBR) WHERE X > 1", TableSyntax::Appc},
             Refused{"SELECT * FROM A/B(M), D/E(N) ", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB.FILE T1, LIB2.FILE2 T2 WHERE T1.A = T2.B", TableSyntax::Tcpip},
             Refused{"SELECT * FROM LIB.FILE T1", TableSyntax::Tcpip},
             Refused{"DELETE * FROM LIB/FILE(MBR)", TableSyntax::Appc},
             Refused{"SELECT * INTO LIB/FILE(MBR)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB.FILE", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(MBR)", TableSyntax::Tcpip},
             Refused{"SELECT * FROM LIB. ", TableSyntax::Tcpip},
             Refused{"SELECT * FROM .FILE", TableSyntax::Tcpip},
             Refused{"SELECT * FROM LIB.FILE.X", TableSyntax::Tcpip},
             Refused{"SELECT * FROM LIB/(MBR)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(MBR", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(MBR,X)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(MBR)X", TableSyntax::Appc},
             Refused{"SELECT * FROM ../FILE(MBR)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/..\\..\\X(MBR)", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(..\\M)", TableSyntax::Appc},
             Refused{"SELECT * FROM ABCDEFGHIJK/FILE", TableSyntax::Appc},
             Refused{"SELECT * FROM LIB/FILE(ABCDEFGHIJK)", TableSyntax::Appc},
         })
    {
        PlainSelectTable table;
        EXPECT_FALSE(ParsePlainSelect(r.statement, r.syntax, table)) << r.statement;
    }
}
}
