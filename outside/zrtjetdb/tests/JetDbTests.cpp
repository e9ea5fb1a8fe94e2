// Zrtjetdb refuses both Microsoft Access types with its own clear error, and the transfer fails without a file.
#include "ManagerTestBed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(Zrtjetdb, RefusesTheConnectionWithAClearError)
{
    for (int type : {PCFT_MDB70, PCFT_MDB97})
    {
        SCOPED_TRACE(type);
        ManagerTestBed bed;
        bed.Folder().InstallFake("ZRTAS400.DLL");
        bed.Folder().InstallFromBuild("Zrtjetdb.dll", "ZRTJETDB.DLL");
        bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\nFields=NAME:A:10\nRecords=3\n");
        const std::string file = bed.Folder().File("customers.mdb");
        ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, type));
        ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_NAME, file.c_str()));
        ASSERT_TRUE(bed.Create());

        ASSERT_TRUE(bed.Manager().RunTransferAsync(nullptr));
        EXPECT_EQ(0, bed.WaitForRequestDone());

        EXPECT_THAT(bed.Notifications(), ElementsAre(Step(1), Step(4), Step(8), Step(12), Done(0)));
        const std::vector<CapturedError> errors = bed.Errors().Records();
        ASSERT_EQ(1u, errors.size());
        EXPECT_EQ("JetDbDataSource", errors[0].source);
        EXPECT_EQ("Zrtjetdb: Microsoft Access databases (MDB) cannot be read or written here: no database engine is "
                  "installed. Choose another PC file type.",
                  errors[0].text);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
    }
}
