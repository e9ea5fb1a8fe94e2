// Keeps a PC file as it was until a transfer into it has ended well. A new or replacing file is written beside the
// target and takes its place only at Commit; an appended file is cut back to its former length, with the bytes the
// append wrote over put back, by RestoreAppended. Nothing is kept of a transfer that fails.
#pragma once

#include "OwnedHandles.h"

#include <cstdio>
#include <string>

class PcFileSafeguard
{
public:
    PcFileSafeguard() = default;
    ~PcFileSafeguard();
    PcFileSafeguard(const PcFileSafeguard&) = delete;
    PcFileSafeguard& operator=(const PcFileSafeguard&) = delete;

    // Locks the target against every other opener, as its own stream would (creating it empty when it is missing),
    // and makes an empty file beside it. Gives that file's path, or an empty text when either step fails.
    std::string BeginReplacing(const char* target);
    // Keeps the first bytes of a file about to be appended to, where the formats patch counts at the end.
    bool BeginAppending(FILE* stream, long long length);
    // Keeps the bytes from `from` to the former end, which the appended records start by writing over.
    bool KeepFrom(long long from);

    // The transfer ended well and the written file is closed: it takes the target's place.
    bool Commit();
    // The transfer failed: an appended file, still open, gets its former bytes and length back.
    void RestoreAppended();
    // The transfer failed and the written file is closed: it is removed, and so is a target made only to lock it.
    void Discard();

private:
    // Replacing.
    OwnedFile m_lock;
    std::string m_target;
    std::string m_written;
    bool m_targetMade = false;
    // Appending.
    FILE* m_appended = nullptr;
    long long m_length = 0;
    std::string m_head;
    long long m_keptFrom = 0;
    std::string m_kept;
};
