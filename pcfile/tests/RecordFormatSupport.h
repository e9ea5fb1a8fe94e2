// What the tests of the DIF, DBF, DOS random and worksheet formats share: expected bytes built from the formats'
// record tables, message texts, and transfers that write a file and read it back.
#pragma once

#include "PcFileTestSupport.h"

#include <string>
#include <vector>

// Little-endian numbers and an IEEE double, as the binary formats store them.
std::string Le16(unsigned value);
std::string Le32(unsigned long value);
std::string LeDouble(double value);

// The text of message ZRInnn with its argument, the messages of these formats included.
std::string ZriText(int number, const std::string& argument = std::string());

// Lotus worksheet records (WKS, WKQ).
std::string LotusRecord(unsigned opcode, const std::string& body);
std::string LotusBof();
std::string LotusLabel(unsigned column, unsigned row, const std::string& text);
std::string LotusInteger(unsigned column, unsigned row, int value);
std::string LotusNumber(unsigned column, unsigned row, double value);
std::string LotusEof();

// Excel BIFF2 records (XLS).
std::string BiffRecord(unsigned opcode, const std::string& body);
std::string BiffBof();
std::string BiffDimensions(unsigned rowsPlusOne, unsigned fieldsPlusOne);
std::string BiffLabel(unsigned row, unsigned column, const std::string& text);
std::string BiffInteger(unsigned row, unsigned column, unsigned value);
std::string BiffNumber(unsigned row, unsigned column, double value);
std::string BiffEof();

// The DIF header with its two counts filled in as the writer leaves them (left-aligned in four blanks).
std::string DifHeaderBytes(const std::string& records, const std::string& fields);

// The DBF header and descriptors for today's UTC date.
struct DbfColumnDefinition
{
    std::string name;
    char type;
    unsigned width;
    unsigned decimals;
};
std::string DbfHeaderBytes(unsigned long records, const std::vector<DbfColumnDefinition>& columns);

// A transfer that must fail with exactly the one message; context names the case in a failure.
void ExpectFailure(const TransferOutcome& outcome, const std::string& message, const std::string& context = {});

// Reads the file with the transfer's fields and settings; must succeed. Gives the host records received.
TransferOutcome ReadBack(TransferRunner& runner, PcTransfer transfer, const std::string& file);
