#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "OwnedHandles.h"
#include "RegistryKey.h"
#include "TestRegistryKey.h"

namespace
{

class RegistryKeyTest : public ::testing::Test
{
protected:
    TestRegistryKey m_testKey;

    std::string PathOf(const char* subkey) const { return m_testKey.SubkeyPath(subkey); }

    bool Exists(const std::string& path) const
    {
        OwnedRegistryKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
            return false;
        return true;
    }

    // A key with values of several kinds and a subkey tree two levels deep.
    void MakeTree(const std::string& path)
    {
        CRegistryKey key(path.c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
        ASSERT_TRUE(key.SetString("text", "Name"));
        ASSERT_TRUE(key.SetDword(42, "Number"));
        ASSERT_TRUE(key.SetString(std::string(5000, 'v').c_str(), std::string(300, 'n').c_str()));
        const std::string data(3000, '\x5A');
        ASSERT_TRUE(key.SetBinary(data.data(), static_cast<DWORD>(data.size()), "Blob"));
        CRegistryKey child((path + "\\Child").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
        ASSERT_TRUE(child.SetString("child", "Name"));
        CRegistryKey grandchild((path + "\\Child\\Grandchild").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
        ASSERT_TRUE(grandchild.SetDword(7, "Depth"));
    }

    void ExpectTree(const std::string& path)
    {
        CRegistryKey key(path.c_str(), HKEY_CURRENT_USER, ZRRK_READ_ONLY);
        ASSERT_TRUE(key.IsOpen()) << path;
        std::string text;
        EXPECT_TRUE(key.GetString(text, "Name"));
        EXPECT_EQ("text", text);
        DWORD number = 0;
        EXPECT_TRUE(key.GetDword(number, "Number"));
        EXPECT_EQ(42u, number);
        EXPECT_TRUE(key.GetString(text, std::string(300, 'n').c_str()));
        EXPECT_EQ(std::string(5000, 'v'), text);
        std::string data(3000, '\0');
        EXPECT_TRUE(key.GetBinary(data.data(), 3000, "Blob"));
        EXPECT_EQ(std::string(3000, '\x5A'), data);
        CRegistryKey grandchild((path + "\\Child\\Grandchild").c_str(), HKEY_CURRENT_USER, ZRRK_READ_ONLY);
        EXPECT_TRUE(grandchild.GetDword(number, "Depth"));
        EXPECT_EQ(7u, number);
    }
};

}

TEST_F(RegistryKeyTest, CreateModeMakesAMissingKeyAndOpenModeDoesNot)
{
    CRegistryKey missing(PathOf("Missing").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(ZRRK_FAILURE, missing.GetStatus());
    std::string text;
    DWORD number = 0;
    EXPECT_FALSE(missing.GetString(text, "Name"));
    EXPECT_FALSE(missing.GetDword(number, "Number"));
    EXPECT_FALSE(missing.SetDword(1, "Number"));
    EXPECT_FALSE(Exists(PathOf("Missing")));

    CRegistryKey created(PathOf("Created").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
    EXPECT_TRUE(created.IsOpen());
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), created.GetDisposition());
    EXPECT_TRUE(Exists(PathOf("Created")));
}

TEST_F(RegistryKeyTest, ValuesAreReadOnlyAsTheirOwnType)
{
    CRegistryKey key(PathOf("Values").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
    ASSERT_TRUE(key.SetString("30", "Text"));
    ASSERT_TRUE(key.SetDword(5, "Number"));
    const unsigned char bytes[4] = {1, 2, 3, 4};
    ASSERT_TRUE(key.SetBinary(bytes, 4, "Bytes"));

    DWORD number = 0;
    EXPECT_FALSE(key.GetDword(number, "Text"));
    EXPECT_EQ(ZRRK_FAILURE, key.GetStatus());
    EXPECT_TRUE(key.GetDword(number, "Number"));
    EXPECT_EQ(ZRRK_SUCCESS, key.GetStatus());
    EXPECT_EQ(5u, number);

    BOOL flag = FALSE;
    EXPECT_TRUE(key.GetBool(flag, "Number"));
    EXPECT_EQ(1, flag);
    EXPECT_FALSE(key.GetBool(flag, "Text"));

    std::string text;
    EXPECT_FALSE(key.GetString(text, "Number"));
    EXPECT_TRUE(key.GetString(text, "Text"));
    EXPECT_EQ("30", text);

    unsigned char read[4] = {};
    EXPECT_TRUE(key.GetBinary(read, 4, "Bytes"));
    EXPECT_EQ(0, memcmp(bytes, read, 4));
    unsigned char tooBig[5] = {};
    EXPECT_FALSE(key.GetBinary(tooBig, 5, "Bytes"));
    EXPECT_FALSE(key.GetBinary(read, 4, "Number"));
}

TEST_F(RegistryKeyTest, GetStringReadsLongTextsWholeAndTextsWithoutTerminator)
{
    CRegistryKey key(PathOf("Strings").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
    ASSERT_TRUE(key.SetString(std::string(5000, 'x').c_str(), "Long"));
    OwnedRegistryKey raw;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, PathOf("Strings").c_str(), 0, KEY_SET_VALUE, raw.Receive()));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(raw.Get(), "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3));
    raw.Reset();

    std::string text;
    EXPECT_TRUE(key.GetString(text, "Long"));
    EXPECT_EQ(std::string(5000, 'x'), text);
    EXPECT_TRUE(key.GetString(text, "Bare"));
    EXPECT_EQ("abc", text);
}

TEST_F(RegistryKeyTest, ReadOnlyOpenReadsButNeverWrites)
{
    {
        CRegistryKey key(PathOf("Install").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
        ASSERT_TRUE(key.SetString("C:\\help", "HelpPath"));
    }
    CRegistryKey key(PathOf("Install").c_str(), HKEY_CURRENT_USER, ZRRK_READ_ONLY);
    std::string text;
    EXPECT_TRUE(key.GetString(text, "HelpPath"));
    EXPECT_EQ("C:\\help", text);
    EXPECT_FALSE(key.SetString("changed", "HelpPath"));
    EXPECT_EQ(ZRRK_FAILURE, key.GetStatus());
}

TEST_F(RegistryKeyTest, ReadOnlyOpenSucceedsWhereWritingIsDenied)
{
    {
        CRegistryKey key(PathOf("Locked").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
        ASSERT_TRUE(key.SetString("value", "GroupName"));
    }
    m_testKey.DenyWriting(PathOf("Locked"));

    CRegistryKey readWrite(PathOf("Locked").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_FALSE(readWrite.IsOpen());
    CRegistryKey readOnly(PathOf("Locked").c_str(), HKEY_CURRENT_USER, ZRRK_READ_ONLY);
    ASSERT_TRUE(readOnly.IsOpen());
    std::string text;
    EXPECT_TRUE(readOnly.GetString(text, "GroupName"));
    EXPECT_EQ("value", text);
}

TEST_F(RegistryKeyTest, CopyBorrowsTheHandle)
{
    CRegistryKey key(PathOf("Shared").c_str(), HKEY_CURRENT_USER, ZRRK_CREATE);
    {
        CRegistryKey copy(key);
        EXPECT_TRUE(copy.SetDword(1, "One"));
    }
    DWORD number = 0;
    EXPECT_TRUE(key.GetDword(number, "One"));
    EXPECT_EQ(1u, number);
}

TEST_F(RegistryKeyTest, EnumSubkeyAndDeleteTree)
{
    MakeTree(PathOf("Tree"));
    CRegistryKey key(PathOf("Tree").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    std::string name;
    EXPECT_TRUE(key.EnumSubkey(0, name));
    EXPECT_EQ("Child", name);
    EXPECT_FALSE(key.EnumSubkey(1, name));

    EXPECT_TRUE(key.DeleteTree());
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(Exists(PathOf("Tree")));
    EXPECT_TRUE(Exists(m_testKey.Path()));
}

TEST_F(RegistryKeyTest, RenameCopiesEverythingThenDeletesTheOldKey)
{
    MakeTree(PathOf("Old"));
    CRegistryKey key(PathOf("Old").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_TRUE(key.Rename("New"));
    EXPECT_FALSE(Exists(PathOf("Old")));
    ExpectTree(PathOf("New"));
}

TEST_F(RegistryKeyTest, CopyToSiblingKeepsTheSource)
{
    MakeTree(PathOf("Source"));
    CRegistryKey key(PathOf("Source").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_TRUE(key.CopyToSibling("Copy"));
    ExpectTree(PathOf("Source"));
    ExpectTree(PathOf("Copy"));
}

TEST_F(RegistryKeyTest, RenameNeverDeletesAfterAPartialCopy)
{
    MakeTree(PathOf("Old"));
    // A volatile key cannot hold the non-volatile subkeys of the copy: the copy stops half way.
    OwnedRegistryKey volatileKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, PathOf("New").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, volatileKey.Receive(), nullptr));
    volatileKey.Reset();

    CRegistryKey key(PathOf("Old").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_FALSE(key.Rename("New"));
    EXPECT_EQ(ZRRK_FAILURE, key.GetStatus());
    ExpectTree(PathOf("Old"));
}

TEST_F(RegistryKeyTest, RenameToTheSameNameKeepsTheKey)
{
    MakeTree(PathOf("Same"));
    CRegistryKey key(PathOf("Same").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_TRUE(key.CopyToSibling("Same"));
    EXPECT_TRUE(key.Rename("same"));
    ExpectTree(PathOf("Same"));
}

TEST_F(RegistryKeyTest, CopyRefusesPathsWithoutSiblingsAndNamesInsideTheKey)
{
    MakeTree(PathOf("Source"));
    CRegistryKey key(PathOf("Source").c_str(), HKEY_CURRENT_USER, ZRRK_OPEN);
    EXPECT_FALSE(key.CopyToSibling("Source\\Inner"));
    EXPECT_FALSE(key.CopyToSibling(""));
    EXPECT_FALSE(Exists(PathOf("Source\\Inner")));

    CRegistryKey top("Software", HKEY_CURRENT_USER, ZRRK_READ_ONLY);
    ASSERT_TRUE(top.IsOpen());
    EXPECT_FALSE(top.CopyToSibling("Elsewhere"));
}

TEST(RootKeyWord, PredefinedRootKeysComeBackSignExtended)
{
    EXPECT_EQ(0x80000001u, RootKeyToWord(HKEY_CURRENT_USER));
    EXPECT_EQ(HKEY_CURRENT_USER, RootKeyFromWord(0x80000001u));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, RootKeyFromWord(RootKeyToWord(HKEY_LOCAL_MACHINE)));
    EXPECT_EQ(nullptr, RootKeyFromWord(0));

    TestRegistryKey testKey;
    CRegistryKey key(testKey.Path().c_str(), RootKeyFromWord(0x80000001u), ZRRK_READ_ONLY);
    EXPECT_TRUE(key.IsOpen());
}
