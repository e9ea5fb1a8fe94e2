#include "HostFields.h"

#include "AsciiText.h"
#include "DataSource.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace
{
int HostTypeOfDescr(int descrType)
{
    switch (descrType)
    {
    case DFT_ZONED:
        return HFT_ZONED;
    case DFT_PACKED:
        return HFT_PACKED;
    case DFT_BINARY:
        return HFT_BINARY;
    default:
        return HFT_CHARACTER;
    }
}

// Copies a record's bytes between its record buffer and the data area. Records are mostly short, where a call of
// the runtime's memcpy costs more than the bytes: eight or four bytes at a time inline, the last group overlapping
// the one before it. The record buffer and the data area are never the same memory.
void CopyAreaBytes(char* to, const char* from, std::size_t count)
{
    constexpr std::size_t kLongRecord = 64;
    if (count >= kLongRecord)
        std::memcpy(to, from, count);
    else if (count >= 8)
    {
        std::uint64_t group;
        for (std::size_t i = 0; i + 8 < count; i += 8)
        {
            std::memcpy(&group, from + i, sizeof group);
            std::memcpy(to + i, &group, sizeof group);
        }
        std::memcpy(&group, from + count - 8, sizeof group);
        std::memcpy(to + count - 8, &group, sizeof group);
    }
    else if (count >= 4)
    {
        std::uint32_t first;
        std::uint32_t last;
        std::memcpy(&first, from, sizeof first);
        std::memcpy(&last, from + count - 4, sizeof last);
        std::memcpy(to, &first, sizeof first);
        std::memcpy(to + count - 4, &last, sizeof last);
    }
    else
    {
        for (std::size_t i = 0; i < count; ++i)
            to[i] = from[i];
    }
}

void FormatRecord(const char* name, char letter, int digits, int decimals, const char* comment,
                  char record[DESCR_LINE_CHARS])
{
    char line[DESCR_LINE_CHARS + 1];
    std::snprintf(line, sizeof line, "%-10.10s%c%03d%02d%-50.50s", name, letter, digits, decimals, comment);
    std::memcpy(record, line, DESCR_LINE_CHARS);
}
}

int DisplayLength(int digits, int decimals)
{
    return digits + 1 + (decimals != 0 ? 1 : 0);
}

int BinaryFieldBytes(int digits)
{
    return digits > 5 ? 4 : 2;
}

int PackedFieldBytes(int digits)
{
    return digits / 2 + 1;
}

char HostTypeLetter(int hostType)
{
    switch (hostType)
    {
    case HFT_CHARACTER:
        return 'A';
    case HFT_PACKED:
        return 'P';
    case HFT_ZONED:
        return 'S';
    case HFT_BINARY:
        return 'B';
    default:
        return '\0';
    }
}

void MakeHostField(const DescrField& description, bool binary, DSField& field)
{
    field = DSField{};
    std::snprintf(field.name, sizeof field.name, "%-10.10s", description.name);
    std::snprintf(field.text, sizeof field.text, "%-50.50s", description.comment);
    field.type = HostTypeOfDescr(description.type);
    field.decimals = static_cast<short>(description.decimals);
    const int digits = description.length;
    int length = digits;
    if (field.type != HFT_CHARACTER && !binary)
        length = DisplayLength(digits, description.decimals);
    else if (field.type == HFT_PACKED)
        length = PackedFieldBytes(digits);
    else if (field.type == HFT_BINARY)
        length = BinaryFieldBytes(digits);
    field.length = static_cast<short>(length);
}

bool MakeDescribedFields(const std::vector<DescrField>& descriptions, bool binary, DSRecordLayout& layout)
{
    if (!AllocateLayoutFields(layout, static_cast<int>(descriptions.size())))
        return false;
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        MakeHostField(descriptions[i], binary, layout.fields[i]);
    return true;
}

bool ParseHostDescription(const char* record, bool binary, DSField& field)
{
    DescrField description;
    if (!ParseDescrLine(record, DESCR_LINE_CHARS, description))
        return false;
    // The name keeps what the record holds, leading blanks included.
    MakeHostField(description, binary, field);
    std::memcpy(field.name, record, DESCR_NAME_CHARS);
    return true;
}

int HostFieldDigits(const DSField& field)
{
    const int length = static_cast<unsigned short>(field.length);
    if (field.type == HFT_CHARACTER)
        return length;
    if (HostTypeLetter(field.type) == '\0')
        return -1;
    return length - 1 - (field.decimals != 0 ? 1 : 0);
}

bool FormatHostDescription(const DSField& field, char record[DESCR_LINE_CHARS])
{
    const char letter = HostTypeLetter(field.type);
    const int digits = HostFieldDigits(field);
    if (letter == '\0' || digits < 0 || digits > DESCR_MAX_LENGTH || field.decimals < 0 ||
        field.decimals > DESCR_MAX_DECIMALS)
        return false;
    char name[sizeof field.name];
    char comment[sizeof field.text];
    std::memcpy(name, field.name, sizeof name);
    std::memcpy(comment, field.text, sizeof comment);
    name[sizeof name - 1] = '\0';
    comment[sizeof comment - 1] = '\0';
    FormatRecord(name, letter, digits, field.decimals, comment, record);
    return true;
}

bool FormatHostDescription(const DescrField& description, char record[DESCR_LINE_CHARS])
{
    const char letter = DescrTypeLetter(description.type);
    if (letter == '\0' || description.length < 0 || description.length > DESCR_MAX_LENGTH)
        return false;
    FormatRecord(description.name, letter, description.length, description.decimals, description.comment, record);
    return true;
}

int PutPaddedNumber(char* text, int value, int width)
{
    char digits[10];
    int count = 0;
    unsigned magnitude = value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do
    {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int written = 0;
    if (value < 0)
        text[written++] = '-';
    for (int zeros = width - written - count; zeros > 0; --zeros)
        text[written++] = '0';
    while (count > 0)
        text[written++] = digits[--count];
    return written;
}

void EncodeHex(const char* bytes, int count, char* text)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < count; ++i)
    {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        text[2 * i] = kDigits[byte >> 4];
        text[2 * i + 1] = kDigits[byte & 0x0F];
    }
}

bool DecodeHex(const char* text, int count, char* bytes)
{
    for (int i = 0; i < count; ++i)
    {
        const int high = HexDigitValue(text[2 * i]);
        const int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<char>(high << 4 | low);
    }
    return true;
}

void TakeRecordFromArea(const char* area, int& used, DSRecordLayout& layout)
{
    CopyAreaBytes(layout.buffer, area + used, layout.length);
    used += static_cast<int>(layout.length);
}

bool TakeHexFieldFromArea(const char* area, int& used, DSField& field)
{
    const int length = static_cast<unsigned short>(field.length);
    if (!DecodeHex(area + used, length, field.value))
        return false;
    used += 2 * length;
    return true;
}

void PutRecordIntoArea(const DSRecordLayout& layout, bool hex, char* area, int& used)
{
    const int length = static_cast<int>(layout.length);
    if (hex)
    {
        EncodeHex(layout.buffer, length, area + used);
        used += 2 * length;
        return;
    }
    CopyAreaBytes(area + used, layout.buffer, layout.length);
    used += length;
}
