#include "BatchDriver.h"

#include <commctrl.h>

#include <sstream>
#include <stdexcept>

namespace
{
const char kProfileTemplate[] = "[General]\r\n"
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
}

BatchFolder::BatchFolder(ManagerFile manager, bool versionLibrary)
{
    m_folder.CopyFromBuild("Zrtbatch.exe", "Zrtbatch.exe");
    if (versionLibrary)
    {
        m_folder.AddVersionLibrary();
        m_folder.AddCodeTable();
    }
    m_folder.AddManager(manager,
                        {"Zrtpcfile.dll", "Zrtas400.dll", "Zrts36.dll", "KVHLL32.dll", "Zrtappc.dll", "Zrttcp.dll"});
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
    return m_folder.FakeManagerCalls();
}

StarterEvents::StarterEvents(const std::string& name)
    : m_success(CreateEventA(nullptr, TRUE, FALSE, (name + "Success").c_str())),
      m_failure(CreateEventA(nullptr, TRUE, FALSE, (name + "Failure").c_str()))
{
}

bool StarterEvents::WaitEither(DWORD timeoutMs) const
{
    HANDLE events[] = {m_success.Get(), m_failure.Get()};
    return WaitForMultipleObjects(2, events, FALSE, timeoutMs) < WAIT_OBJECT_0 + 2;
}

BatchProcess::BatchProcess(const std::string& folder, const std::string& tail, const std::string& workingFolder)
    : ProgramProcess(folder + "\\Zrtbatch.exe", tail, workingFolder.empty() ? folder : workingFolder)
{
}

HWND BatchProcess::FindDialog(const std::function<bool(const std::string&)>& caption) const
{
    WindowQuery query;
    query.processId = Id();
    query.className = "#32770";
    query.caption = caption;
    return FindTopLevelWindow(query);
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
            return caption.size() > tail.size() &&
                   caption.compare(caption.size() - tail.size(), tail.size(), tail) == 0;
        },
        timeoutMs);
}

HWND BatchProcess::WaitBox(DWORD timeoutMs) const
{
    return WaitDialog([](const std::string& caption) { return caption == "ZRT"; }, timeoutMs);
}

std::string ShownInLog(const std::string& message)
{
    return message.size() <= 260 ? message : message.substr(0, 240) + "... (Click Details)";
}
