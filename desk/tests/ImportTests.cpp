// Foreign (".ftp") profiles imported from the start-up sheet: damaged files refused, names and values taken over,
// and an imported profile run through the simulated host.
#include "DeskSession.h"
#include "ProfileFiles.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
const int kImportName = 1049;
const int kFileSaveAs = 57604;
const int kFileExit = 57665;
const int kFileRun = 32772;
const int kStatus = 1108;
const int kStop = 1127;

const std::string kGeneralAs400ToPc = "[General]\r\nHost system=AS/400\r\nTransfer direction=Host to PC\r\n";

std::string HostToPcSection(const std::string& csv)
{
    return "[Host to PC Transfer]\r\n"
           "Host library name=QGPL\r\n"
           "Host file name=CUSTOMER\r\n"
           "Host file member name=*\r\n"
           "Session ID=a\r\n"
           "PC filename=" +
           csv +
           "\r\n"
           "Write mode=Replace\r\n"
           "File type=Data\r\n"
           "Conversion=CSV (Comma delimiter)\r\n"
           "CharacterSet=ASCII\r\n";
}

// Types `name` into the Import page and presses OK.
void ImportFromSheet(HWND sheet, const std::string& name)
{
    SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SetDlgItemTextA(page, kImportName, name.c_str());
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
}

void SaveAs(DeskSession& s, HWND frame, const std::string& path)
{
    FrameCommand(frame, kFileSaveAs);
    HWND dialog = s.WaitDialog("Save As");
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, 1148, path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(dialog); });
}

std::string Refusal(const std::string& path, const std::string& key)
{
    return "Error ZRH023:  Unable to import the profile " + path + " because the '" + key +
           "' entry is invalid. Create a new profile. ";
}
}

TEST(DeskImport, DamagedFilesAreRefusedAndAGoodOneBecomesAnUntitledModifiedProfile)
{
    DeskSession session;
    std::string csv = session.PathOf("c.csv");
    std::string vax = session.WriteFile("vax.ftp", "[General]\r\nHost system=VAX\r\nTransfer direction=Host to PC\r\n");
    std::string truncated = session.WriteFile("truncated.ftp", "[General]\r\nHost system=AS/400\r\nTransfer dir");
    std::string noSection = session.WriteFile("nosection.ftp", kGeneralAs400ToPc);
    std::string junk = session.WriteFile("junk.ftp", kGeneralAs400ToPc + "[Host to PC Transfer]\r\nConversion=?!\r\n");
    std::string good = session.WriteFile("good.ftp", kGeneralAs400ToPc + HostToPcSection(csv));
    std::vector<std::vector<std::string>> refusals;
    bool sheetStayed = true;
    std::string title;
    DeskBox closing;
    std::string saved = session.PathOf("c.h2p");
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        for (const std::string& damaged : {vax, truncated, noSection, junk})
        {
            ImportFromSheet(sheet, damaged);
            refusals.push_back(s.AnswerBox().lines);
            sheetStayed = sheetStayed && IsWindow(sheet) && !s.WaitMainFrame(200);
        }
        ImportFromSheet(sheet, good);
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        WaitUntil([&] { return IsWindowVisible(frame) != FALSE; });
        title = WindowText(frame);
        FrameCommand(frame, kFileExit);
        closing = s.AnswerBox(IDCANCEL);
        SaveAs(s, frame, saved);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(refusals, (std::vector<std::vector<std::string>>{{Refusal(vax, "Host system")},
                                                               {Refusal(truncated, "Transfer direction")},
                                                               {Refusal(noSection, "Conversion")},
                                                               {Refusal(junk, "Conversion")}}));
    EXPECT_TRUE(sheetStayed);
    EXPECT_EQ(title, "Untitled - ZRT (Zerathon)");
    EXPECT_NE(closing.text.find("Untitled"), std::string::npos) << "closing asks to save the imported profile";
    std::string file = ReadFileBytes(saved);
    for (const char* line :
         {"Connection=HLLAPI", "Direction=Host to PC", "Host type=AS/400", "Character set=EBCDIC to ASCII",
          "Transfer type=Conversion", "Presentation space ID=A", "Host file type=Data",
          "SQL from=QGPL/CUSTOMER(*FIRST)", "PC file type=CSV (Comma delimiter)", "PC write mode=Replace file"})
    {
        EXPECT_NE(file.find(std::string(line) + "\r\n"), std::string::npos) << line;
    }
    EXPECT_NE(file.find("Filename=" + csv + "\r\n"), std::string::npos);
}

TEST(DeskImport, SystemThirtySixNamesAreCutAndAPcToHostBinaryCreationWarns)
{
    DeskSession session;
    std::string ftp = session.WriteFile("s36.ftp",
                                        "[General]\r\nHost system=SYS/36\r\n"
                                        "Transfer direction=PC to Host\r\n"
                                        "[PC to Host Transfer]\r\nHost file name=ABCDEFGHI\r\n"
                                        "PC filename=" +
                                            session.PathOf("in.bin") +
                                            "\r\n"
                                            "File name type=Data\r\nFile type=Data\r\n"
                                            "Write mode=Create file\r\nConversion=Binary (No conversion)\r\n");
    DeskBox warning;
    std::string saved = session.PathOf("s36.p2h");
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        ImportFromSheet(sheet, ftp);
        warning = s.AnswerBox(IDOK);
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        SaveAs(s, frame, saved);
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(warning.text, "Warning! The specified PC-to-System/36 binary profile has been imported. Since ZRT "
                            "differs "
                            "from via Velunor in the way it processes the binary transfer, you must verify and modify "
                            ", if necessary, the record length of the host file.");
    std::string file = ReadFileBytes(saved);
    EXPECT_NE(file.find("Transfer type=Binary\r\n"), std::string::npos);
    EXPECT_NE(file.find("=ABCDEFGH\r\n"), std::string::npos) << file;
}

TEST(DeskImport, AnImportedProfileNamedRelativelyRunsThroughTheSimulatedHost)
{
    SetEnvironmentVariableA("ZRT_HOST_DIR", (TempProgramFolder::BuildProgramFolder() + "\\host").c_str());
    DeskSession session(DeskManager::Real);
    std::string csv = session.PathOf("customer.csv");
    session.WriteFile("customer.ftp", kGeneralAs400ToPc + HostToPcSection(csv));
    char before[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(before), before);
    SetCurrentDirectoryA(session.PathOf("").c_str());
    std::string status;
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        ImportFromSheet(sheet, "customer.ftp");
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        WaitUntil([&] { return IsWindowVisible(frame) != FALSE; });
        FrameCommand(frame, kFileRun);
        HWND dialog = s.WaitDialog("ZRT Progress Report");
        ASSERT_NE(dialog, nullptr);
        WaitUntil([&] { return ControlText(dialog, kStop) == "Close"; }, 60000);
        status = ControlText(dialog, kStatus);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(dialog); });
        FrameCommand(frame, kFileExit);
        s.AnswerBox(IDNO);
    });
    SetCurrentDirectoryA(before);
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
    EXPECT_EQ(status, "Transfer completed successfully.");
    EXPECT_EQ(LineCount(csv), 25);
}
