#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OwnedHandles.h"
#include "RegistryKey.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"
#include "VersionLibrary.h"
#include "ZROptions.h"

namespace
{

const char* const kNumberValues[] = {"HLLAPI timeout DDS",       "HLLAPI timeout SendKey",    "Remove blanks",
                                     "Confirm PC file creating", "Confirm PC file replacing", "Decimal char is dot"};

class OptionsTest : public ::testing::Test
{
protected:
    TestRegistryKey m_key;
    TempProgramFolder m_folder;
    std::unique_ptr<CVersionLibrary> m_library;

    void SetUp() override
    {
        m_folder.AddVersionLibrary();
        m_folder.AddCodeTable();
        m_library = std::make_unique<CVersionLibrary>("\\Zrthelp.hlp", m_folder.Path().c_str());
        ASSERT_EQ(ZRVL_READY, m_library->GetStatus());
    }

    std::string OptionsPath() const { return m_key.SubkeyPath("ZRT"); }

    // Every option valid: the folder exists, numbers in range.
    void WriteValidOptions()
    {
        CRegistryKey key(OptionsPath().c_str(), m_key.Root(), ZRRK_CREATE);
        ASSERT_TRUE(key.SetDword(30, "HLLAPI timeout DDS"));
        ASSERT_TRUE(key.SetDword(90, "HLLAPI timeout SendKey"));
        ASSERT_TRUE(key.SetString(m_folder.ParentPath().c_str(), "Default directory"));
        ASSERT_TRUE(key.SetDword(0, "Remove blanks"));
        ASSERT_TRUE(key.SetDword(1, "Confirm PC file creating"));
        ASSERT_TRUE(key.SetDword(0, "Confirm PC file replacing"));
        ASSERT_TRUE(key.SetDword(1, "Decimal char is dot"));
    }

    CRegistryKey OptionsKey() const { return CRegistryKey(OptionsPath().c_str(), m_key.Root(), ZRRK_OPEN); }

    DWORD Number(const CZROptions& options, int id) const
    {
        DWORD value = 0xDEADBEEF;
        EXPECT_TRUE(options.GetValue(id, &value));
        return value;
    }

    std::string Directory(const CZROptions& options) const
    {
        char folder[MAX_PATH] = {};
        EXPECT_TRUE(options.GetValue(ZRO_DEFAULT_DIRECTORY, folder));
        return folder;
    }

    CZROptions ReadOptions() const
    {
        CZROptions options;
        EXPECT_TRUE(options.Read(*m_library));
        return options;
    }
};

}

