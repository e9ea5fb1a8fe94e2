#include "InternalDIF.h"

#include "AsciiText.h"
#include "FilePatch.h"

#include <cstring>
#include <io.h>
#include <string>

namespace
{
const char kHeader[] = "TABLE\r\n0,1\r\n\"\"\r\nVECTORS\r\n0,    \r\n\"\"\r\nTUPLES\r\n0,    \r\n\"\"\r\n"
                       "DATA\r\n0,0\r\n\"\"\r\n-1,0\r\nBOT\r\n";
const char kSeparator[] = "-1,0\r\nBOT\r\n";
const char kLastLines[] = "-1,0\r\nEOD";
const char kNextTuple[] = "BOT\r\n";
const char kEnd[] = "EOD\r\n";
constexpr long long kRecordCountOffset = 27;
constexpr long long kFieldCountOffset = 47;
constexpr size_t kCountWidth = 4;

}

void CInternalDIFTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_lineEnd = "\r\n";
    m_header = DifHeader{};
    m_recordsWritten = 0;
}

BOOL CInternalDIFTarget::CheckStructure()
{
    DifReader<Input> reader{Input{*this}};
    DifStep step = reader.ReadHeader(m_header);
    int badField = 0;
    if (step == DifStep::Tuple)
        step = reader.ReadTuple(m_layout, false, badField);
    if (step == DifStep::Bad)
        return FALSE;
    m_recordsWritten = m_header.records.value;
    return TRUE;
}

BOOL CInternalDIFTarget::SeekForAppend(BOOL endMark)
{
    const long long contentLength = m_fileLength - (endMark ? 1 : 0);
    char tail[sizeof kLastLines + 1] = {};
    const size_t lastLength = sizeof kLastLines - 1;
    for (const size_t lineEnd : {size_t{2}, size_t{0}})
    {
        const long long at = contentLength - static_cast<long long>(lastLength + lineEnd);
        if (at < 0 || !ReadAt(m_stream, at, tail, lastLength + lineEnd))
            continue;
        if (EqualsNoCase(std::string_view(tail, lastLength), std::string_view(kLastLines, lastLength)) &&
            (lineEnd == 0 || std::memcmp(tail + lastLength, "\r\n", 2) == 0))
        {
            if (_fseeki64(m_stream, at + lastLength - 3, SEEK_SET) != 0)
                return ZRI_FAIL(SourceName(), IDS_ZRI013);
            PutBytes(kNextTuple, sizeof kNextTuple - 1);
            return TRUE;
        }
    }
    return ZRI_FAIL(SourceName(), IDS_ZRI014);
}

BOOL CInternalDIFTarget::WriteHeader()
{
    PutBytes(kHeader, sizeof kHeader - 1);
    m_header.records = {kRecordCountOffset, kCountWidth, 0};
    m_header.fields = {kFieldCountOffset, kCountWidth, 0};
    return !WriteFailed();
}

BOOL CInternalDIFTarget::FormatRecord()
{
    ++m_recordsWritten;
    for (int i = 0; i < m_layout.count; ++i)
        if (!FormatField(m_layout.fields[i]))
            return FieldFailed(i);
    PutBytes(kSeparator, sizeof kSeparator - 1);
    return TRUE;
}

BOOL CInternalDIFTarget::FormatField(const DSField& field)
{
    const size_t length = FieldLength(field);
    const char* end = field.value + length;
    for (const char* at = field.value; at < end; ++at)
        if (*at == '\r' || *at == '\n' || *at == kCtrlZ)
            return FALSE;
    if (IsPcNumberType(field.type))
    {
        PutBytes("0,", 2);
        PutBytes(field.value, length);
        PutBytes("\r\nV\r\n", 5);
        return TRUE;
    }
    if (!IsPcTextType(field.type))
        return FALSE;
    PutBytes("1,0\r\n\"", 6);
    const char* text = field.value;
    while (const char* quote = static_cast<const char*>(std::memchr(text, '"', end - text)))
    {
        PutBytes(text, quote + 1 - text);
        PutChar('"');
        text = quote + 1;
    }
    PutBytes(text, end - text);
    PutBytes("\"\r\n", 3);
    return TRUE;
}

BOOL CInternalDIFTarget::WriteTrailer()
{
    const long long end = _ftelli64(m_stream);
    if (end < static_cast<long long>(sizeof kEnd - 1) ||
        !WriteAt(m_stream, end - (sizeof kEnd - 1), kEnd, sizeof kEnd - 1) || fflush(m_stream) != 0)
        return ZRI_FAIL(SourceName(), IDS_ZRI006);
    const long long fileEnd = _filelengthi64(_fileno(m_stream));
    if (!WriteCount(m_header.fields, m_layout.count, fileEnd))
        return ZRI_FAIL(SourceName(), IDS_ZRI006);
    const long long widened = _filelengthi64(_fileno(m_stream));
    if (!WriteCount(m_header.records, m_recordsWritten, widened))
        return ZRI_FAIL(SourceName(), IDS_ZRI006);
    return TRUE;
}

bool CInternalDIFTarget::WriteCount(const DifCountField& field, long long count, long long fileEnd)
{
    if (field.offset < 0)
        return true;
    std::string text = std::to_string(count);
    if (text.size() < field.width)
        text.append(field.width - text.size(), ' ');
    const long long fieldEnd = field.offset + static_cast<long long>(field.width);
    if (text.size() > field.width &&
        (!MoveTail(m_stream, fieldEnd, fileEnd, static_cast<long long>(text.size() - field.width)) ||
         fflush(m_stream) != 0))
        return false;
    return WriteAt(m_stream, field.offset, text.data(), text.size()) && fflush(m_stream) == 0;
}

void CInternalDIFSource::InitMembers()
{
    CZRSInternalSource::InitMembers();
    m_lineEnd = "\r\n";
    m_dataEnded = false;
}

BOOL CInternalDIFSource::CheckStructure()
{
    DifHeader header;
    DifStep step = m_reader.ReadHeader(header);
    int badField = 0;
    if (step == DifStep::Tuple)
        step = m_reader.ReadTuple(m_layout, false, badField);
    return step != DifStep::Bad;
}

BOOL CInternalDIFSource::SkipHeader()
{
    DifHeader header;
    if (!ReadFromStart())
        return FALSE;
    const DifStep step = m_reader.ReadHeader(header);
    m_dataEnded = step == DifStep::End;
    return step != DifStep::Bad;
}

BOOL CInternalDIFSource::ParseRecord()
{
    if (m_dataEnded)
    {
        m_allConsumed = true;
        m_noRecordLeft = true;
        return TRUE;
    }
    int badField = 0;
    const DifStep step = m_reader.ReadTuple(m_layout, true, badField);
    if (step == DifStep::Bad)
        return ZRI_FAIL(SourceName(), IDS_ZRI012, badField);
    if (step == DifStep::End)
    {
        m_dataEnded = true;
        m_allConsumed = true;
    }
    return TRUE;
}
