#include "RecordFormatSupport.h"

#include <windows.h>

#include <cstring>

std::string Le16(unsigned value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}

std::string Le32(unsigned long value)
{
    return Le16(value & 0xFFFF) + Le16(value >> 16 & 0xFFFF);
}

std::string LeDouble(double value)
{
    unsigned long long bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return Le32(static_cast<unsigned long>(bits & 0xFFFFFFFF)) + Le32(static_cast<unsigned long>(bits >> 32));
}

std::string ZriText(int number, const std::string& argument)
{
    if (number == 6)
        return "Error ZRI006: Failed to write the remaining data to disk. Free some space on the destination disk and "
               "try again.";
    if (number == 20)
        return "Error ZRI020: Record #" + argument +
               " does not fit into the PC file: the file format has no row left for it. Transfer fewer records into "
               "this file or choose another PC file type.";
    return Zri(number, argument);
}

std::string LotusRecord(unsigned opcode, const std::string& body)
{
    return Le16(opcode) + Le16(static_cast<unsigned>(body.size())) + body;
}

std::string LotusBof()
{
    return LotusRecord(0x0000, "\x04\x04");
}

std::string LotusLabel(unsigned column, unsigned row, const std::string& text)
{
    return LotusRecord(0x000F, std::string("\xF5") + Le16(column) + Le16(row) + "'" + text + std::string(1, '\0'));
}

std::string LotusInteger(unsigned column, unsigned row, int value)
{
    return LotusRecord(0x000D,
                       std::string("\xFF") + Le16(column) + Le16(row) + Le16(static_cast<unsigned>(value) & 0xFFFF));
}

std::string LotusNumber(unsigned column, unsigned row, double value)
{
    return LotusRecord(0x000E, std::string("\xFF") + Le16(column) + Le16(row) + LeDouble(value));
}

std::string LotusEof()
{
    return LotusRecord(0x0001, "");
}

std::string BiffRecord(unsigned opcode, const std::string& body)
{
    return LotusRecord(opcode, body);
}

std::string BiffBof()
{
    return BiffRecord(0x0009, Le16(2) + Le16(0x10));
}

std::string BiffDimensions(unsigned rowsPlusOne, unsigned fieldsPlusOne)
{
    return BiffRecord(0x0000, Le16(0) + Le16(rowsPlusOne) + Le16(0) + Le16(fieldsPlusOne));
}

std::string BiffLabel(unsigned row, unsigned column, const std::string& text)
{
    return BiffRecord(0x0004, Le16(row) + Le16(column) + std::string(3, '\0') +
                                  std::string(1, static_cast<char>(text.size())) + text);
}

std::string BiffInteger(unsigned row, unsigned column, unsigned value)
{
    return BiffRecord(0x0002, Le16(row) + Le16(column) + std::string(3, '\0') + Le16(value));
}

std::string BiffNumber(unsigned row, unsigned column, double value)
{
    return BiffRecord(0x0003, Le16(row) + Le16(column) + std::string(3, '\0') + LeDouble(value));
}

std::string BiffEof()
{
    return BiffRecord(0x000A, "");
}

std::string DifHeaderBytes(const std::string& records, const std::string& fields)
{
    auto count = [](const std::string& value) {
        return value + std::string(4 - std::min<size_t>(4, value.size()), ' ');
    };
    return "TABLE\r\n0,1\r\n\"\"\r\nVECTORS\r\n0," + count(records) + "\r\n\"\"\r\nTUPLES\r\n0," + count(fields) +
           "\r\n\"\"\r\nDATA\r\n0,0\r\n\"\"\r\n-1,0\r\nBOT\r\n";
}

std::string DbfHeaderBytes(unsigned long records, const std::vector<DbfColumnDefinition>& columns)
{
    SYSTEMTIME today{};
    GetSystemTime(&today);
    unsigned recordLength = 1;
    for (const DbfColumnDefinition& column : columns)
        recordLength += column.width;
    std::string header = "\x03";
    header += static_cast<char>(today.wYear - 1900);
    header += static_cast<char>(today.wMonth);
    header += static_cast<char>(today.wDay);
    header += Le32(records) + Le16(32 * static_cast<unsigned>(columns.size()) + 33) + Le16(recordLength);
    header += std::string(20, '\0');
    unsigned offset = 1;
    for (const DbfColumnDefinition& column : columns)
    {
        std::string descriptor = column.name;
        descriptor.resize(11, '\0');
        descriptor += column.type;
        descriptor += Le32(offset);
        descriptor += static_cast<char>(column.width);
        descriptor += static_cast<char>(column.decimals);
        descriptor += std::string(14, '\0');
        header += descriptor;
        offset += column.width;
    }
    return header + "\x0D";
}

TransferOutcome ReadBack(TransferRunner& runner, PcTransfer transfer, const std::string& file)
{
    transfer.records.clear();
    transfer.fileBefore = file;
    TransferOutcome outcome = runner.FromPc(transfer);
    EXPECT_TRUE(outcome.Succeeded()) << Escaped(file);
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>());
    EXPECT_EQ(outcome.steps.recordCount, static_cast<int>(outcome.records.size()));
    return outcome;
}

void ExpectFailure(const TransferOutcome& outcome, const std::string& message, const std::string& context)
{
    EXPECT_FALSE(outcome.Succeeded()) << context;
    EXPECT_EQ(outcome.ErrorTexts(), std::vector<std::string>{message}) << context;
}
