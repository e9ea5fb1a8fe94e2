// The fake caller tables: values by id through the tables, options, errors and the code-page translation.
#include "FakeCallerTables.h"

#include <gtest/gtest.h>

#include "ZRProfile.h"
#include "ZROptionIds.h"

namespace
{
TEST(FakeCallerTablesTest, ValuesGoThroughTheTablesOfTheInMemoryProfile)
{
    CFakeCallerTables tables(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
    EXPECT_EQ(tables.GetInt(ZRP_HOST_TYPE), ZRHOST_S36);
    EXPECT_EQ(tables.GetInt(ZRP_TRANSFER_TYPE), ZRTT_BINARY);
    EXPECT_EQ(tables.GetInt(ZRP_NUMBER_OF_RECORDS), 1000);

    EXPECT_TRUE(tables.Set(ZRP_PC_FILE_TYPE, 5));
    EXPECT_TRUE(tables.Set(ZRP_PC_FILE_NAME, "C:\\out\\a.csv"));
    EXPECT_TRUE(tables.Set(ZRP_PRESENTATION_SPACE_ID, "C"));
    EXPECT_TRUE(tables.Set(ZRP_HOST_TARGET_NAME, "LIB1(MEM1)"));
    EXPECT_TRUE(tables.Set(ZRP_NOTIFY_MESSAGE, 1028));
    EXPECT_TRUE(tables.Set(ZRP_BROWSE_LIBRARY, "QGPL"));
    EXPECT_EQ(tables.GetInt(ZRP_PC_FILE_TYPE), 5);
    EXPECT_EQ(tables.GetText(ZRP_PC_FILE_NAME), "C:\\out\\a.csv");
    EXPECT_EQ(tables.GetText(ZRP_PRESENTATION_SPACE_ID), "C");
    EXPECT_EQ(tables.GetText(ZRP_HOST_TARGET_NAME), "LIB1(MEM1)");
    EXPECT_EQ(tables.GetInt(ZRP_NOTIFY_MESSAGE), 1028);
    EXPECT_EQ(tables.GetText(ZRP_BROWSE_LIBRARY), "QGPL");
    EXPECT_TRUE(tables.Profile().HostRequest()->IsMemberName());

    // A number is never taken as a text nor the other way round, and foreign ids are refused.
    EXPECT_FALSE(tables.Set(ZRP_PC_FILE_NAME, 5));
    EXPECT_FALSE(tables.Set(ZRP_PC_FILE_TYPE, "5"));
    EXPECT_FALSE(tables.Set(ZRP_PC_WRITE_MODE, 2));
    EXPECT_FALSE(tables.Set(203, 1));
}

TEST(FakeCallerTablesTest, OptionsErrorsAndTranslation)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    int value = -1;
    EXPECT_TRUE(tables.SetOption(ZRO_CONFIRM_CREATING, 0));
    EXPECT_TRUE(tables.OptionTable()->GetOption(ZRO_CONFIRM_CREATING, &value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(tables.SetOption(3, 1));

    tables.ErrorTable()->ReportText("first");
    tables.ErrorTable()->ReportText("second");
    EXPECT_EQ(tables.TakeErrors(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(tables.TakeErrors(), std::vector<std::string>{});

    ASSERT_TRUE(tables.HasVersionLibrary());
    char out[4];
    WORD length = sizeof out;
    EXPECT_TRUE(tables.EnvironmentTable()->TranslateCodePage(ZRCM_ASCII_TO_EBCDIC, "AB", out, 2, &length));
    EXPECT_EQ(std::string(out, 4), "\xC1\xC2\x40\x40");
    EXPECT_EQ(length, 2);
}
}
