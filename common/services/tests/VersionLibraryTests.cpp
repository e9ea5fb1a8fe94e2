#include <gtest/gtest.h>

#include <string>

#include "CodeTableLines.h"
#include "RegistryKey.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"
#include "VersionLibrary.h"
#include "ZRCallerTables.h"

namespace
{

const char kHelpFile[] = "\\Zrthelp.hlp";

class VersionLibraryTest : public ::testing::Test
{
protected:
    TestRegistryKey m_key;
    TempProgramFolder m_folder;

    void SetHelpPath(const std::string& folder)
    {
        CRegistryKey key(m_key.Path().c_str(), m_key.Root(), ZRRK_OPEN);
        ASSERT_TRUE(key.SetString(folder.c_str(), "HelpPath"));
    }

    int StatusOf() { return CVersionLibrary(kHelpFile, m_folder.Path().c_str()).GetStatus(); }
};

}

TEST_F(VersionLibraryTest, HoldsTheTextsKeyAndTablesOfTheLibraryInTheProgramFolder)
{
    m_folder.AddVersionLibrary();
    m_folder.AddCodeTable();
    CVersionLibrary library(kHelpFile, m_folder.Path().c_str());
    ASSERT_EQ(ZRVL_READY, library.GetStatus());

    EXPECT_EQ(m_folder.Path(), library.GetProgramFolder());
    EXPECT_EQ(m_folder.Path(), library.GetLibraryFolder());
    EXPECT_EQ(m_key.Path(), library.GetInstallKeyPath());
    EXPECT_EQ(0x80000001u, library.GetInstallRootWord());
    EXPECT_EQ(HKEY_CURRENT_USER, library.GetInstallRootKey());
    EXPECT_EQ("ZRT (Zerathon)", library.GetLongProductName());
    EXPECT_EQ("ZRT", library.GetShortProductName());
    EXPECT_EQ("4.10", library.GetVersion());
    EXPECT_EQ("Copyright (C) Zerathon. All rights reserved.", library.GetCopyright());
    EXPECT_EQ("", library.GetUILanguage());
    EXPECT_EQ("Zerathon ZRT", library.GetProductName());
    EXPECT_EQ("About ", library.GetGenericCaption());
    EXPECT_EQ("ENGLISH", library.GetAPPCLanguage());
    EXPECT_EQ(1, library.GetConnectionId());
    EXPECT_EQ(m_folder.Path() + kHelpFile, library.GetHelpFilePath());
    EXPECT_EQ(kHelpFile, library.GetHelpFileName());
    EXPECT_FALSE(library.IsRightToLeft());
    EXPECT_EQ(nullptr, library.GetReorderDC());

    const unsigned char* toAscii = library.GetCodeTable(ZRCM_EBCDIC_TO_ASCII);
    const unsigned char* fromAscii = library.GetCodeTable(ZRCM_ASCII_TO_EBCDIC);
    const unsigned char* toAnsi = library.GetCodeTable(ZRCM_EBCDIC_TO_ANSI);
    const unsigned char* fromAnsi = library.GetCodeTable(ZRCM_ANSI_TO_EBCDIC);
    EXPECT_EQ(nullptr, library.GetCodeTable(4));
    EXPECT_EQ('A', toAscii[0xC1]);
    EXPECT_EQ(0xC1, fromAscii['A']);
    EXPECT_EQ('A', toAnsi[0xC1]);
    EXPECT_EQ(0xC1, fromAnsi['A']);
    EXPECT_EQ(0x40, fromAnsi[' ']);
    EXPECT_EQ(0xE9, toAnsi[0x51]) << "e acute in code page 1252";
    EXPECT_EQ(0x82, toAscii[0x51]) << "e acute in code page 850";
    for (int b = 0; b < 256; ++b)
    {
        EXPECT_EQ(b, toAscii[fromAscii[b]]);
        EXPECT_EQ(b, toAnsi[fromAnsi[b]]);
    }

    char version[16] = {};
    char description[64] = {};
    EXPECT_TRUE(
        library.GetFileData(m_folder.PathOf(TempProgramFolder::kVersionLibraryFile).c_str(), version, description));
    EXPECT_STREQ("4.10", version);
    EXPECT_STREQ("ZRT version library", description);
}

TEST_F(VersionLibraryTest, FindsLibraryAndTableInTheParentFolder)
{
    m_folder.AddVersionLibrary(FolderPlace::Parent);
    m_folder.AddCodeTable(FolderPlace::Parent);
    CVersionLibrary library(kHelpFile, m_folder.Path().c_str());
    EXPECT_EQ(ZRVL_READY, library.GetStatus());
    EXPECT_EQ(m_folder.ParentPath(), library.GetLibraryFolder());
    EXPECT_EQ(m_folder.Path(), library.GetProgramFolder());
}

TEST_F(VersionLibraryTest, ProgramFolderComesFirst)
{
    m_folder.AddVersionLibrary();
    m_folder.AddVersionLibrary(FolderPlace::Parent);
    m_folder.AddCodeTable(FolderPlace::Parent);
    m_folder.WriteFile(TempProgramFolder::kCodeTableFile, CodeTableText());
    CVersionLibrary library(kHelpFile, m_folder.Path().c_str());
    ASSERT_EQ(ZRVL_READY, library.GetStatus());
    EXPECT_EQ(m_folder.Path(), library.GetLibraryFolder());
    EXPECT_EQ(255 - 'A', library.GetCodeTable(ZRCM_ASCII_TO_EBCDIC)['A']) << "the program folder's table file";
}

