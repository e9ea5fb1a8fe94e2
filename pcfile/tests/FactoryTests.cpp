// ZRTCreateObject of Zrtpcfile: the choice of the data source, the replace flag and the contract's base behaviour.
#include "PcFileTestSupport.h"

#include "FakeCallerTables.h"
#include "OwnedHandles.h"

namespace
{
class Factory : public testing::Test
{
protected:
    BOOL Create(int direction, int type, BOOL replace = TRUE)
    {
        m_tables.reset();
        m_tables = std::make_unique<CFakeCallerTables>(ZRHOST_AS400, direction == 2 ? 2 : 1);
        m_tables->Set(ZRP_DIRECTION, direction);
        m_tables->Set(ZRP_PC_FILE_TYPE, type);
        m_tables->SetOption(ZRO_CONFIRM_CREATING, 0);
        m_tables->SetOption(ZRO_CONFIRM_REPLACING, 0);
        return m_driver.Create(Tables(), replace);
    }

    CallerTables Tables() const
    {
        return {m_tables->ProfileTable(), m_errors.Sink(), m_tables->OptionTable(), m_tables->EnvironmentTable()};
    }

    // Opens a CSV target on `path` and gives it a one-field layout: the file is then held by the data source.
    bool OpenTarget(const std::string& path, HostRecords& host)
    {
        m_tables->Set(ZRP_PC_FILE_NAME, path.c_str());
        DataSourceFunctions* table = m_driver.Table();
        return table->Open(nullptr) && table->SetRecordLayout(host.Layout());
    }

    static bool CanOpenExclusively(const std::string& path)
    {
        OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file)
            return false;
        file.Reset();
        return true;
    }

    TempProgramFolder m_folder;
    DataSourceDriver m_driver{"Zrtpcfile.dll"};
    ErrorSinkCapture m_errors;
    std::unique_ptr<CFakeCallerTables> m_tables;
};
}

TEST_F(Factory, ExportsZRTCreateObjectByItsPlainName)
{
    ASSERT_TRUE(m_driver.IsLoaded());
}

TEST_F(Factory, MakesADataSourceForEveryTextTypeInBothDirections)
{
    for (int direction : {1, 2})
        for (int type = PCFT_TXT; type <= PCFT_DLM; ++type)
        {
            ASSERT_TRUE(Create(direction, type)) << direction << "/" << type;
            DataSourceFunctions* table = m_driver.Table();
            ASSERT_NE(table, nullptr);
            EXPECT_TRUE(table->Connect());
            EXPECT_TRUE(table->Disconnect());
            char text[64] = {};
            int a = 0, b = 0;
            EXPECT_FALSE(table->QueryInfo(text, &a, &b));
            EXPECT_EQ(table->GetRecordCount(), 0);
        }
    EXPECT_EQ(m_errors.Count(), 0u);
}

TEST_F(Factory, RefusesAWrongDirectionOrTypeWithItsMessage)
{
    const struct
    {
        int direction;
        int type;
        int message;
    } cases[] = {{3, PCFT_CSV, 2}, {0, PCFT_CSV, 2}, {1, PCFT_BINARY, 1}, {1, PCFT_FMT, 1},
                 {2, PCFT_WKQ, 1}, {2, PCFT_WKS, 1}, {2, PCFT_XLS, 1},    {2, 0, 1}};
    for (const auto& c : cases)
    {
        m_errors.Clear();
        EXPECT_FALSE(Create(c.direction, c.type)) << c.direction << "/" << c.type;
        EXPECT_EQ(m_driver.Table(), nullptr);
        const std::vector<CapturedError> errors = m_errors.Records();
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].text, Zri(c.message));
        EXPECT_EQ(errors[0].source, "ZRI_DSInternal");
    }
}

TEST_F(Factory, ReplaceFlagDestroysTheOldObjectAndReleasesItsFile)
{
    // The file exists before: an object destroyed before its transfer ended leaves it as it was.
    m_folder.WriteFile("held.csv", "");
    const std::string path = m_folder.PathOf("held.csv");
    HostRecords host({{"NAME", HFT_CHARACTER, 4, 0}});
    ASSERT_TRUE(Create(1, PCFT_CSV));
    ASSERT_TRUE(OpenTarget(path, host));
    EXPECT_FALSE(CanOpenExclusively(path));
    ASSERT_TRUE(Create(1, PCFT_CSV, TRUE));
    EXPECT_TRUE(CanOpenExclusively(path));
}

TEST_F(Factory, WithoutReplaceTheOldObjectLivesUntilTheLibraryIsFreed)
{
    m_folder.WriteFile("kept.csv", "");
    const std::string path = m_folder.PathOf("kept.csv");
    HostRecords host({{"NAME", HFT_CHARACTER, 4, 0}});
    ASSERT_TRUE(Create(1, PCFT_CSV));
    ASSERT_TRUE(OpenTarget(path, host));
    ASSERT_TRUE(Create(1, PCFT_TXT, FALSE));
    EXPECT_FALSE(CanOpenExclusively(path));
    EXPECT_EQ(m_driver.Table()->GetRecordCount(), 0);
    m_driver.Reload();
    EXPECT_TRUE(CanOpenExclusively(path));
}

TEST_F(Factory, OpenKeepsADuplicateOfTheCancelEventUntilClose)
{
    ASSERT_TRUE(Create(1, PCFT_CSV));
    m_tables->Set(ZRP_PC_FILE_NAME, m_folder.PathOf("cancel.csv").c_str());
    DataSourceFunctions* table = m_driver.Table();
    const char name[] = "zrt-pcfile-cancel-duplicate";
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, name));
    ASSERT_TRUE(table->Open(cancel.Get()));
    cancel.Reset();
    OwnedEvent again(OpenEventA(SYNCHRONIZE, FALSE, name));
    EXPECT_NE(again.Get(), nullptr);
    again.Reset();
    EXPECT_TRUE(table->Close());
    EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, name), nullptr);
    EXPECT_TRUE(table->Open(nullptr));
    EXPECT_TRUE(table->Close());
}

TEST_F(Factory, CloseAfterAFailedOpenAndFieldCallsWithoutALayoutFailQuietly)
{
    ASSERT_TRUE(Create(2, PCFT_CSV));
    m_tables->Set(ZRP_PC_FILE_NAME, m_folder.PathOf("missing.csv").c_str());
    DataSourceFunctions* table = m_driver.Table();
    EXPECT_FALSE(table->Open(nullptr));
    DSField field{};
    EXPECT_FALSE(table->GetField(&field));
    EXPECT_FALSE(table->PutField(&field));
    EXPECT_FALSE(table->NextField());
    EXPECT_TRUE(table->Close());
    EXPECT_EQ(m_errors.Texts(), std::vector<std::string>{Zri(10)});
}
