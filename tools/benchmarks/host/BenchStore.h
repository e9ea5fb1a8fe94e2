// The host store of the host benchmark: one data file of generated records on each simulated host, with every
// field type, written in the store's record-file form.
#pragma once

#include <string>

// AS/400 library, file and member that hold the records, and the System/36 file.
inline constexpr char BENCH_AS400_LIBRARY[] = "BENCH";
inline constexpr char BENCH_AS400_FILE[] = "ORDERS";
inline constexpr char BENCH_AS400_MEMBER[] = "BIG";
inline constexpr char BENCH_S36_FILE[] = "ORDERS";

struct BenchLayout
{
    int fields;
    int bytes;         // a record on the host
    int displayChars;  // a record in text mode (every number in its display form)
};

BenchLayout BenchRecordLayout();

// The description file of the records (68-byte lines), as ZRT reads it and as the AS/400 file's .FMT.
std::string BenchDescriptionFile();

// Creates the store folder with the AS/400 file BENCH/ORDERS, member BIG, and the System/36 file ORDERS, each
// holding `records` records; FALSE when a file cannot be written.
bool WriteBenchStore(const std::string& store, int records);

// A record file of the store in its folder ("AS400\BENCH\ORDERS\BIG.MBR").
std::string BenchAs400Member(const std::string& store, const char* member);
std::string BenchS36File(const std::string& store, const char* file);
