// Program Manager icons: the exact DDE commands, received by a DDE server of the test's own, and the cases that
// send none.
#include "DeskSession.h"
#include "ProgmanIcon.h"

#include <gtest/gtest.h>

#include <ddeml.h>

#include <commctrl.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace
{
const int kCreateIcon = 32773;
const int kFileExit = 57665;

// A DDE server on a thread of its own that takes every execute command and can refuse AddItem.
class ProgmanStandIn
{
public:
    explicit ProgmanStandIn(bool refuseAddItem)
        : m_service("ZrtTestProgman" + std::to_string(GetCurrentProcessId())), m_refuseAddItem(refuseAddItem)
    {
        s_current = this;
        m_thread = std::thread([this] { Serve(); });
        WaitUntil([this] { return m_ready.load(); });
        SetProgmanService(m_service);
    }
    ~ProgmanStandIn()
    {
        PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
        SetProgmanService("PROGMAN");
        s_current = nullptr;
    }

    std::vector<std::string> Commands()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_commands;
    }
    int Connections() const { return m_connections.load(); }

private:
    void Serve()
    {
        m_threadId = GetCurrentThreadId();
        DWORD instance = 0;
        DdeInitializeA(&instance, &ProgmanStandIn::Callback, APPCLASS_STANDARD, 0);
        HSZ name = DdeCreateStringHandleA(instance, m_service.c_str(), CP_WINANSI);
        DdeNameService(instance, name, nullptr, DNS_REGISTER);
        m_instance = instance;
        m_ready = true;
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
        {
            DispatchMessageA(&message);
        }
        DdeNameService(instance, name, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(instance, name);
        DdeUninitialize(instance);
    }

    static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR)
    {
        ProgmanStandIn* self = s_current;
        if (type == XTYP_CONNECT)
        {
            ++self->m_connections;
            return reinterpret_cast<HDDEDATA>(TRUE);
        }
        if (type != XTYP_EXECUTE)
        {
            return nullptr;
        }
        DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string bytes(size, '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_commands.push_back(bytes);
        bool refuse = self->m_refuseAddItem && bytes.rfind("[AddItem", 0) == 0;
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(refuse ? DDE_FNOTPROCESSED : DDE_FACK));
    }

    static inline ProgmanStandIn* s_current = nullptr;
    std::string m_service;
    bool m_refuseAddItem;
    std::thread m_thread;
    DWORD m_threadId = 0;
    DWORD m_instance = 0;
    std::atomic<bool> m_ready{false};
    std::atomic<int> m_connections{0};
    std::mutex m_mutex;
    std::vector<std::string> m_commands;
};

void SetGroupName(const TestRegistryKey& key, const char* group)
{
    HKEY install = nullptr;
    RegCreateKeyExA(key.Root(), key.Path().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &install, nullptr);
    RegSetValueExA(install, "GroupName", 0, REG_SZ, reinterpret_cast<const BYTE*>(group), lstrlenA(group) + 1);
    RegCloseKey(install);
}

std::string OwnShortPath()
{
    char program[MAX_PATH] = "";
    char shortPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof(program));
    GetShortPathNameA(program, shortPath, sizeof(shortPath));
    return shortPath;
}

// Opens `profile`, asks for its icon and gives the box that answers.
DeskBox CreateIconFor(DeskSession& session, const std::string& profile)
{
    DeskBox box;
    session.Run([&](DeskSession& s) {
        HWND frame = OpenFromSheet(s, profile);
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kCreateIcon);
        box = s.AnswerBox(IDOK);
        FrameCommand(frame, kFileExit);
    });
    return box;
}
}

TEST(DeskIcon, TheCommandsAreExactlyTheProgramManagerBytes)
{
    EXPECT_EQ(FormatAddItemCommand("C:\\ZRT", "C:\\p\\a.h2p", "a.h2p", "X", 6),
              "[AddItem(\"C:\\ZRT\\Zrtbatch.exe\" \"C:\\p\\a.h2p\", \"a.h2p\", \"X\", 6)]");
    EXPECT_EQ(FormatCreateGroupCommand("G"), "[CreateGroup(\"G\")]");
    EXPECT_EQ(FormatReloadCommand("G"), "[Reload(\"G\")]");
    std::string longFolder(300, 'f');
    std::string command = FormatAddItemCommand(longFolder, "d.p2h", "d.p2h", "X", 5);
    EXPECT_NE(command.find(longFolder + "\\Zrtbatch.exe\" \"d.p2h\""), std::string::npos)
        << "a long command line is never cut";
}

TEST(DeskIcon, ASavedProfileGetsItsGroupItemAndReload)
{
    ProgmanStandIn server(false);
    DeskSession session;
    SetGroupName(session.Key(), "ZRT Group");
    std::string profile = session.WriteProfile("a.p2h", "ok.csv");
    DeskBox box = CreateIconFor(session, profile);
    EXPECT_EQ(box.text, "The icon is created successfully.");
    std::string line = "\"" + session.PathOf("Zrtbatch.exe") + "\" \"" + profile + "\"";
    EXPECT_EQ(server.Commands(),
              (std::vector<std::string>{std::string("[CreateGroup(\"ZRT Group\")]") + '\0',
                                        "[AddItem(" + line + ", \"a.p2h\", \"" + OwnShortPath() + "\", 6)]" + '\0',
                                        std::string("[Reload(\"ZRT Group\")]") + '\0'}));
}

TEST(DeskIcon, ARefusedItemGivesTheDdeErrorAndNoReload)
{
    ProgmanStandIn server(true);
    DeskSession session;
    SetGroupName(session.Key(), "G");
    DeskBox box = CreateIconFor(session, session.WriteProfile("a.h2p", "ok.csv"));
    EXPECT_EQ(box.text, "Error ZRH016: Unable to create the icon because of a DDE error. Restart Windows.");
    EXPECT_EQ(server.Commands().size(), 2u);
}

TEST(DeskIcon, WithoutAGroupNameOrAnUnsavedProfileNoConversationStarts)
{
    ProgmanStandIn server(false);
    DeskSession session;
    DeskBox noGroup = CreateIconFor(session, session.WriteProfile("a.h2p", "ok.csv"));
    EXPECT_EQ(noGroup.text, "Error ZRH015: Unable to create the icon because the folder name is not found in the "
                            "Registry. Reinstall the software.");
    SetGroupName(session.Key(), "G");
    std::string ftp = session.WriteFile("i.ftp", "[General]\r\nHost system=AS/400\r\nTransfer direction=Host to PC\r\n"
                                                 "[Host to PC Transfer]\r\nConversion=None\r\n");
    DeskBox question;
    session.Run([&](DeskSession& s) {
        HWND sheet = s.WaitDialog("ZRT Open Profile");
        ASSERT_NE(sheet, nullptr);
        SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        SetDlgItemTextA(page, 1049, ftp.c_str());
        PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        HWND frame = s.WaitMainFrame();
        ASSERT_NE(frame, nullptr);
        FrameCommand(frame, kCreateIcon);
        question = s.AnswerBox(IDNO);
        FrameCommand(frame, kFileExit);
        s.AnswerBox(IDNO);
    });
    EXPECT_EQ(question.text, "You cannot create an icon for an unsaved profile or profile list. Do you want to save "
                             "this profile (or profile list) now? ");
    EXPECT_EQ(server.Connections(), 0);
}
