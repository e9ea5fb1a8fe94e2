#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "ErrorRecordBlock.h"
#include "ErrorSinkCapture.h"
#include "MessageBoxWatcher.h"
#include "OwnedHandles.h"
#include "TempProgramFolder.h"
#include "TestRegistryKey.h"

namespace
{

int AskOnAnotherThread(const char* text, const char* caption, UINT type)
{
    return std::async(std::launch::async, [=] { return MessageBoxA(nullptr, text, caption, type); }).get();
}

std::string Setting()
{
    char value[512] = {};
    GetEnvironmentVariableA("ZRT_INSTALL_KEY", value, sizeof value);
    return value;
}

}

TEST(MessageBoxWatcher, ReadsAMessageBoxAndClicksTheQueuedButton)
{
    MessageBoxWatcher watcher;
    watcher.Answer(IDYES);
    EXPECT_EQ(IDYES, MessageBoxA(nullptr, "Do you want to replace it?", "ZRT", MB_YESNO | MB_ICONQUESTION));
    watcher.Answer(IDNO);
    EXPECT_EQ(IDNO, AskOnAnotherThread("Create it?", "ZRT", MB_YESNO));

    const std::vector<SeenDialog> seen = watcher.Seen();
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ("ZRT", seen[0].caption);
    EXPECT_EQ("Do you want to replace it?", seen[0].text);
    EXPECT_EQ((std::vector<std::string>{"&Yes", "&No"}), seen[0].buttons);
    EXPECT_EQ(IDYES, seen[0].answer);
    EXPECT_EQ("Create it?", seen[1].text);
    EXPECT_EQ(IDNO, seen[1].answer);
}

TEST(MessageBoxWatcher, WithoutAQueuedAnswerCancelsElseSaysNoElseOK)
{
    MessageBoxWatcher watcher;
    EXPECT_EQ(IDCANCEL, MessageBoxA(nullptr, "a", "ZRT", MB_OKCANCEL));
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "b", "ZRT", MB_YESNO));
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "c", "ZRT", MB_OK));
    watcher.Answer(IDRETRY);
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "d", "ZRT", MB_OK)) << "a button the box lacks";
    EXPECT_EQ(4u, watcher.Seen().size());
}

TEST(ErrorSinkCapture, CapturesRecordsAndPlainTexts)
{
    ErrorSinkCapture capture;
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_TRUE(capture.Sink()->ReportRecord(CreateErrorRecord("ZRProfile", 12, "Error ZRH005: bad", now)));
    EXPECT_TRUE(capture.Sink()->ReportText("plain"));
    const std::vector<CapturedError> records = capture.Records();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ("ZRProfile", records[0].source);
    EXPECT_EQ(12, records[0].line);
    EXPECT_EQ("Error ZRH005: bad", records[0].text);
    EXPECT_EQ("", records[1].source);
    EXPECT_EQ((std::vector<std::string>{"Error ZRH005: bad", "plain"}), capture.Texts());
    capture.Clear();
    EXPECT_EQ(0u, capture.Count());
}

TEST(TempProgramFolder, HoldsCopiesAndDisappearsWithEverythingInIt)
{
    std::string parent;
    {
        TempProgramFolder folder;
        parent = folder.ParentPath();
        EXPECT_EQ(parent + "\\bin", folder.Path());
        folder.AddVersionLibrary();
        folder.AddCodeTable(FolderPlace::Parent);
        folder.WriteFile("note.txt", "x");
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf("Zrtver.dll").c_str()));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES,
                  GetFileAttributesA(folder.PathOf("ZRT850.TBL", FolderPlace::Parent).c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf("ZRT850.TBL").c_str()));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(parent.c_str()));
}

TEST(TestRegistryKey, NamesItselfAsTheInstallationKeyWhileItLives)
{
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", "HKCU\\Before");
    std::string path;
    {
        TestRegistryKey key;
        path = key.Path();
        EXPECT_EQ("HKEY_CURRENT_USER\\" + path, Setting());
        OwnedRegistryKey opened;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, key.SubkeyPath("ZRT\\Deep").c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, opened.Receive(), nullptr));
        opened.Reset();
        key.DenyWriting(key.SubkeyPath("ZRT"));
    }
    EXPECT_EQ("HKCU\\Before", Setting());
    OwnedRegistryKey opened;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, opened.Receive()));
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", nullptr);
}
