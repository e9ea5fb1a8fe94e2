// Zrtbatch's log area: showing and hiding it, its buttons, the details dialog, long texts, capacity and the saved
// log file.
#include "BatchDriver.h"
#include "OwnedHandles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace
{
enum Control
{
    kStatus = 1108,
    kStop = 1008,
    kDetails = 1003,
    kShowLog = 1004,
    kClear = 1005,
    kSave = 1006,
    kLogList = 1118,
    kDetailsNext = 1000,
    kDetailsPrevious = 1001,
    kDetailsDate = 1003,
    kDetailsTime = 1004,
    kDetailsMessage = 1018,
    kFileName = 1148,
};

bool Ended(HWND dialog)
{
    return ControlText(dialog, kStop) == "Close";
}

std::vector<std::string> Log(HWND dialog)
{
    return ListViewColumn(GetDlgItem(dialog, kLogList), 2);
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int WindowHeight(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// Zrtbatch writes the file after its Save dialog has closed: the saved log, once its last line is there.
std::string ReadSavedLog(const std::string& path)
{
    const std::string lastLine = "records transferred.\r\n";
    std::string saved;
    WaitUntil([&] {
        saved = ReadBytes(path);
        return saved.size() >= lastLine.size() &&
               saved.compare(saved.size() - lastLine.size(), lastLine.size(), lastLine) == 0;
    });
    return saved;
}

// Runs one profile to its end with the log shown; the dialog stays open.
class FinishedRun
{
public:
    explicit FinishedRun(const std::string& script = "")
    {
        if (!script.empty())
        {
            folder.WriteScript(script);
        }
        profile = folder.WriteProfile("one.h2p", "ok.csv", false);
        process = std::make_unique<BatchProcess>(folder.Path(), profile);
        dialog = process->WaitMainDialog();
        if (dialog)
        {
            WaitUntil([&] { return Ended(dialog); });
        }
    }

    HWND OpenDetails()
    {
        Click(dialog, kDetails);
        return process->WaitDialog([](const std::string& caption) { return caption == "ZRT Message Details"; });
    }

    // Saves the log through the Save dialog under `path`, confirming a replacement.
    void Save(const std::string& path, bool confirmReplace)
    {
        Click(dialog, kSave);
        HWND save = process->WaitDialog([](const std::string& caption) {
            return caption != "ZRT" && caption.find("ZRT (Zerathon)") == std::string::npos;
        });
        ASSERT_NE(save, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(save, kFileName) != nullptr; }));
        SendMessageA(GetDlgItem(save, kFileName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(save, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        if (confirmReplace)
        {
            HWND question = nullptr;
            ASSERT_TRUE(WaitUntil([&] {
                question = process->FindDialog([](const std::string&) { return true; });
                return question && question != dialog && GetDlgItem(question, IDYES);
            }));
            Click(question, IDYES);
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); }));
    }

    BatchFolder folder;
    std::string profile;
    std::unique_ptr<BatchProcess> process;
    HWND dialog = nullptr;
};
}

TEST(Log, StartsCollapsedAndShowsAndHidesOnRequest)
{
    FinishedRun run;
    ASSERT_NE(run.dialog, nullptr);
    HWND list = GetDlgItem(run.dialog, kLogList);
    int collapsed = WindowHeight(run.dialog);
    EXPECT_EQ(ControlText(run.dialog, kShowLog), "Show &Log>>");
    EXPECT_FALSE(IsWindowVisible(list));
    Click(run.dialog, kShowLog);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }));
    EXPECT_EQ(ControlText(run.dialog, kShowLog), "Hide &Log<<");
    EXPECT_GT(WindowHeight(run.dialog), collapsed);
    RECT stop;
    RECT group;
    GetWindowRect(GetDlgItem(run.dialog, kStop), &stop);
    GetWindowRect(GetDlgItem(run.dialog, 1007), &group);
    EXPECT_GT(stop.top, group.bottom) << "the buttons sit below the log";
    Click(run.dialog, kShowLog);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }));
    EXPECT_EQ(ControlText(run.dialog, kShowLog), "Show &Log>>");
    EXPECT_EQ(WindowHeight(run.dialog), collapsed);
    GetWindowRect(GetDlgItem(run.dialog, kStop), &stop);
    EXPECT_EQ(stop.top, group.top);
}

