// The profile messages of a program with Zrtbatch's string table and its own id for the host-name warning.
#include "ProfileTestSupport.h"

#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"

namespace
{
class BatchProfileTest : public ProfileTest
{
protected:
    void SetUp() override
    {
        ProfileTest::SetUp();
        SetProfileNameWarningId(IDS_ZR_NAME_INVALID_BATCH);
    }
};

TEST_F(BatchProfileTest, StrictReadingReportsZrtbatchsText)
{
    std::string path = m_folder.File("batch.h2p");
    WriteFileBytes(path, kAs400HostToPcFile);
    SetProfileValue(path, "General", "Character set", "EBCDIC to UTF-8");
    BOOL read;
    ReadProfile(path, true, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{"Error ZRG005: Unable to open the profile because the "
                                                     "'Character set' entry is invalid. Fix the profile in the ZRT "
                                                     "interface."});
}

TEST_F(BatchProfileTest, LenientWarningsUseZrtbatchsIds)
{
    std::string path = m_folder.File("batch.h2p");
    WriteFileBytes(path, kAs400HostToPcFile);
    SetProfileValue(path, "Host request", "SQL from", nullptr);
    SetProfileValue(path, "PC request", "PC write mode", "Truncate");
    BOOL read;
    ReadProfile(path, false, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(TakeErrors(),
              (std::vector<std::string>{
                  "Warning ZRG016: Either the entry 'SQL from' could not be read from the profile or it is invalid.",
                  "Warning ZRG010: Unable to read entry 'PC write mode' from the profile. The default value will be "
                  "used."}));
}
}
