#include "InternalXLS.h"

#include "FieldConvert.h"
#include "FilePatch.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
enum BiffOpcode : unsigned
{
    kDimensions = 0x0000,
    kInteger = 0x0002,
    kNumber = 0x0003,
    kLabel = 0x0004,
    kBof = 0x0009,
    kEof = 0x000A,
};
constexpr unsigned char kBofBody[] = {0x02, 0x00, 0x10, 0x00};
constexpr long long kLastRowOffset = 14;
constexpr size_t kCellHead = 7;
constexpr size_t kMostLabel = 255;
// Most fields: DIMENSIONS holds the field count + 1 in 16 bits.
constexpr int kMostFields = 0xFFFE;

bool IsCell(unsigned opcode)
{
    return opcode == kInteger || opcode == kNumber || opcode == kLabel;
}
}

BOOL CInternalXLSTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    if (otherSide && otherSide->count > kMostFields)
        return ZRI_FAIL(SourceName(), IDS_ZRI005, kMostFields);
    return CInternalSheetTarget::SetRecordLayout(otherSide);
}

BOOL CInternalXLSTarget::CheckStructure()
{
    Input input{*this};
    SheetRecord record;
    if (!ReadSheetRecord(input, record) || record.opcode != kBof || record.length != sizeof kBofBody ||
        std::memcmp(record.head, kBofBody, sizeof kBofBody) != 0)
        return FALSE;
    if (!ReadSheetRecord(input, record) || record.opcode != kDimensions || record.length != 8 ||
        SheetWord(record.head + 6) != static_cast<unsigned>(m_layout.count) + 1)
        return FALSE;
    const long rows = SheetWord(record.head + 2);
    if (rows < 1)
        return FALSE;
    const long dataRow = rows > 1 ? 1 : 0;
    std::vector<unsigned> kinds(m_layout.count, kEof);
    for (;;)
    {
        if (!ReadSheetRecord(input, record))
            return FALSE;
        if (record.opcode == kEof)
            break;
        if (!IsCell(record.opcode) || record.length < 4 || static_cast<long>(SheetWord(record.head)) != dataRow ||
            dataRow == 0)
            continue;
        const unsigned column = SheetWord(record.head + 2);
        if (column >= kinds.size() || kinds[column] != kEof)
            return FALSE;
        kinds[column] = record.opcode;
    }
    for (size_t i = 0; dataRow != 0 && i < kinds.size(); ++i)
        if ((kinds[i] == kLabel) != IsPcTextType(m_layout.fields[i].type) || kinds[i] == kEof)
            return FALSE;
    m_row = rows - 1;
    m_endRecord = record.offset;
    return TRUE;
}

void CInternalXLSTarget::CellHead(unsigned char* body) const
{
    PutLittleEndian(body, m_row, 2);
    PutLittleEndian(body + 2, m_column, 2);
    body[4] = body[5] = body[6] = 0;
}

void CInternalXLSTarget::PutLabel(const char* text, size_t length)
{
    length = std::min(length, kMostLabel);
    unsigned char head[kCellHead + 1];
    CellHead(head);
    head[kCellHead] = static_cast<unsigned char>(length);
    unsigned char header[4];
    PutLittleEndian(header, kLabel, 2);
    PutLittleEndian(header + 2, length + sizeof head, 2);
    PutBytes(reinterpret_cast<const char*>(header), sizeof header);
    PutBytes(reinterpret_cast<const char*>(head), sizeof head);
    PutBytes(text, length);
}

BOOL CInternalXLSTarget::WriteHeader()
{
    PutRecord(kBof, kBofBody, sizeof kBofBody);
    unsigned char dimensions[8] = {};
    PutLittleEndian(dimensions + 2, 1, 2);
    PutLittleEndian(dimensions + 6, m_layout.count + 1, 2);
    PutRecord(kDimensions, dimensions, sizeof dimensions);
    m_row = 0;
    for (m_column = 0; m_column < m_layout.count; ++m_column)
    {
        const DSField& field = m_layout.fields[m_column];
        PutLabel(field.name, strnlen(field.name, sizeof field.name));
    }
    return !WriteFailed();
}

BOOL CInternalXLSTarget::FormatRecord()
{
    if (m_row + 2 >= kSheetRows)
        return ZRI_FAIL(SourceName(), IDS_ZRI020, static_cast<int>(m_row + 1));
    ++m_row;
    for (m_column = 0; m_column < m_layout.count; ++m_column)
        if (!FormatField(m_layout.fields[m_column]))
            return FieldFailed(m_column);
    return TRUE;
}

BOOL CInternalXLSTarget::FormatField(const DSField& field)
{
    const size_t length = FieldLength(field);
    if (IsPcTextType(field.type))
    {
        PutLabel(field.value, length);
        return TRUE;
    }
    SheetNumber number;
    if (!IsPcNumberType(field.type) || !ReadSheetNumber(field.value, length, true, number))
        return FALSE;
    unsigned char body[kCellHead + 8];
    CellHead(body);
    if (number.integer)
    {
        PutLittleEndian(body + kCellHead, static_cast<unsigned>(number.value), 2);
        PutRecord(kInteger, body, kCellHead + 2);
        return TRUE;
    }
    unsigned long long bits = 0;
    std::memcpy(&bits, &number.value, sizeof bits);
    PutLittleEndian(body + kCellHead, bits, 8);
    PutRecord(kNumber, body, kCellHead + 8);
    return TRUE;
}

BOOL CInternalXLSTarget::WriteTrailer()
{
    PutRecord(kEof, nullptr, 0);
    if (!FlushBuffer())
        return FALSE;
    unsigned char rows[2];
    PutLittleEndian(rows, m_row + 1, 2);
    if (!WriteAt(m_stream, kLastRowOffset, rows, sizeof rows))
        return ZRI_FAIL(SourceName(), IDS_ZRI006);
    return TRUE;
}
