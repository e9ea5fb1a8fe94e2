#include "BatchDriver.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{
const char kProfileTemplate[] =
    "[General]\r\n"
    "Connection=%CONNECTION%\r\n"
    "Direction=Host to PC\r\n"
    "Host type=AS/400\r\n"
    "Character set=EBCDIC to ANSI\r\n"
    "Auto close=%AUTOCLOSE%\r\n"
    "Transfer type=Conversion\r\n"
    "[Host request]\r\n"
    "Presentation space ID=A\r\n"
    "Host file type=Data\r\n"
    "Description file=\r\n"
    "SQL from=QGPL/CUST(*FIRST)\r\n"
    "[PC request]\r\n"
    "Filename=C:\\data\\%KEY%\r\n"
    "PC file type=CSV (Comma delimiter)\r\n"
    "Remove blanks=Yes\r\n"
    "Decimal char is dot=Yes\r\n"
    "PC write mode=Create file\r\n";

void Replace(std::string& text, const std::string& what, const std::string& with)
{
    size_t at = text.find(what);
    if (at != std::string::npos)
    {
        text.replace(at, what.size(), with);
    }
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

struct DialogSearch
{
    DWORD process;
    const std::function<bool(const std::string&)>* caption;
    HWND found;
};

BOOL CALLBACK FindProcessDialog(HWND window, LPARAM context)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        (*search->caption)(WindowText(window)))
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}

BatchFolder::BatchFolder(ManagerFile manager, bool versionLibrary)
{
    m_folder.CopyFromBuild("Zrtbatch.exe", "Zrtbatch.exe");
    if (versionLibrary)
    {
        m_folder.AddVersionLibrary();
        m_folder.AddCodeTable();
    }
    switch (manager)
    {
    case ManagerFile::Fake:
        m_folder.CopyFromBuild("variants\\fake-zrtmgr\\Zrtmgr.dll", "Zrtmgr.dll");
        break;
    case ManagerFile::NoExport:
        m_folder.CopyFromBuild("variants\\zrtmgr-without-export\\Zrtmgr.dll", "Zrtmgr.dll");
        break;
    case ManagerFile::Real:
        for (const char* library : {"Zrtmgr.dll", "Zrtpcfile.dll", "Zrtas400.dll", "Zrts36.dll", "KVHLL32.dll",
                                    "Zrtappc.dll", "Zrttcp.dll"})
        {
            m_folder.CopyFromBuild(library, library);
        }
        break;
    case ManagerFile::Missing:
        break;
    }
}

std::string BatchFolder::WriteProfile(const std::string& name, const std::string& key, bool autoClose,
                                      const std::string& connection)
{
    std::string content = kProfileTemplate;
    Replace(content, "%CONNECTION%", connection);
    Replace(content, "%AUTOCLOSE%", autoClose ? "Yes" : "No");
    Replace(content, "%KEY%", key);
    WriteFile(name, content);
    return PathOf(name);
}

std::vector<std::string> BatchFolder::ManagerCalls() const
{
    std::vector<std::string> calls;
    std::ifstream log(m_folder.PathOf("FakeZrtmgr.log"));
    std::string line;
    while (std::getline(log, line))
    {
        calls.push_back(line);
    }
    return calls;
}

StarterEvents::StarterEvents(const std::string& name)
    : m_success(CreateEventA(nullptr, TRUE, FALSE, (name + "Success").c_str())),
      m_failure(CreateEventA(nullptr, TRUE, FALSE, (name + "Failure").c_str()))
{
}

StarterEvents::~StarterEvents()
{
    CloseHandle(m_success);
    CloseHandle(m_failure);
}

bool StarterEvents::WaitEither(DWORD timeoutMs) const
{
    HANDLE events[] = {m_success, m_failure};
    return WaitForMultipleObjects(2, events, FALSE, timeoutMs) < WAIT_OBJECT_0 + 2;
}

BatchProcess::BatchProcess(const std::string& folder, const std::string& tail, const std::string& workingFolder)
{
    std::string program = folder + "\\Zrtbatch.exe";
    std::string commandLine = "\"" + program + "\" " + tail;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? folder.c_str() : workingFolder.c_str(), &startup, &m_process))
    {
        throw std::runtime_error("cannot start " + program);
    }
}

BatchProcess::~BatchProcess()
{
    if (IsRunning())
    {
        TerminateProcess(m_process.hProcess, 99);
        WaitExit(5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool BatchProcess::WaitExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD BatchProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

HWND BatchProcess::FindDialog(const std::function<bool(const std::string&)>& caption) const
{
    DialogSearch search{m_process.dwProcessId, &caption, nullptr};
    EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND BatchProcess::WaitDialog(const std::function<bool(const std::string&)>& caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(caption)) != nullptr || !IsRunning(); }, timeoutMs);
    return found;
}

HWND BatchProcess::WaitMainDialog(DWORD timeoutMs) const
{
    return WaitDialog(
        [](const std::string& caption) {
            const std::string tail = " - ZRT (Zerathon)";
            return caption.size() > tail.size() && caption.compare(caption.size() - tail.size(), tail.size(), tail) == 0;
        },
        timeoutMs);
}

HWND BatchProcess::WaitBox(DWORD timeoutMs) const
{
    return WaitDialog([](const std::string& caption) { return caption == "ZRT"; }, timeoutMs);
}

std::string WindowText(HWND window)
{
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ListViewColumn(HWND list, int column)
{
    std::vector<std::string> texts;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
    {
        return texts;
    }
    const SIZE_T textSize = 2048;
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + textSize, MEM_COMMIT, PAGE_READWRITE));
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iSubItem = column;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = static_cast<int>(textSize);
        WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        std::string text(textSize, '\0');
        ReadProcessMemory(process, remote + sizeof(LVITEMA), text.data(), textSize, nullptr);
        text.resize(strlen(text.c_str()));
        texts.push_back(text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return texts;
}

std::vector<std::string> ListBoxLines(HWND listBox)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        int length = static_cast<int>(SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        char text[4096] = {};
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof(text), nullptr, nullptr);
        lines.push_back(text);
    }
    return lines;
}

std::string ShownInLog(const std::string& message)
{
    return message.size() <= 260 ? message : message.substr(0, 240) + "... (Click Details)";
}

void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > timeoutMs)
        {
            return false;
        }
        Sleep(50);
    }
    return true;
}
