#include "FwModule.h"
#include "MessageBoxWatcher.h"
#include "OwnedHandles.h"
#include "ProgramWindows.h"
#include "UiTestIds.h"
#include "VersionLibrary.h"
#include "ZRMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
// What a box looked like when it appeared, read on a thread of its own before it is answered with Enter.
struct BoxLook
{
    std::string caption;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool mainWasIconic = true;
};

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Reads the next box and presses Enter in it.
std::thread PressEnter(BoxLook& look, HWND main = nullptr)
{
    return std::thread([&look, main] {
        HWND box = WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", {}}, 10000);
        if (!box)
        {
            return;
        }
        look.caption = TextOf(box);
        look.text = TextOf(GetDlgItem(box, 0xFFFF));
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        {
            HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (icon)
            {
                look.icon = icon;
            }
        }
        look.owner = GetWindow(box, GW_OWNER);
        look.mainWasIconic = main && IsIconic(main);
        PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    });
}

class Messages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetVersionLibrary(nullptr);
        FwSetMainWindow(nullptr);
        FwSetResourceModule(nullptr);
    }
    void TearDown() override
    {
        FwSetMainWindow(nullptr);
        FwSetResourceModule(nullptr);
    }
};
}

TEST_F(Messages, ShowMessageFormatsTheTextUnderTheErrorIcon)
{
    BoxLook look;
    std::thread reader = PressEnter(look);
    int result = ShowMessage(IDS_UI_PARAMETER_INVALID, "Record length", ZRMSG_MODE_BOX, ZRMSG_ERROR);
    reader.join();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(look.text, "Error ZRH007: Parameter 'Record length' is invalid.");
    EXPECT_EQ(look.caption, "ZRT (Zerathon)") << "without a version library the long product name is the caption";
    EXPECT_EQ(look.icon, LoadIconA(nullptr, IDI_HAND));
}

TEST_F(Messages, KindsChooseTheirIcons)
{
    BoxLook warning;
    std::thread reader = PressEnter(warning);
    ShowMessage(IDS_UI_TWO_ARGUMENTS, "PAYROLL", 12, ZRMSG_MODE_BOX, ZRMSG_WARNING);
    reader.join();
    EXPECT_EQ(warning.text, "PAYROLL has 12 records");
    EXPECT_EQ(warning.icon, LoadIconA(nullptr, IDI_EXCLAMATION));

    BoxLook information;
    reader = PressEnter(information);
    ShowMessage(IDS_UI_THREE_ARGUMENTS, "A", "B", 3, ZRMSG_MODE_BOX, ZRMSG_INFORMATION);
    reader.join();
    EXPECT_EQ(information.text, "A, B and 3");
    EXPECT_EQ(information.icon, LoadIconA(nullptr, IDI_ASTERISK));
}

TEST_F(Messages, AStringWithoutArgumentsIsShownUnchanged)
{
    MessageBoxWatcher watcher;
    watcher.Answer(IDOK);
    ShowMessage(IDS_UI_PERCENT);
    ShowMessage(IDS_UI_PERCENT, nullptr, ZRMSG_MODE_BOX, ZRMSG_INFORMATION);
    ASSERT_TRUE(watcher.WaitForDialogs(2, 5000));
    EXPECT_EQ(watcher.Seen()[0].text, "Done: 100% of %s");
    EXPECT_EQ(watcher.Seen()[1].text, "Done: 100% of %s");
}

TEST_F(Messages, EnterAnswersTheQuestionsDefaultButton)
{
    BoxLook noDefault;
    std::thread reader = PressEnter(noDefault);
    EXPECT_EQ(AskQuestion(IDS_UI_QUESTION, "C:\\t\\a.csv", ZRQUESTION_NO_DEFAULT), IDNO);
    reader.join();
    EXPECT_EQ(noDefault.text, "Replace the file C:\\t\\a.csv?");
    EXPECT_EQ(noDefault.icon, LoadIconA(nullptr, IDI_QUESTION));

    BoxLook yesDefault;
    reader = PressEnter(yesDefault);
    EXPECT_EQ(AskQuestion(IDS_UI_QUESTION, "C:\\t\\a.csv", ZRQUESTION_YES_DEFAULT), IDYES);
    reader.join();
}

TEST_F(Messages, AMinimisedMainWindowIsRestoredAndOwnsTheBox)
{
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(main));
    FwSetMainWindow(main);
    BoxLook look;
    std::thread reader = PressEnter(look, main);
    ShowMessage(IDS_UI_PERCENT);
    reader.join();
    EXPECT_FALSE(look.mainWasIconic);
    EXPECT_EQ(look.owner, main);
    DestroyWindow(main);
}

TEST_F(Messages, TextsComeFromALoadedLanguageLibrary)
{
    const OwnedModule language(LoadLibraryExA(ZRT_UI_TEST_LANGUAGE, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_NE(language.Get(), nullptr);
    FwSetResourceModule(language.Get());
    MessageBoxWatcher watcher;
    watcher.Answer(IDOK);
    watcher.Answer(IDOK);
    ShowMessage(IDS_UI_PARAMETER_INVALID, "Record length", ZRMSG_MODE_BOX, ZRMSG_ERROR);
    ShowMessage(IDS_UI_QUESTION, "x", ZRMSG_MODE_BOX, ZRMSG_ERROR);
    ASSERT_TRUE(watcher.WaitForDialogs(2, 5000));
    EXPECT_EQ(watcher.Seen()[0].text, "Fehler ZRH007: Parameter 'Record length' ist ungueltig.");
    EXPECT_EQ(watcher.Seen()[1].text, "Replace the file x?") << "a string the library lacks comes from the program";
    FwSetResourceModule(nullptr);
}

TEST_F(Messages, LoadResourceTextTellsWhetherTheStringExists)
{
    std::string text;
    EXPECT_TRUE(LoadResourceText(IDS_UI_QUESTION, text));
    EXPECT_EQ(text, "Replace the file %s?");
    EXPECT_FALSE(LoadResourceText(9999, text));
    EXPECT_EQ(text, "");
}
