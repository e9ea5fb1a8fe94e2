#include "InternalDBF.h"

#include "FieldConvert.h"
#include "FilePatch.h"
#include "NumberText.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr unsigned char kVersion = 0x03;
// Fields whose header length (32 bytes per field and 33 more) still fits its 16-bit word.
constexpr int kMostFields = (0xFFFF - kDbfHeaderSize - 1) / kDbfDescriptorSize;
}

void CInternalDBFTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_recordsWritten = 0;
    m_recordsEnd = 0;
}

BOOL CInternalDBFTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (otherSide && otherSide->count > kMostFields)
        return ZRI_FAIL(SourceName(), IDS_ZRI005, kMostFields);
    if (!CZRSInternalTarget::SetRecordLayout(otherSide))
        return FALSE;
    if (m_layout.length + 1 > 0xFFFF)
        return ZRI_FAIL(SourceName(), IDS_ZRI005, m_layout.count - 1);
    return TRUE;
}

BOOL CInternalDBFTarget::MapField(const DSField& host, DSField& pc, int characterSet)
{
    return MapFieldType(host, pc, characterSet) && FieldLength(pc) <= kDbfMostColumnWidth;
}

BOOL CInternalDBFTarget::CheckStructure()
{
    DbfHeader header;
    if (!ReadDbfHeader([this](size_t count, char* to) { return ReadBytes(to, count); }, [this] { MarkRecordStart(); },
                       header) ||
        !DbfColumnsFit(header, m_layout, true) || DbfRecordsEnd(header) > m_fileLength)
        return FALSE;
    m_recordsWritten = header.recordCount;
    m_recordsEnd = DbfRecordsEnd(header);
    return TRUE;
}

BOOL CInternalDBFTarget::SeekForAppend(BOOL)
{
    if (_fseeki64(m_stream, m_recordsEnd, SEEK_SET) != 0)
        return ZRI_FAIL(SourceName(), IDS_ZRI013);
    return TRUE;
}

BOOL CInternalDBFTarget::WriteHeader()
{
    SYSTEMTIME today{};
    GetSystemTime(&today);
    unsigned char header[kDbfHeaderSize] = {kVersion, static_cast<unsigned char>(today.wYear - 1900),
                                            static_cast<unsigned char>(today.wMonth),
                                            static_cast<unsigned char>(today.wDay)};
    PutLittleEndian(header + 8, kDbfDescriptorSize * m_layout.count + kDbfHeaderSize + 1, 2);
    PutLittleEndian(header + 10, m_layout.length + 1, 2);
    PutBytes(reinterpret_cast<const char*>(header), sizeof header);
    unsigned offset = 1;
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        unsigned char descriptor[kDbfDescriptorSize] = {};
        std::memcpy(descriptor, field.name, strnlen(field.name, sizeof field.name));
        descriptor[11] = IsPcTextType(field.type) ? 'C' : 'N';
        PutLittleEndian(descriptor + 12, offset, 4);
        descriptor[16] = static_cast<unsigned char>(FieldLength(field));
        descriptor[17] = static_cast<unsigned char>(FieldDecimals(field));
        PutBytes(reinterpret_cast<const char*>(descriptor), sizeof descriptor);
        offset += FieldLength(field);
    }
    PutChar(kDbfTerminator);
    return !WriteFailed();
}

BOOL CInternalDBFTarget::FormatRecord()
{
    ++m_recordsWritten;
    PutChar(' ');
    for (int i = 0; i < m_layout.count; ++i)
        if (!FormatField(m_layout.fields[i]))
            return FieldFailed(i);
    return TRUE;
}

BOOL CInternalDBFTarget::FormatField(const DSField& field)
{
    if (!IsPcTextType(field.type) && !IsPcNumberType(field.type))
        return FALSE;
    PutBytes(field.value, FieldLength(field));
    return TRUE;
}

BOOL CInternalDBFTarget::WriteTrailer()
{
    unsigned char count[4];
    PutLittleEndian(count, m_recordsWritten, sizeof count);
    const char endMark = kCtrlZ;
    if (fwrite(&endMark, 1, 1, m_stream) != 1 || !WriteAt(m_stream, 4, count, sizeof count))
        return ZRI_FAIL(SourceName(), IDS_ZRI006);
    return TRUE;
}

void CInternalDBFSource::InitMembers()
{
    CZRSInternalSource::InitMembers();
    m_header = DbfHeader{};
    m_recordsSeen = 0;
}

void CInternalDBFSource::ReleaseExtra()
{
    m_header = DbfHeader{};
    m_record = std::string();
}

BOOL CInternalDBFSource::ReadHeader()
{
    return ReadDbfHeader([this](size_t count, char* to) { return ReadBytes(to, count); }, [this] { MarkRecordStart(); },
                         m_header);
}

BOOL CInternalDBFSource::CheckStructure()
{
    return ReadHeader() && DbfColumnsFit(m_header, m_layout, false);
}

BOOL CInternalDBFSource::SkipHeader()
{
    if (!ReadFromStart() || !ReadHeader())
        return FALSE;
    const size_t read = static_cast<size_t>(m_consumed) + m_offset;
    return read <= m_header.headerLength && SkipBytes(m_header.headerLength - read) == m_header.headerLength - read;
}

size_t CInternalDBFSource::SkipBytes(size_t count)
{
    char chunk[4096];
    size_t skipped = 0;
    while (skipped < count)
    {
        MarkRecordStart();
        const size_t read = ReadBytes(chunk, std::min(sizeof chunk, count - skipped));
        if (read == 0)
            break;
        skipped += read;
    }
    return skipped;
}

BOOL CInternalDBFSource::ParseRecord()
{
    const size_t fieldBytes = m_header.recordLength - 1;
    for (;;)
    {
        if (m_recordsSeen == m_header.recordCount)
        {
            m_allConsumed = true;
            m_noRecordLeft = true;
            return TRUE;
        }
        ++m_recordsSeen;
        const int flag = ReadByte();
        if (flag < 0 || flag == kCtrlZ)
            return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
        if (flag != kDbfDeleted)
            break;
        if (SkipBytes(fieldBytes) != fieldBytes)
            return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
        MarkRecordStart();
    }
    m_record.resize(fieldBytes);
    if (ReadBytes(m_record.data(), fieldBytes) != fieldBytes)
        return ZRI_FAIL(SourceName(), IDS_ZRI017, m_recordCount + 1);
    const char* column = m_record.data();
    for (int i = 0; i < m_layout.count; ++i)
    {
        if (!StoreColumn(m_layout.fields[i], m_header.columns[i], column))
            return ZRI_FAIL(SourceName(), IDS_ZRI012, i);
        column += m_header.columns[i].width;
    }
    if (m_recordsSeen == m_header.recordCount)
        m_allConsumed = true;
    return TRUE;
}

bool CInternalDBFSource::StoreColumn(DSField& field, const DbfColumn& column, const char* bytes)
{
    const size_t length = FieldLength(field);
    if (!IsPcTextType(field.type))
        return FitNumber(bytes, column.width, static_cast<unsigned>(length), FieldDecimals(field), NumberPad::Blanks,
                         field.value);
    if (column.width > length && LengthWithoutTrailingBlanks(bytes, column.width) > length)
        return false;
    const size_t copied = std::min<size_t>(column.width, length);
    std::memcpy(field.value, bytes, copied);
    std::memset(field.value + copied, ' ', length - copied);
    return true;
}