TEST_F(VersionLibraryTest, ProgramFolderOfTheRunningProgram)
{
    CVersionLibrary library(kHelpFile);
    EXPECT_EQ(TempProgramFolder::BuildProgramFolder(), library.GetProgramFolder());
    EXPECT_EQ(ZRVL_READY, library.GetStatus());
}

TEST_F(VersionLibraryTest, FailsWithoutTheLibraryOrTheTableFile)
{
    m_folder.AddCodeTable();
    EXPECT_EQ(ZRVL_FAILED, StatusOf()) << "no library";

    TempProgramFolder withoutTable;
    withoutTable.AddVersionLibrary();
    EXPECT_EQ(ZRVL_FAILED, CVersionLibrary(kHelpFile, withoutTable.Path().c_str()).GetStatus()) << "no table file";
}

TEST_F(VersionLibraryTest, FailsOnAShortOrMalformedTableFile)
{
    m_folder.AddVersionLibrary();
    m_folder.WriteFile(TempProgramFolder::kCodeTableFile, CodeTableText(31));
    EXPECT_EQ(ZRVL_FAILED, StatusOf()) << "31 lines";

    std::string text = CodeTableText();
    text[49 + 3] = 'Z';
    m_folder.WriteFile(TempProgramFolder::kCodeTableFile, text);
    EXPECT_EQ(ZRVL_FAILED, StatusOf()) << "a value that is not hexadecimal";

    m_folder.WriteFile(TempProgramFolder::kCodeTableFile, CodeTableText());
    EXPECT_EQ(ZRVL_READY, StatusOf());
}

TEST_F(VersionLibraryTest, FailsWhenAnEntryIsMissing)
{
    m_folder.AddCodeTable();
    m_folder.CopyFromBuild("variants\\zrtver-without-GetCopyright\\Zrtver.dll", TempProgramFolder::kVersionLibraryFile);
    EXPECT_EQ(ZRVL_FAILED, StatusOf()) << "without GetCopyright";

    TempProgramFolder other;
    other.AddCodeTable();
    other.CopyFromBuild("variants\\zrtver-without-GetANSItoEBCDICtable\\Zrtver.dll",
                        TempProgramFolder::kVersionLibraryFile);
    EXPECT_EQ(ZRVL_FAILED, CVersionLibrary(kHelpFile, other.Path().c_str()).GetStatus())
        << "without GetANSItoEBCDICtable";
}

TEST_F(VersionLibraryTest, FailsWhenTheInstallationKeyHasNoRoot)
{
    m_folder.AddVersionLibrary();
    m_folder.AddCodeTable();
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", "HKEY_NOWHERE\\Software\\Zerathon");
    EXPECT_EQ(ZRVL_FAILED, StatusOf());
}

TEST_F(VersionLibraryTest, HelpPathFromTheRegistryFitsAPathBuffer)
{
    m_folder.AddVersionLibrary();
    m_folder.AddCodeTable();

    SetHelpPath("C:\\help");
    EXPECT_EQ("C:\\help\\Zrthelp.hlp", CVersionLibrary(kHelpFile, m_folder.Path().c_str()).GetHelpFilePath());

    const std::string longest = "C:\\" + std::string(259 - 3 - 12, 'h');
    SetHelpPath(longest);
    EXPECT_EQ(longest + kHelpFile, CVersionLibrary(kHelpFile, m_folder.Path().c_str()).GetHelpFilePath());

    SetHelpPath(longest + "h");
    const std::string fallback = CVersionLibrary(kHelpFile, m_folder.Path().c_str()).GetHelpFilePath();
    EXPECT_EQ(m_folder.Path() + kHelpFile, fallback);
    EXPECT_LE(fallback.size(), 259u);
}

TEST_F(VersionLibraryTest, HelpPathIsReadWithoutWriteAccess)
{
    m_folder.AddVersionLibrary();
    m_folder.AddCodeTable();
    SetHelpPath("C:\\help");
    m_key.DenyWriting(m_key.Path());
    EXPECT_EQ("C:\\help\\Zrthelp.hlp", CVersionLibrary(kHelpFile, m_folder.Path().c_str()).GetHelpFilePath());
}

TEST_F(VersionLibraryTest, EveryTextFitsAPathBuffer)
{
    m_folder.AddVersionLibrary();
    m_folder.AddCodeTable();
    SetHelpPath(std::string(1000, 'h'));
    CVersionLibrary library(kHelpFile, m_folder.Path().c_str());
    ASSERT_EQ(ZRVL_READY, library.GetStatus());
    for (const std::string* text :
         {&library.GetProgramFolder(), &library.GetInstallKeyPath(), &library.GetShortProductName(),
          &library.GetHelpFilePath(), &library.GetAPPCLanguage()})
        EXPECT_LE(text->size(), 259u);
}

TEST(VersionLibraryPointer, HoldsTheProgramsWrapper)
{
    EXPECT_EQ(nullptr, GetVersionLibrary());
    CVersionLibrary library(kHelpFile);
    SetVersionLibrary(&library);
    EXPECT_EQ(&library, GetVersionLibrary());
    SetVersionLibrary(nullptr);
}
