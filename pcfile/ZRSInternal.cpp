#include "ZRSInternal.h"

#include "ByteCopy.h"
#include "FieldConvert.h"

#include <algorithm>
#include <cstring>
#include <io.h>
#include <new>

namespace
{
const char kSource[] = "ZRSInternal";
}

CZRSInternal::CZRSInternal()
    : m_stream(nullptr), m_fileName{}, m_buffer(nullptr), m_offset(0), m_consumed(0), m_lineEnd(nullptr),
      m_fileLength(0), m_decimalIsDot(true), m_valid(0), m_recordStart(0), m_recordTooLong(false)
{
}

CZRSInternal::~CZRSInternal()
{
    ReleaseFile();
}

BOOL CZRSInternal::Connect()
{
    return TRUE;
}

BOOL CZRSInternal::QueryInfo(char*, int*, int*)
{
    return FALSE;
}

BOOL CZRSInternal::Disconnect()
{
    return TRUE;
}

BOOL CZRSInternal::Open(HANDLE cancelEvent)
{
    ReleaseFile();
    InitMembers();
    m_decimalIsDot = PcValue(ZRP_DECIMAL_CHAR_IS_DOT, TRUE) != 0;
    CDataSource::Open(cancelEvent);
    m_buffer = new (std::nothrow) char[kBufferSize]();
    if (!m_buffer)
        return ZRI_FAIL(kSource, IDS_ZRI004);
    const int nameSize = m_profile->GetPcSize ? m_profile->GetPcSize(ZRP_PC_FILE_NAME) : 0;
    if (nameSize > kFileNameSize || !m_profile->GetPc(ZRP_PC_FILE_NAME, m_fileName))
        m_fileName[0] = '\0';
    m_fileName[kFileNameSize - 1] = '\0';
    return OpenFile();
}

BOOL CZRSInternal::Close()
{
    FreeRecordLayout(m_layout);
    delete[] m_buffer;
    m_buffer = nullptr;
    bool closed = true;
    if (m_stream)
        closed = fclose(m_stream) == 0;
    m_stream = nullptr;
    ReleaseExtra();
    CDataSource::Close();
    return closed;
}

BOOL CZRSInternal::FlushBuffer()
{
    if (m_offset == 0)
        return TRUE;
    if (!WriteUsedBytes())
        return ZRI_FAIL(kSource, IDS_ZRI006);
    return TRUE;
}

BOOL CZRSInternal::DetectEndMark(BOOL* endMark)
{
    *endMark = FALSE;
    if (m_fileLength == 0)
        return TRUE;
    char last = 0;
    if (_fseeki64(m_stream, m_fileLength - 1, SEEK_SET) != 0 || fread(&last, 1, 1, m_stream) != 1)
        return ZRI_FAIL(kSource, IDS_ZRI013);
    *endMark = last == kCtrlZ;
    rewind(m_stream);
    return TRUE;
}

void CZRSInternal::InitMembers()
{
    m_stream = nullptr;
    std::memset(m_fileName, 0, sizeof m_fileName);
    m_buffer = nullptr;
    m_offset = 0;
    m_consumed = 0;
    m_lineEnd = nullptr;
    m_fileLength = 0;
    m_recordCount = 0;
    m_valid = 0;
    m_recordStart = 0;
    m_recordTooLong = false;
}

void CZRSInternal::ReleaseExtra()
{
}

int CZRSInternal::GeneralValue(int id, int fallback) const
{
    int value = fallback;
    return m_profile->GetGeneral(id, &value) ? value : fallback;
}

int CZRSInternal::PcValue(int id, int fallback) const
{
    int value = fallback;
    return m_profile->GetPc(id, &value) ? value : fallback;
}

BOOL CZRSInternal::LoadBuffer()
{
    if (m_offset > 0)
    {
        std::memmove(m_buffer, m_buffer + m_offset, m_valid - m_offset);
        m_consumed += static_cast<long long>(m_offset);
        m_valid -= m_offset;
        m_offset = 0;
    }
    m_recordStart = 0;
    if (!feof(m_stream))
        m_valid += fread(m_buffer + m_valid, 1, kBufferSize - m_valid, m_stream);
    return !ferror(m_stream);
}

bool CZRSInternal::Refill()
{
    if (!m_stream || !m_buffer || feof(m_stream) || ferror(m_stream))
        return false;
    if (m_recordStart > 0)
    {
        std::memmove(m_buffer, m_buffer + m_recordStart, m_valid - m_recordStart);
        m_consumed += static_cast<long long>(m_recordStart);
        m_valid -= m_recordStart;
        m_offset -= m_recordStart;
        m_recordStart = 0;
    }
    if (m_valid == kBufferSize)
    {
        m_recordTooLong = true;
        return false;
    }
    const size_t read = fread(m_buffer + m_valid, 1, kBufferSize - m_valid, m_stream);
    m_valid += read;
    return read > 0;
}

size_t CZRSInternal::ReadBytes(char* destination, size_t count)
{
    size_t done = 0;
    while (done < count)
    {
        if (m_offset >= m_valid && !Refill())
            break;
        const size_t chunk = std::min(count - done, m_valid - m_offset);
        CopyBytes(destination + done, m_buffer + m_offset, chunk);
        m_offset += chunk;
        done += chunk;
    }
    return done;
}

BOOL CZRSInternal::ReadFromStart()
{
    ClearBuffer();
    m_consumed = 0;
    rewind(m_stream);
    return LoadBuffer();
}

void CZRSInternal::ClearBuffer()
{
    std::memset(m_buffer, 0, kBufferSize);
    m_offset = 0;
    m_valid = 0;
    m_recordStart = 0;
    m_recordTooLong = false;
}

BOOL CZRSInternal::WriteUsedBytes()
{
    const size_t used = m_offset;
    m_offset = 0;
    return fwrite(m_buffer, 1, used, m_stream) == used;
}

void CZRSInternal::ReleaseFile()
{
    delete[] m_buffer;
    m_buffer = nullptr;
    if (m_stream)
        fclose(m_stream);
    m_stream = nullptr;
}

BOOL CZRSInternal::MapField(const DSField& host, DSField& pc, int characterSet)
{
    return MapFieldType(host, pc, characterSet);
}

BOOL CZRSInternal::BuildPcLayout(const DSRecordLayout* otherSide)
{
    if (!m_stream)
        return ZRI_FAIL(kSource, IDS_ZRI010);
    if (!otherSide || otherSide->count <= 0 || !otherSide->fields)
        return ZRI_FAIL(kSource, IDS_ZRI005, 0);
    const int characterSet = GeneralValue(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
    if (!AllocateLayoutFields(m_layout, otherSide->count))
        return ZRI_FAIL(kSource, IDS_ZRI004);
    m_layout.current = 0;
    for (int i = 0; i < otherSide->count; ++i)
        if (!MapField(otherSide->fields[i], m_layout.fields[i], characterSet))
            return ZRI_FAIL(kSource, IDS_ZRI005, i);
    const int overflowing = FirstOverflowingField(m_layout);
    if (overflowing >= 0)
        return ZRI_FAIL(kSource, IDS_ZRI005, overflowing);
    if (!BuildRecordBuffer(m_layout))
        return ZRI_FAIL(kSource, IDS_ZRI004);
    return TRUE;
}
