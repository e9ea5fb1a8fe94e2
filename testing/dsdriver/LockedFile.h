// A file held open without sharing by another process (zrt_file_holder from the program folder) while the object
// lives.
#pragma once

#include <windows.h>

#include <string>

class LockedFile
{
public:
    explicit LockedFile(const std::string& path);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // The other process holds the file.
    bool IsHeld() const { return m_held; }

private:
    HANDLE m_ready = nullptr;
    HANDLE m_release = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_held = false;
};
