// Zrtvoid as the manager drives it: host to PC it takes every record, PC to host it has none.
#include "ManagerTestBed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;

TEST(Zrtvoid, TakesEveryRecordAndKeepsNone)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtvoid.dll", "ZRTVOID.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\nFields=NAME:A:10,QTY:S:5\nRecords=12\n");
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_VOID));
    ASSERT_TRUE(bed.Create());

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_THAT(bed.Notifications(), ElementsAre(Step(1), Step(4), Step(8), Count(10), Count(12), Step(10), Step(12)));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(Zrtvoid, HasNoRecordsToSend)
{
    ManagerTestBed bed(ZRDIR_PC_TO_HOST);
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtvoid.dll", "ZRTVOID.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\nFields=NAME:A:10\n");
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_VOID));
    ASSERT_TRUE(bed.Create());

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_THAT(bed.Notifications(), ElementsAre(Step(1), Step(4), Step(8), Count(0), Step(10), Step(12)));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), Contains("EndOfData"));
    EXPECT_EQ(0u, bed.Errors().Count());
}
