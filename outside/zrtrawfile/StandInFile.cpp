#include "StandInFile.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr size_t kBufferSize = 64000;
}

CStandInFile::~CStandInFile()
{
    Close();
}

bool CStandInFile::OpenForWriting(const char* path, int writeMode)
{
    const bool append = writeMode == ZRPCWM_APPEND;
    m_file.Reset(CreateFileA(path, GENERIC_WRITE, 0, nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_file)
        return false;
    m_writing = true;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    return !append || SetFilePointer(m_file.Get(), 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
}

bool CStandInFile::OpenForReading(const char* path)
{
    m_file.Reset(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    m_writing = false;
    m_buffer.clear();
    m_position = 0;
    return m_file.IsValid();
}

bool CStandInFile::Write(const void* data, size_t size)
{
    if (m_buffer.size() + size > kBufferSize && !Flush())
        return false;
    const char* bytes = static_cast<const char*>(data);
    m_buffer.insert(m_buffer.end(), bytes, bytes + size);
    return true;
}

bool CStandInFile::Flush()
{
    if (!m_file || !m_writing || m_buffer.empty())
        return true;
    DWORD written = 0;
    const bool ok = WriteFile(m_file.Get(), m_buffer.data(), static_cast<DWORD>(m_buffer.size()), &written, nullptr) &&
                    written == m_buffer.size();
    m_buffer.clear();
    return ok;
}

bool CStandInFile::Fill()
{
    m_buffer.resize(kBufferSize);
    DWORD read = 0;
    const bool ok = ReadFile(m_file.Get(), m_buffer.data(), static_cast<DWORD>(kBufferSize), &read, nullptr);
    m_buffer.resize(ok ? read : 0);
    m_position = 0;
    return ok;
}

bool CStandInFile::Read(void* data, size_t size, size_t* got)
{
    char* bytes = static_cast<char*>(data);
    *got = 0;
    while (*got < size)
    {
        if (m_position == m_buffer.size())
        {
            if (!Fill())
                return false;
            if (m_buffer.empty())
                break;
        }
        const size_t take = std::min(size - *got, m_buffer.size() - m_position);
        memcpy(bytes + *got, m_buffer.data() + m_position, take);
        m_position += take;
        *got += take;
    }
    return true;
}

bool CStandInFile::Close()
{
    if (!m_file)
        return true;
    const bool ok = Flush();
    m_file.Reset();
    m_buffer.clear();
    return ok;
}
