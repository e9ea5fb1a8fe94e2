// The header of a dBASE III table file: 32 bytes, one 32-byte descriptor per column, the terminator 0x0D.
#pragma once

#include "DataSource.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kDbfHeaderSize = 32;
constexpr size_t kDbfDescriptorSize = 32;
constexpr char kDbfTerminator = 0x0D;
constexpr char kDbfDeleted = '*';
// Widest column: its length is one byte.
constexpr unsigned kDbfMostColumnWidth = 255;

struct DbfColumn
{
    char type;
    unsigned width;
};

struct DbfHeader
{
    uint32_t recordCount = 0;
    unsigned headerLength = 0;
    unsigned recordLength = 0;
    std::vector<DbfColumn> columns;
};

// Reads the header through `read` (bytes wanted, destination; bytes given), calling `keep` before each descriptor
// so that a long header need not stay in the buffer. False when it is cut short, has no terminator within its
// length, or its record length is not the sum of its column widths and the deletion flag.
template <typename Read, typename Keep>
bool ReadDbfHeader(Read read, Keep keep, DbfHeader& header)
{
    unsigned char bytes[kDbfDescriptorSize];
    if (read(kDbfHeaderSize, reinterpret_cast<char*>(bytes)) != kDbfHeaderSize)
        return false;
    header.recordCount = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<uint32_t>(bytes[7]) << 24;
    header.headerLength = bytes[8] | bytes[9] << 8;
    header.recordLength = bytes[10] | bytes[11] << 8;
    header.columns.clear();
    unsigned widths = 1;
    for (size_t end = kDbfHeaderSize + 1; end <= header.headerLength; end += kDbfDescriptorSize)
    {
        keep();
        if (read(1, reinterpret_cast<char*>(bytes)) != 1)
            return false;
        if (bytes[0] == kDbfTerminator)
            return header.recordLength == widths;
        if (read(kDbfDescriptorSize - 1, reinterpret_cast<char*>(bytes) + 1) != kDbfDescriptorSize - 1)
            return false;
        header.columns.push_back({static_cast<char>(bytes[11]), bytes[16]});
        widths += bytes[16];
    }
    return false;
}

// Whether the columns fit the field list: one column per field, "C" for a text field and "N" for any other.
// withWidths: every column also has its field's width.
bool DbfColumnsFit(const DbfHeader& header, const DSRecordLayout& layout, bool withWidths);

// Where the records that the header counts end: the header's length and its count of whole records.
inline long long DbfRecordsEnd(const DbfHeader& header)
{
    return static_cast<long long>(header.headerLength) +
           static_cast<long long>(header.recordCount) * static_cast<long long>(header.recordLength);
}