TEST(Log, ButtonsFollowTheEntriesAndClearEmptiesTheLog)
{
    FinishedRun run;
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_TRUE(Enabled(run.dialog, kDetails)) << "the first entry is selected at once";
    EXPECT_TRUE(Enabled(run.dialog, kClear));
    EXPECT_TRUE(Enabled(run.dialog, kSave));
    Click(run.dialog, kClear);
    ASSERT_TRUE(WaitUntil([&] { return Log(run.dialog).empty(); }));
    EXPECT_FALSE(Enabled(run.dialog, kDetails));
    EXPECT_FALSE(Enabled(run.dialog, kClear));
    EXPECT_FALSE(Enabled(run.dialog, kSave));
    // Handled at once; a details window would have been asked for by then.
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutA(GetDlgItem(run.dialog, kLogList), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 30),
                                  SMTO_NORMAL, 15000, &result),
              0u);
    ASSERT_TRUE(AnswersAfterCurrentMessage(run.dialog));
    EXPECT_EQ(run.process->FindDialog([](const std::string& c) { return c == "ZRT Message Details"; }), nullptr);
}

TEST(Log, DetailsWalkThroughTheEntries)
{
    FinishedRun run;
    ASSERT_NE(run.dialog, nullptr);
    std::vector<std::string> log = Log(run.dialog);
    std::vector<std::string> dates = ListViewColumn(GetDlgItem(run.dialog, kLogList), 0);
    std::vector<std::string> times = ListViewColumn(GetDlgItem(run.dialog, kLogList), 1);
    ASSERT_EQ(log.size(), 2u);
    HWND details = run.OpenDetails();
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(ControlText(details, kDetailsMessage), log[0]);
    EXPECT_EQ(ControlText(details, kDetailsDate), dates[0]);
    EXPECT_EQ(ControlText(details, kDetailsTime), times[0]);
    EXPECT_TRUE(std::regex_match(dates[0], std::regex("\\d\\d/\\d\\d/\\d{4}")));
    EXPECT_TRUE(std::regex_match(times[0], std::regex("\\d\\d:\\d\\d:\\d\\d")));
    EXPECT_FALSE(Enabled(details, kDetailsPrevious));
    EXPECT_TRUE(Enabled(details, kDetailsNext));
    Click(details, kDetailsNext);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(details, kDetailsMessage) == log[1]; }));
    EXPECT_TRUE(Enabled(details, kDetailsPrevious));
    EXPECT_FALSE(Enabled(details, kDetailsNext));
    Click(details, kDetailsPrevious);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(details, kDetailsMessage) == log[0]; }));
    Click(details, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(details); }));

    PostMessageA(GetDlgItem(run.dialog, kLogList), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 8));
    details = run.process->WaitDialog([](const std::string& c) { return c == "ZRT Message Details"; });
    ASSERT_NE(details, nullptr) << "a double click on the log opens the details";
    Click(details, IDOK);
}

TEST(Log, DetailsOfASingleEntryOfferNeitherPreviousNorNext)
{
    BatchFolder folder;
    folder.WriteScript("[default]\r\nHoldUntilStop=1\r\n");
    std::string profile = folder.WriteProfile("one.h2p", "ok.csv", false);
    BatchProcess process(folder.Path(), profile);
    HWND dialog = process.WaitMainDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(dialog, kStatus) == "Transfer running..."; }));
    Click(dialog, kClear);
    ASSERT_TRUE(WaitUntil([&] { return Log(dialog).empty(); }));
    Click(dialog, kStop);
    ASSERT_TRUE(WaitUntil([&] { return Ended(dialog); }));
    ASSERT_EQ(Log(dialog), std::vector<std::string>{"Transfer canceled by user."});
    Click(dialog, kDetails);
    HWND details = process.WaitDialog([](const std::string& c) { return c == "ZRT Message Details"; });
    ASSERT_NE(details, nullptr);
    EXPECT_FALSE(Enabled(details, kDetailsPrevious));
    EXPECT_FALSE(Enabled(details, kDetailsNext));
    Click(details, IDOK);
}

