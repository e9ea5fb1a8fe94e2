#include "InternalWKS.h"

#include "FieldConvert.h"
#include "FilePatch.h"

#include <algorithm>
#include <cstring>

namespace
{
enum LotusOpcode : unsigned
{
    kBof = 0x0000,
    kEof = 0x0001,
    kInteger = 0x000D,
    kNumber = 0x000E,
    kLabel = 0x000F,
};
constexpr unsigned char kBofBody[] = {0x04, 0x04};
constexpr unsigned char kLabelFormat = 0xF5;
constexpr unsigned char kNumberFormat = 0xFF;
constexpr char kLabelPrefix = '\'';
// Longest label whose body (format, column, row, prefix, text, zero) fits the 16-bit body length.
constexpr size_t kMostLabel = 0xFFFF - 7;

bool IsCell(unsigned opcode)
{
    return opcode == kInteger || opcode == kNumber || opcode == kLabel;
}
}

BOOL CInternalWKSTarget::CheckStructure()
{
    Input input{*this};
    SheetRecord record;
    if (!ReadSheetRecord(input, record) || record.opcode != kBof || record.length != sizeof kBofBody ||
        std::memcmp(record.head, kBofBody, sizeof kBofBody) != 0)
        return FALSE;
    long lastRow = 0;
    long dataRow = 0;  // the first data row found so far; 0 while there is none
    std::vector<unsigned> kinds;
    for (;;)
    {
        if (!ReadSheetRecord(input, record))
            return FALSE;
        if (record.opcode == kEof)
            break;
        if (!IsCell(record.opcode) || record.length < 5)
            continue;
        const unsigned column = SheetWord(record.head + 1);
        const long row = SheetWord(record.head + 3);
        lastRow = std::max(lastRow, row);
        if (row == 0 || (dataRow != 0 && row > dataRow))
            continue;
        if (row != dataRow)
        {
            dataRow = row;
            kinds.assign(m_layout.count, kEof);
        }
        if (column >= kinds.size() || kinds[column] != kEof)
            return FALSE;
        kinds[column] = record.opcode;
    }
    for (size_t i = 0; dataRow != 0 && i < kinds.size(); ++i)
        if ((kinds[i] == kLabel) != IsPcTextType(m_layout.fields[i].type) || kinds[i] == kEof)
            return FALSE;
    m_row = lastRow + 1;
    m_endRecord = record.offset;
    return TRUE;
}

void CInternalWKSTarget::PutLabel(const char* text, size_t length)
{
    length = std::min(length, kMostLabel);
    unsigned char head[6] = {kLabelFormat};
    PutLittleEndian(head + 1, m_column, 2);
    PutLittleEndian(head + 3, m_row, 2);
    head[5] = kLabelPrefix;
    unsigned char header[4];
    PutLittleEndian(header, kLabel, 2);
    PutLittleEndian(header + 2, length + 7, 2);
    PutBytes(reinterpret_cast<const char*>(header), sizeof header);
    PutBytes(reinterpret_cast<const char*>(head), sizeof head);
    PutBytes(text, length);
    PutChar('\0');
}

BOOL CInternalWKSTarget::WriteHeader()
{
    PutRecord(kBof, kBofBody, sizeof kBofBody);
    m_row = 0;
    for (m_column = 0; m_column < m_layout.count; ++m_column)
    {
        const DSField& field = m_layout.fields[m_column];
        PutLabel(field.name, strnlen(field.name, sizeof field.name));
    }
    m_row = 1;
    return !WriteFailed();
}

BOOL CInternalWKSTarget::FormatRecord()
{
    if (m_row >= kSheetRows)
        return ZRI_FAIL(SourceName(), IDS_ZRI020, static_cast<int>(m_row));
    for (m_column = 0; m_column < m_layout.count; ++m_column)
        if (!FormatField(m_layout.fields[m_column]))
            return FieldFailed(m_column);
    ++m_row;
    return TRUE;
}

BOOL CInternalWKSTarget::FormatField(const DSField& field)
{
    const size_t length = FieldLength(field);
    if (IsPcTextType(field.type))
    {
        PutLabel(field.value, length);
        return TRUE;
    }
    SheetNumber number;
    if (!IsPcNumberType(field.type) || !ReadSheetNumber(field.value, length, false, number))
        return FALSE;
    unsigned char body[13] = {kNumberFormat};
    PutLittleEndian(body + 1, m_column, 2);
    PutLittleEndian(body + 3, m_row, 2);
    if (number.integer)
    {
        PutLittleEndian(body + 5, static_cast<unsigned short>(static_cast<short>(number.value)), 2);
        PutRecord(kInteger, body, 7);
        return TRUE;
    }
    unsigned long long bits = 0;
    std::memcpy(&bits, &number.value, sizeof bits);
    PutLittleEndian(body + 5, bits, 8);
    PutRecord(kNumber, body, 13);
    return TRUE;
}

BOOL CInternalWKSTarget::WriteTrailer()
{
    PutRecord(kEof, nullptr, 0);
    return FlushBuffer();
}