TEST_F(OptionsTest, WithoutTheKeyEveryOptionTakesItsConstructionValueAndIsWrittenBack)
{
    CZROptions options = ReadOptions();
    EXPECT_TRUE(options.IsModified());
    EXPECT_EQ(60u, Number(options, ZRO_HLLAPI_TIMEOUT_DDS));
    EXPECT_EQ(60u, Number(options, ZRO_HLLAPI_TIMEOUT_SENDKEY));
    EXPECT_EQ("", Directory(options));
    for (int id : {ZRO_REMOVE_BLANKS, ZRO_CONFIRM_CREATING, ZRO_CONFIRM_REPLACING, ZRO_DECIMAL_CHAR_IS_DOT})
        EXPECT_EQ(1u, Number(options, id)) << id;

    ASSERT_TRUE(options.Write(*m_library));
    OwnedRegistryKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, OptionsPath().c_str(), 0, KEY_READ, key.Receive()));
    DWORD values = 0;
    RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    EXPECT_EQ(7u, values);
    for (const char* name : kNumberValues)
    {
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size))
            << name;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type) << name;
        EXPECT_EQ(std::string(name).rfind("HLLAPI", 0) == 0 ? 60u : 1u, data) << name;
    }
    DWORD type = 0;
    char text[8] = "x";
    DWORD size = sizeof text;
    ASSERT_EQ(ERROR_SUCCESS,
              RegQueryValueExA(key.Get(), "Default directory", nullptr, &type, reinterpret_cast<BYTE*>(text), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(1u, size);
}

TEST_F(OptionsTest, ValidValuesAreTakenAndLeaveTheOptionsUnmodified)
{
    WriteValidOptions();
    CZROptions options = ReadOptions();
    EXPECT_FALSE(options.IsModified());
    EXPECT_EQ(30u, Number(options, ZRO_HLLAPI_TIMEOUT_DDS));
    EXPECT_EQ(90u, Number(options, ZRO_HLLAPI_TIMEOUT_SENDKEY));
    EXPECT_EQ(m_folder.ParentPath(), Directory(options));
    EXPECT_EQ(0u, Number(options, ZRO_REMOVE_BLANKS));
    EXPECT_EQ(1u, Number(options, ZRO_CONFIRM_CREATING));
    EXPECT_EQ(0u, Number(options, ZRO_CONFIRM_REPLACING));
    EXPECT_EQ(1u, Number(options, ZRO_DECIMAL_CHAR_IS_DOT));
}

TEST_F(OptionsTest, TimeoutsOutsideOneTo180OrOfAnotherTypeFallBackTo60)
{
    WriteValidOptions();
    const struct
    {
        DWORD stored;
        DWORD read;
        bool modified;
    } cases[] = {{180, 180, false}, {1, 1, false}, {181, 60, true}, {0, 60, true}, {0xFFFFFFFF, 60, true}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(OptionsKey().SetDword(c.stored, "HLLAPI timeout DDS"));
        CZROptions options = ReadOptions();
        EXPECT_EQ(c.read, Number(options, ZRO_HLLAPI_TIMEOUT_DDS)) << c.stored;
        EXPECT_EQ(c.modified, options.IsModified() != FALSE) << c.stored;
    }

    ASSERT_TRUE(OptionsKey().SetString("30", "HLLAPI timeout SendKey"));
    CZROptions options = ReadOptions();
    EXPECT_EQ(60u, Number(options, ZRO_HLLAPI_TIMEOUT_SENDKEY));
    EXPECT_TRUE(options.IsModified());
}

TEST_F(OptionsTest, FlagsReadAnyNonzeroAsOneAndOtherTypesAsMissing)
{
    WriteValidOptions();
    ASSERT_TRUE(OptionsKey().SetDword(5, "Remove blanks"));
    CZROptions options = ReadOptions();
    EXPECT_EQ(1u, Number(options, ZRO_REMOVE_BLANKS));
    EXPECT_FALSE(options.IsModified());

    ASSERT_TRUE(OptionsKey().SetString("0", "Confirm PC file replacing"));
    options = ReadOptions();
    EXPECT_EQ(1u, Number(options, ZRO_CONFIRM_REPLACING));
    EXPECT_TRUE(options.IsModified());

    WriteValidOptions();
    const unsigned char zero[4] = {};
    ASSERT_TRUE(OptionsKey().SetBinary(zero, 4, "Decimal char is dot"));
    options = ReadOptions();
    EXPECT_EQ(1u, Number(options, ZRO_DECIMAL_CHAR_IS_DOT));
    EXPECT_TRUE(options.IsModified());
}

TEST_F(OptionsTest, DefaultDirectoryMustNameAnExistingFolder)
{
    WriteValidOptions();
    m_folder.WriteFile("file.txt", "x", FolderPlace::Parent);
    ASSERT_TRUE(OptionsKey().SetString(m_folder.PathOf("file.txt", FolderPlace::Parent).c_str(), "Default directory"));
    CZROptions options = ReadOptions();
    EXPECT_EQ(m_folder.Path(), Directory(options)) << "a file is not a folder";
    EXPECT_TRUE(options.IsModified());

    const std::string missing = m_folder.PathOf("missing", FolderPlace::Parent);
    ASSERT_TRUE(OptionsKey().SetString(missing.c_str(), "Default directory"));
    options = ReadOptions();
    EXPECT_EQ(m_folder.Path(), Directory(options));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.c_str())) << "the folder is not created";

    ASSERT_TRUE(OptionsKey().SetString(std::string(300, 'd').c_str(), "Default directory"));
    options = ReadOptions();
    EXPECT_EQ(m_folder.Path(), Directory(options)) << "an overlong value";

    ASSERT_TRUE(OptionsKey().SetDword(1, "Default directory"));
    options = ReadOptions();
    EXPECT_EQ(m_folder.Path(), Directory(options)) << "a value of another type";
}