TEST(Log, ALongMessageIsCutInTheListOnlyAndSavedWhole)
{
    FinishedRun run("[default]\r\nErrorLength=261\r\n");
    ASSERT_NE(run.dialog, nullptr);
    std::string whole = std::string(260, 'E') + "#";
    std::vector<std::string> log = Log(run.dialog);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], std::string(240, 'E') + "... (Click Details)");
    EXPECT_EQ(log[1].size(), 259u);

    Click(run.dialog, kShowLog);
    std::string path = run.folder.PathOf("long.bts");
    run.Save(path, false);
    std::string saved = ReadSavedLog(path);
    EXPECT_NE(saved.find("  Message:" + whole + "\r\n"), std::string::npos);

    HWND details = run.OpenDetails();
    ASSERT_NE(details, nullptr);
    Click(details, kDetailsNext);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(details, kDetailsMessage) == whole; }));
    Click(details, IDOK);
}

TEST(Log, AMessageOf260CharactersIsShownWithinTheCellLimit)
{
    FinishedRun run("[default]\r\nErrorLength=260\r\n");
    ASSERT_NE(run.dialog, nullptr);
    std::vector<std::string> log = Log(run.dialog);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], std::string(259, 'E'));
}

TEST(Log, KeepsAtMost999Entries)
{
    FinishedRun run("[default]\r\nErrors=1005\r\n");
    ASSERT_NE(run.dialog, nullptr);
    std::vector<std::string> log = Log(run.dialog);
    ASSERT_EQ(log.size(), 999u);
    EXPECT_EQ(log.front(), "R0008");
    EXPECT_EQ(log.back(), "Transfer completed successfully. 25 records transferred.");
}

TEST(Log, TheSavedLogHoldsOneLinePerEntryAndReplacesALongerFile)
{
    FinishedRun run;
    ASSERT_NE(run.dialog, nullptr);
    std::string path = run.folder.PathOf("support.bts");
    run.folder.WriteFile("support.bts", std::string(10240, 'x'));
    Click(run.dialog, kShowLog);
    run.Save(path, true);
    std::string saved = ReadSavedLog(path);
    std::regex lines(
        "Date: \\d\\d/\\d\\d/\\d{4}  Time: \\d\\d:\\d\\d:\\d\\d  Message:The profile '(.*)' started\\.\r\n"
        "Date: \\d\\d/\\d\\d/\\d{4}  Time: \\d\\d:\\d\\d:\\d\\d  Message:Transfer completed successfully\\. "
        "25 records transferred\\.\r\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(saved, match, lines)) << saved.substr(0, 300);
    EXPECT_EQ(match[1].str(), run.profile);
}

TEST(Log, AFileThatCannotBeWrittenGivesZRG006AndStaysAsItWas)
{
    FinishedRun run;
    ASSERT_NE(run.dialog, nullptr);
    std::string path = run.folder.PathOf("locked.bts");
    run.folder.WriteFile("locked.bts", "kept");
    OwnedFile lock(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.Get(), INVALID_HANDLE_VALUE);
    Click(run.dialog, kShowLog);
    run.Save(path, true);
    HWND box = run.process->WaitBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, 0xFFFF), "Error ZRG006: Unable to create or open the file " + path +
                                            ". Check that the file is not write-protected nor shared by another "
                                            "application.");
    Click(box, IDOK);
    lock.Reset();
    EXPECT_EQ(ReadBytes(path), "kept");
}
