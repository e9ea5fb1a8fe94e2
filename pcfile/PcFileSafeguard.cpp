#include "PcFileSafeguard.h"

#include "FilePatch.h"

#include <algorithm>
#include <io.h>
#include <utility>

namespace
{
// The formats patch their counts within the first bytes of a file: DBF at 4, XLS at 14, DIF from 27 to 51.
constexpr long long kPatchedHead = 512;

// The bytes of the open file from `offset` on, `count` of them.
bool ReadSpan(FILE* stream, long long offset, long long count, std::string& bytes)
{
    bytes.assign(static_cast<size_t>(count), '\0');
    return count == 0 || ReadAt(stream, offset, bytes.data(), bytes.size());
}
}

PcFileSafeguard::~PcFileSafeguard()
{
    RestoreAppended();
    Discard();
}

std::string PcFileSafeguard::BeginReplacing(const char* target)
{
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(target, sizeof full, full, &name);
    if (length == 0 || length >= sizeof full || !name)
        return std::string();
    HANDLE lock = CreateFileA(full, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    m_lock.Reset(lock);
    if (!m_lock.IsValid())
        return std::string();
    m_targetMade = !existed;
    m_target = full;
    const std::string folder(full, static_cast<size_t>(name - full));
    char written[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "zrt", 0, written))
    {
        Discard();
        return std::string();
    }
    m_written = written;
    return m_written;
}

bool PcFileSafeguard::BeginAppending(FILE* stream, long long length)
{
    m_appended = stream;
    m_length = length;
    m_keptFrom = length;
    m_kept.clear();
    return ReadSpan(stream, 0, std::min(length, kPatchedHead), m_head);
}

bool PcFileSafeguard::KeepFrom(long long from)
{
    if (!m_appended || from >= m_keptFrom)
        return true;
    m_keptFrom = from;
    return ReadSpan(m_appended, from, m_length - from, m_kept) && _fseeki64(m_appended, from, SEEK_SET) == 0;
}

bool PcFileSafeguard::Commit()
{
    m_appended = nullptr;
    if (m_written.empty())
        return true;
    m_lock.Reset();
    if (!MoveFileExA(m_written.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    m_written.clear();
    m_targetMade = false;
    return true;
}

void PcFileSafeguard::RestoreAppended()
{
    if (!m_appended)
        return;
    FILE* stream = std::exchange(m_appended, nullptr);
    fflush(stream);
    WriteAt(stream, 0, m_head.data(), m_head.size());
    WriteAt(stream, m_keptFrom, m_kept.data(), m_kept.size());
    fflush(stream);
    _chsize_s(_fileno(stream), m_length);
}

void PcFileSafeguard::Discard()
{
    if (!m_written.empty())
        DeleteFileA(m_written.c_str());
    m_written.clear();
    m_lock.Reset();
    if (m_targetMade)
        DeleteFileA(m_target.c_str());
    m_targetMade = false;
}
