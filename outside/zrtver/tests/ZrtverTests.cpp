#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "OwnedHandles.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"

namespace
{

const char* const kEntries[] = {"GetInstallationRegistryKey",
                                "GetCopyright",
                                "GetProductVersion",
                                "GetUILanguage",
                                "GetProductName",
                                "GetGenericCaption",
                                "GetFileData",
                                "GetSupportData",
                                "GetANSItoEBCDICtable",
                                "GetEBCDICtoANSItable",
                                "GetConnectionID",
                                "GetAPPCLanguage"};

typedef void(WINAPI* GetKeyProc)(char*, DWORD*, int);
typedef void(WINAPI* GetTableProc)(int, DWORD*);
typedef void(WINAPI* GetSupportProc)(int, unsigned char*);
typedef void(WINAPI* GetTextProc)(char*, int);

class ZrtverTest : public ::testing::Test
{
protected:
    OwnedModule m_library;

    void SetUp() override
    {
        m_library.Reset(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\Zrtver.dll").c_str()));
        ASSERT_NE(nullptr, m_library.Get());
    }
    void TearDown() override { m_library.Reset(); }

    template <typename Proc>
    Proc Entry(const char* name)
    {
        return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(m_library.Get(), name)));
    }

    DWORD InstallationKey(std::string& path, int size = 200)
    {
        char buffer[200] = {};
        DWORD root = 0xFFFF;
        Entry<GetKeyProc>("GetInstallationRegistryKey")(buffer, &root, size);
        path = buffer;
        return root;
    }
};

}

TEST_F(ZrtverTest, ExportsAllTwelveEntries)
{
    for (const char* name : kEntries)
        EXPECT_NE(nullptr, GetProcAddress(m_library.Get(), name)) << name;
}

TEST_F(ZrtverTest, InstallationKeyFollowsTheEnvironment)
{
    std::string path;
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", nullptr);
    EXPECT_EQ(0x80000001u, InstallationKey(path));
    EXPECT_EQ("Software\\Zerathon", path);

    {
        TestRegistryKey key;
        EXPECT_EQ(0x80000001u, InstallationKey(path));
        EXPECT_EQ(key.Path(), path);
    }
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", "HKLM\\Software\\Elsewhere");
    EXPECT_EQ(0x80000002u, InstallationKey(path));
    EXPECT_EQ("Software\\Elsewhere", path);

    SetEnvironmentVariableA("ZRT_INSTALL_KEY", "HKEY_NOWHERE\\Software\\Elsewhere");
    EXPECT_EQ(0u, InstallationKey(path)) << "an unknown root";
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", "HKCU");
    EXPECT_EQ(0u, InstallationKey(path)) << "no path";
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", ("HKCU\\" + std::string(200, 'k')).c_str());
    EXPECT_EQ(0u, InstallationKey(path)) << "a path that does not fit";
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", nullptr);
}

TEST_F(ZrtverTest, AnsiTablesAreInversePermutations)
{
    DWORD toEbcdic[256];
    DWORD toAnsi[256];
    std::memset(toEbcdic, 0xFF, sizeof toEbcdic);
    std::memset(toAnsi, 0xFF, sizeof toAnsi);
    Entry<GetTableProc>("GetANSItoEBCDICtable")(0, toEbcdic);
    Entry<GetTableProc>("GetEBCDICtoANSItable")(0, toAnsi);
    for (int b = 0; b < 256; ++b)
    {
        ASSERT_LT(toEbcdic[b], 256u);
        ASSERT_LT(toAnsi[b], 256u);
        EXPECT_EQ(static_cast<DWORD>(b), toAnsi[toEbcdic[b]]);
    }
    EXPECT_EQ(0xC1u, toEbcdic['A']);
    EXPECT_EQ(0x40u, toEbcdic[' ']);
    EXPECT_EQ(static_cast<DWORD>('a'), toAnsi[0x81]);
}

TEST_F(ZrtverTest, SupportRecordNamesTheCodeTableFileBesideTheLibrary)
{
    unsigned char record[136] = {};
    Entry<GetSupportProc>("GetSupportData")(0, record);
    int index = -1;
    std::memcpy(&index, record + 4, sizeof index);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, 9);
    const char* name = reinterpret_cast<const char*>(record + 8 + 13 * index);
    EXPECT_STREQ("ZRT850.TBL", name);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA((TempProgramFolder::BuildProgramFolder() + "\\" + name).c_str()));
}

TEST_F(ZrtverTest, TextsRespectTheBufferSize)
{
    char text[100];
    std::memset(text, 'x', sizeof text);
    Entry<GetTextProc>("GetCopyright")(text, 10);
    EXPECT_STREQ("Copyright", text);
    EXPECT_EQ('x', text[10]);
    Entry<GetTextProc>("GetProductVersion")(text, 16);
    EXPECT_STREQ("4.10", text);
    EXPECT_EQ(1, Entry<int(WINAPI*)()>("GetConnectionID")());

    char first[12], second[12], language[12];
    Entry<void(WINAPI*)(int, char*, char*, char*)>("GetAPPCLanguage")(0, first, second, language);
    EXPECT_STREQ("ENGLISH", language);
}
