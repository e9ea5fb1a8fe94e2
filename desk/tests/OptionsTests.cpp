// The options dialog and its folder dialog: the values it shows, the values it refuses, and what it stores.
#include "DeskSession.h"
#include "OwnedHandles.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <dlgs.h>

namespace
{
const int kToolsOptions = 32771;
const int kFileExit = 57665;
const int kBrowse = 1004;
const int kFolder = 1120;
const int kSendKey = 1027;
const int kDds = 1028;
const int kPreserve = 1130;
const int kConfirmCreating = 1163;
const int kConfirmReplacing = 1164;
const int kDecimal = 1109;

void SetOptions(const TestRegistryKey& key, const std::string& folder)
{
    OwnedRegistryKey options;
    RegCreateKeyExA(key.Root(), key.SubkeyPath("ZRT").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, options.Receive(),
                    nullptr);
    auto number = [&](const char* name, DWORD value) {
        RegSetValueExA(options.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    };
    number("HLLAPI timeout DDS", 30);
    number("HLLAPI timeout SendKey", 45);
    number("Remove blanks", 1);
    number("Confirm PC file creating", 0);
    number("Confirm PC file replacing", 1);
    number("Decimal char is dot", 0);
    RegSetValueExA(options.Get(), "Default directory", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
}

DWORD RegistryNumber(const TestRegistryKey& key, const char* name)
{
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof(value);
    RegGetValueA(key.Root(), key.SubkeyPath("ZRT").c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::string RegistryText(const TestRegistryKey& key, const char* name)
{
    char value[MAX_PATH] = "";
    DWORD size = sizeof(value);
    RegGetValueA(key.Root(), key.SubkeyPath("ZRT").c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

bool Ticked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// Enters a folder of the folder dialog's list as a double click does.
void EnterFolder(HWND dialog, const std::string& name)
{
    HWND list = GetDlgItem(dialog, lst2);
    std::string entry = "[" + name + "]";
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}
}

TEST(DeskOptions, ShowsTheOptionsRefusesBadTimeoutsAndStoresTheChoiceAtExit)
{
    DeskSession session;
    std::string profile = session.WriteProfile("a.h2p", "ok.csv");
    std::string start = session.PathOf("start");
    CreateDirectoryA(start.c_str(), nullptr);
    CreateDirectoryA((start + "\\chosen").c_str(), nullptr);
    SetOptions(session.Key(), start);
    std::string caption;
    std::string dds, sendKey, decimal;
    bool preserve = true, creating = true, replacing = false;
    std::vector<std::string> refusals;
    std::string folderCaption, folderOk;
    bool folderNameHidden = false;
    std::string shownFolder;
    char currentBefore[MAX_PATH] = "", currentAfter[MAX_PATH] = "";
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        PostCommand(frame, kToolsOptions);
        HWND dialog = s.WaitDialog("ZRT Options");
        ASSERT_NE(dialog, nullptr);
        caption = WindowText(dialog);
        dds = ControlText(dialog, kDds);
        sendKey = ControlText(dialog, kSendKey);
        decimal = ControlText(dialog, kDecimal);
        preserve = Ticked(dialog, kPreserve);
        creating = Ticked(dialog, kConfirmCreating);
        replacing = Ticked(dialog, kConfirmReplacing);
        TakeWindowPicture(dialog).Save("desk-options-dialog");
        for (const auto& [ddsText, sendKeyText] : {std::pair{"0", "45"}, {"181", "45"}, {"180", ""}})
        {
            SetDlgItemTextA(dialog, kDds, ddsText);
            SetDlgItemTextA(dialog, kSendKey, sendKeyText);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            refusals.push_back(s.AnswerBox(IDOK).text);
        }
        SetDlgItemTextA(dialog, kSendKey, "1");
        GetCurrentDirectoryA(sizeof(currentBefore), currentBefore);
        PostMessageA(dialog, WM_COMMAND, kBrowse, 0);
        HWND folders = s.WaitDialog("Select folder");
        ASSERT_NE(folders, nullptr);
        folderCaption = WindowText(folders);
        folderOk = ControlText(folders, IDOK);
        folderNameHidden = !IsWindowVisible(GetDlgItem(folders, edt1)) && !IsWindowVisible(GetDlgItem(folders, cmb1));
        TakeWindowPicture(folders).Save("desk-folder-dialog");
        EnterFolder(folders, "chosen");
        PostMessageA(folders, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(folders); });
        WaitUntil([&] { return ControlText(dialog, kFolder) != start; }, 5000);
        shownFolder = ControlText(dialog, kFolder);
        GetCurrentDirectoryA(sizeof(currentAfter), currentAfter);
        CheckDlgButton(dialog, kPreserve, BST_CHECKED);
        SendDlgItemMessageA(dialog, kDecimal, CB_SETCURSEL, 0, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(dialog); });
        FrameCommand(frame, kFileExit);
    });
    EXPECT_EQ(caption, "ZRT Options");
    EXPECT_EQ(dds, "30");
    EXPECT_EQ(sendKey, "45");
    EXPECT_EQ(decimal, ", (comma)");
    EXPECT_FALSE(preserve);
    EXPECT_FALSE(creating);
    EXPECT_TRUE(replacing);
    EXPECT_EQ(refusals, (std::vector<std::string>{"Error ZRH007: Parameter 'Timeout DDS' is invalid.",
                                                  "Error ZRH007: Parameter 'Timeout DDS' is invalid.",
                                                  "Error ZRH007: Parameter 'Timeout SendKey' is invalid."}));
    EXPECT_EQ(folderCaption, "Select folder");
    EXPECT_EQ(folderOk, "OK");
    EXPECT_TRUE(folderNameHidden);
    EXPECT_EQ(std::string(currentAfter), std::string(currentBefore)) << "the folder dialog gives the directory back";
    EXPECT_NE(shownFolder, start);
    EXPECT_EQ(RegistryText(session.Key(), "Default directory"), start + "\\chosen");
    EXPECT_EQ(RegistryNumber(session.Key(), "HLLAPI timeout DDS"), 180u);
    EXPECT_EQ(RegistryNumber(session.Key(), "HLLAPI timeout SendKey"), 1u);
    EXPECT_EQ(RegistryNumber(session.Key(), "Remove blanks"), 0u);
    EXPECT_EQ(RegistryNumber(session.Key(), "Decimal char is dot"), 1u);
    EXPECT_EQ(RegistryNumber(session.Key(), "Confirm PC file replacing"), 1u);
}
