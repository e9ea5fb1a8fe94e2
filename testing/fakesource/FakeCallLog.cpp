#include "FakeCallLog.h"

#include <windows.h>

#include "OwnedHandles.h"

namespace
{
std::string g_logPath;
}

void SetFakeLogFolder(const std::string& folder)
{
    g_logPath = folder + "\\fakesource.log";
}

void AppendFakeLog(const std::string& line)
{
    OwnedFile file(CreateFileA(g_logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
