#include "Trace.h"

#include "OwnedHandles.h"

void TraceLine(const std::string& line)
{
    char path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("ZRT_XLSERVER_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    OwnedFile file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
