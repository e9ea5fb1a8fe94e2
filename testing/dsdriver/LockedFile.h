// A file held open without sharing by another process (zrt_file_holder from the program folder) while the object
// lives.
#pragma once

#include <windows.h>

#include "OwnedHandles.h"

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
    OwnedEvent m_ready;
    OwnedEvent m_release;
    OwnedKernelHandle m_process;
    OwnedThread m_thread;
    bool m_held = false;
};
