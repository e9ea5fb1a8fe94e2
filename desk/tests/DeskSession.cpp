#include "DeskSession.h"

#include "OwnedHandles.h"
#include "ProfileFiles.h"
#include "ZrtdeskApp.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace
{
// Zrtdesk whose start-up result the test sees.
class StartupProbe : public CZrtdeskApp
{
public:
    StartupProbe(const std::string& folder, bool& started) : CZrtdeskApp(folder), m_started(started) {}
    BOOL InitInstance() override
    {
        m_started = CZrtdeskApp::InitInstance() != FALSE;
        return m_started;
    }

private:
    bool& m_started;
};

HWND FirstChildOfClass(HWND parent, const char* className)
{
    return FindWindowExA(parent, nullptr, className, nullptr);
}
}

DeskSession::DeskSession(DeskManager manager, bool versionLibrary)
{
    if (versionLibrary)
    {
        m_folder.AddVersionLibrary();
        m_folder.AddCodeTable();
    }
    m_folder.AddManager(manager, {"Zrtpcfile.dll", "Zrtas400.dll", "Zrts36.dll", "KVHLL32.dll", "Zrthostview.dll"});
    m_key.SwitchOffFileConfirmations();
}

std::string DeskSession::WriteFile(const std::string& name, const std::string& content)
{
    m_folder.WriteFile(name.c_str(), content);
    return PathOf(name);
}

std::string DeskSession::WriteProfile(const std::string& name, const std::string& pcName, const std::string& member)
{
    return WriteFile(name, HllapiCsvProfile("QGPL/CUSTOMER(" + member + ")", PathOf(pcName), false));
}

std::vector<std::string> DeskSession::ManagerCalls() const
{
    return m_folder.FakeManagerCalls();
}

std::vector<std::string> DeskSession::ManagerCallsWithoutSessions() const
{
    std::vector<std::string> calls = ManagerCalls();
    calls.erase(std::remove(calls.begin(), calls.end(), "entry 4"), calls.end());
    return calls;
}

void DeskSession::SetRecentFiles(const std::vector<std::string>& paths)
{
    OwnedRegistryKey key;
    if (RegCreateKeyExA(m_key.Root(), m_key.SubkeyPath("Recent File List").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
    {
        return;
    }
    for (size_t i = 0; i < paths.size(); ++i)
    {
        std::string name = "File" + std::to_string(i + 1);
        RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(paths[i].c_str()),
                       static_cast<DWORD>(paths[i].size() + 1));
    }
}

bool DeskSession::Run(const std::function<void(DeskSession&)>& script)
{
    std::atomic<bool> finished{false};
    std::thread driver([&] {
        script(*this);
        CloseWhatIsLeft(finished);
    });
    bool ran = false;
    {
        StartupProbe application(m_folder.Path(), ran);
        application.Main(GetModuleHandleA(nullptr), "");
    }
    finished = true;
    driver.join();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
    }
    return ran;
}

void DeskSession::CloseWhatIsLeft(const std::atomic<bool>& finished) const
{
    // What the script closed itself needs a moment to go; only what stays is closed here.
    WaitUntil([&] { return finished.load(); }, 3000);
    DWORD start = GetTickCount();
    while (!finished && GetTickCount() - start < 30000)
    {
        WindowQuery dialogs{GetCurrentProcessId(), "#32770", {}};
        for (HWND dialog : TopLevelWindows(dialogs))
        {
            std::string caption = WindowText(dialog);
            PostMessageA(dialog, WM_COMMAND, caption == "ZRT" && GetDlgItem(dialog, IDNO) ? IDNO : IDCANCEL, 0);
        }
        if (HWND frame = FindTopLevelWindow(WindowQuery{GetCurrentProcessId(), "ZrtFwFrame", {}}))
        {
            PostMessageA(frame, WM_CLOSE, 0, 0);
        }
        Sleep(100);
    }
}

HWND DeskSession::WaitDialog(const std::string& caption, DWORD timeoutMs) const
{
    return WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs(caption)}, timeoutMs);
}

HWND DeskSession::WaitMainFrame(DWORD timeoutMs) const
{
    return WaitTopLevelWindow(WindowQuery{GetCurrentProcessId(), "ZrtFwFrame", CaptionEndsWith(" - ZRT (Zerathon)")},
                              timeoutMs);
}

bool DeskSession::HasBox() const
{
    return FindTopLevelWindow(WindowQuery{GetCurrentProcessId(), "#32770", CaptionIs("ZRT")}) != nullptr;
}

DeskBox DeskSession::AnswerBox(int button, DWORD timeoutMs) const
{
    DeskBox box;
    HWND dialog = WaitDialog("ZRT", timeoutMs);
    if (!dialog)
    {
        return box;
    }
    box.caption = WindowText(dialog);
    box.text = ControlText(dialog, 0xFFFF);
    if (HWND list = FirstChildOfClass(dialog, "ListBox"))
    {
        box.lines = ListBoxLines(list);
    }
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
    // A box's window goes only once its modal loop has ended: what the script posts next is not handled inside it.
    WaitUntil([&] { return !IsWindow(dialog); }, 5000);
    return box;
}

HWND MainTree(HWND frame)
{
    HWND view = FindWindowExA(frame, nullptr, "#32770", nullptr);
    return view ? GetDlgItem(view, 1001) : nullptr;
}

HWND OpenFromSheet(DeskSession& session, const std::string& path, DeskBox* openBox)
{
    HWND sheet = session.WaitDialog("ZRT Open Profile");
    if (!sheet)
    {
        return nullptr;
    }
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SetDlgItemTextA(page, 1076, path.c_str());
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    if (openBox)
    {
        *openBox = session.AnswerBox();
    }
    HWND frame = session.WaitMainFrame();
    if (frame)
    {
        WaitUntil([&] { return IsWindowVisible(frame) != FALSE; });
    }
    return frame;
}

void FrameCommand(HWND frame, int id)
{
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
