// The records of the worksheet formats (Lotus and Excel BIFF2): a 2-byte opcode, a 2-byte body length and the body,
// all numbers little-endian; and the cell values that a number field becomes.
#pragma once

#include <cstddef>
#include <cstdint>

// Most rows a 16-bit row field counts.
constexpr long kSheetRows = 0x10000;

struct SheetRecord
{
    unsigned opcode = 0;
    unsigned length = 0;         // of the body
    long long offset = 0;        // of the record in the file
    unsigned char head[8] = {};  // the body's first bytes
};

// Reads the next record through the input (size_t Read(count, destination), void Keep(), long long Position()),
// keeping the first bytes of its body and passing over the rest. False when the file ends within the record or
// before it.
template <typename Input>
bool ReadSheetRecord(Input& input, SheetRecord& record)
{
    input.Keep();
    record.offset = input.Position();
    unsigned char header[4];
    if (input.Read(sizeof header, reinterpret_cast<char*>(header)) != sizeof header)
        return false;
    record.opcode = header[0] | header[1] << 8;
    record.length = header[2] | header[3] << 8;
    const size_t kept = record.length < sizeof record.head ? record.length : sizeof record.head;
    if (input.Read(kept, reinterpret_cast<char*>(record.head)) != kept)
        return false;
    char chunk[4096];
    for (size_t left = record.length - kept; left > 0;)
    {
        input.Keep();
        const size_t part = left < sizeof chunk ? left : sizeof chunk;
        if (input.Read(part, chunk) != part)
            return false;
        left -= part;
    }
    return true;
}

inline unsigned SheetWord(const unsigned char* at)
{
    return at[0] | at[1] << 8;
}

// A number field's value as a cell: a whole number of the INTEGER record's range, or any other number.
struct SheetNumber
{
    bool integer = false;
    double value = 0;
};

// Reads a number text: with a point or an exponent ("E", "e"), or a minus sign when minusMakesNumber is set, it is
// a floating-point number; otherwise a whole number, an INTEGER cell when it lies within -32,768..32,767. Blanks
// alone are zero. False when the text is no number.
bool ReadSheetNumber(const char* text, size_t length, bool minusMakesNumber, SheetNumber& number);