TEST_F(OptionsTest, GetSetAndSizeById)
{
    CZROptions options;
    DWORD number = 0;
    EXPECT_FALSE(options.GetValue(3, &number));
    EXPECT_FALSE(options.SetValue(3, &number));
    EXPECT_FALSE(options.GetValue(8, &number));
    EXPECT_EQ(-1, options.GetSize(3));
    EXPECT_EQ(-1, options.GetSize(-1));
    EXPECT_EQ(4, options.GetSize(ZRO_REMOVE_BLANKS));
    EXPECT_EQ(1, options.GetSize(ZRO_DEFAULT_DIRECTORY));

    EXPECT_TRUE(options.SetValue(ZRO_DEFAULT_DIRECTORY, "C:\\x"));
    EXPECT_EQ(5, options.GetSize(ZRO_DEFAULT_DIRECTORY));
    number = 120;
    EXPECT_TRUE(options.SetValue(ZRO_HLLAPI_TIMEOUT_SENDKEY, &number));
    EXPECT_EQ(120u, Number(options, ZRO_HLLAPI_TIMEOUT_SENDKEY));
    EXPECT_FALSE(options.IsModified()) << "SetValue leaves the modified flag alone";

    EXPECT_TRUE(options.SetValue(ZRO_DEFAULT_DIRECTORY, std::string(400, 'p').c_str()));
    EXPECT_EQ(MAX_PATH, options.GetSize(ZRO_DEFAULT_DIRECTORY)) << "cut to 259 characters";
}

TEST_F(OptionsTest, WrittenOptionsReadBackUnmodified)
{
    CZROptions options;
    const DWORD values[] = {15, 170, 0, 0, 1, 0};
    const int ids[] = {ZRO_HLLAPI_TIMEOUT_DDS, ZRO_HLLAPI_TIMEOUT_SENDKEY, ZRO_REMOVE_BLANKS,
                       ZRO_CONFIRM_CREATING,   ZRO_CONFIRM_REPLACING,      ZRO_DECIMAL_CHAR_IS_DOT};
    for (int i = 0; i < 6; ++i)
        options.SetValue(ids[i], &values[i]);
    options.SetValue(ZRO_DEFAULT_DIRECTORY, m_folder.ParentPath().c_str());
    options.SetModified(TRUE);
    ASSERT_TRUE(options.Write(*m_library));
    EXPECT_TRUE(options.IsModified()) << "Write leaves the modified flag alone";

    CZROptions read = ReadOptions();
    EXPECT_FALSE(read.IsModified());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(values[i], Number(read, ids[i])) << ids[i];
    EXPECT_EQ(m_folder.ParentPath(), Directory(read));
}

TEST_F(OptionsTest, ReadingNeedsNoWriteAccess)
{
    WriteValidOptions();
    m_key.DenyWriting(OptionsPath());
    CZROptions options = ReadOptions();
    EXPECT_FALSE(options.IsModified());
    EXPECT_EQ(30u, Number(options, ZRO_HLLAPI_TIMEOUT_DDS));
    EXPECT_FALSE(options.Write(*m_library));
}

TEST_F(OptionsTest, WriteFailsWhenTheKeyCannotBeMade)
{
    // A volatile installation key cannot hold the lasting "ZRT" subkey.
    RegDeleteTreeA(HKEY_CURRENT_USER, m_key.Path().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, m_key.Path().c_str());
    OwnedRegistryKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, m_key.Path().c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr));
    key.Reset();
    CZROptions options;
    EXPECT_FALSE(options.Write(*m_library));
}
