#include "BenchStore.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace
{
struct BenchField
{
    const char* name;
    char type;   // A, P, S or B
    int length;  // characters of A, digits of the others
    int decimals;
    const char* text;
};

const BenchField kFields[] = {
    {"CUSTNO", 'P', 7, 0, "Customer number"},
    {"NAME", 'A', 30, 0, "Name"},
    {"CITY", 'A', 20, 0, "City"},
    {"BALANCE", 'P', 11, 2, "Balance"},
    {"CREDIT", 'S', 9, 2, "Credit limit"},
    {"ORDERS", 'B', 4, 0, "Orders this year"},
    {"POINTS", 'B', 9, 0, "Bonus points"},
};

const char* const kCities[] = {"Rochester",    "Armonk",   "Boca Raton", "Endicott",
                               "Poughkeepsie", "San Jose", "Austin",     "Raleigh"};

int HostBytes(const BenchField& field)
{
    switch (field.type)
    {
    case 'P':
        return field.length / 2 + 1;
    case 'B':
        return field.length > 5 ? 4 : 2;
    default:
        return field.length;
    }
}

int DisplayChars(const BenchField& field)
{
    return field.type == 'A' ? field.length : field.length + 1 + (field.decimals ? 1 : 0);
}

// The value of a numeric field of record i, within the field's digits, negative now and then.
long long Value(int i, int field)
{
    switch (field)
    {
    case 0:
        return i + 1;
    case 3:
        return (i * 7919LL) % 2000000000LL - 1000000000LL;
    case 4:
        return (i * 104729LL) % 1000000000LL - 500000000LL;
    case 5:
        return i % 19999 - 9999;
    default:
        return (i * 7LL) % 1999999999LL - 999999999LL;
    }
}

void AppendByte(std::string& line, unsigned byte)
{
    static const char kDigits[] = "0123456789ABCDEF";
    line += '\\';
    line += kDigits[(byte >> 4) & 0x0F];
    line += kDigits[byte & 0x0F];
}

// The host bytes of a number (packed or zoned with sign F or D, binary big-endian), each as an escape.
void AppendNumber(std::string& line, const BenchField& field, long long value)
{
    const bool negative = value < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
    if (field.type == 'B')
    {
        const int bytes = HostBytes(field);
        const unsigned long long bits = static_cast<unsigned long long>(value);
        for (int i = bytes - 1; i >= 0; --i)
            AppendByte(line, static_cast<unsigned>((bits >> (8 * i)) & 0xFF));
        return;
    }
    char digits[40];
    std::snprintf(digits, sizeof digits, "%0*llu", field.length, magnitude);
    const unsigned sign = negative ? 0xD : 0xF;
    if (field.type == 'S')
    {
        for (int i = 0; i < field.length; ++i)
            AppendByte(line, ((i + 1 == field.length ? sign : 0xF) << 4) | unsigned(digits[i] - '0'));
        return;
    }
    // Packed: the digits and the sign nibble, a leading zero nibble when their count is odd.
    std::string nibbles(digits);
    if (field.length % 2 == 0)
        nibbles.insert(nibbles.begin(), '0');
    for (std::size_t i = 0; i + 1 < nibbles.size(); i += 2)
        AppendByte(line, unsigned(nibbles[i] - '0') << 4 | unsigned(nibbles[i + 1] - '0'));
    AppendByte(line, unsigned(nibbles.back() - '0') << 4 | sign);
}

void AppendText(std::string& line, const char* text, int length)
{
    char padded[64];
    std::snprintf(padded, sizeof padded, "%-*.*s", length, length, text);
    line += padded;
}

// The records as record-file lines: characters as they are, the bytes of numbers as escapes.
std::string RecordLines(int records)
{
    std::string lines;
    lines.reserve(static_cast<std::size_t>(records) * 160);
    char name[32];
    for (int i = 0; i < records; ++i)
    {
        std::snprintf(name, sizeof name, "Customer %06d", i + 1);
        for (int f = 0; f < static_cast<int>(std::size(kFields)); ++f)
        {
            const BenchField& field = kFields[f];
            if (field.type != 'A')
                AppendNumber(lines, field, Value(i, f));
            else
                AppendText(lines, f == 1 ? name : kCities[i % std::size(kCities)], field.length);
        }
        lines += "\r\n";
    }
    return lines;
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool MakeFolders(const std::string& store, const std::initializer_list<const char*> folders)
{
    std::string path = store;
    CreateDirectoryA(path.c_str(), nullptr);
    for (const char* folder : folders)
    {
        path += std::string("\\") + folder;
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}
}

BenchLayout BenchRecordLayout()
{
    BenchLayout layout = {static_cast<int>(std::size(kFields)), 0, 0};
    for (const BenchField& field : kFields)
    {
        layout.bytes += HostBytes(field);
        layout.displayChars += DisplayChars(field);
    }
    return layout;
}

std::string BenchDescriptionFile()
{
    std::string lines;
    char line[80];
    for (const BenchField& field : kFields)
    {
        std::snprintf(line, sizeof line, "%-10s%c%03d%02d%-50s\r\n", field.name, field.type, field.length,
                      field.decimals, field.text);
        lines += line;
    }
    return lines;
}

std::string BenchAs400Member(const std::string& store, const char* member)
{
    return store + "\\AS400\\" + BENCH_AS400_LIBRARY + "\\" + BENCH_AS400_FILE + "\\" + member + ".MBR";
}

std::string BenchS36File(const std::string& store, const char* file)
{
    return store + "\\S36\\FILES\\" + file + ".DAT";
}

bool WriteBenchStore(const std::string& store, int records)
{
    const std::string library = store + "\\AS400\\" + BENCH_AS400_LIBRARY;
    const std::string file = library + "\\" + BENCH_AS400_FILE;
    const std::string s36 = store + "\\S36\\FILES\\" + BENCH_S36_FILE;
    const std::string lines = RecordLines(records);
    const BenchLayout layout = BenchRecordLayout();
    return MakeFolders(store, {"AS400", BENCH_AS400_LIBRARY, BENCH_AS400_FILE}) &&
           MakeFolders(store, {"S36", "FILES"}) &&
           WriteWhole(file + ".INI", std::string("[File]\r\nType=DATA\r\nText=Orders\r\n[Members]\r\n") +
                                         BENCH_AS400_MEMBER + "=Generated records\r\n") &&
           WriteWhole(file + ".FMT", BenchDescriptionFile()) &&
           WriteWhole(BenchAs400Member(store, BENCH_AS400_MEMBER), lines) &&
           WriteWhole(s36 + ".INI", "[File]\r\nRecordLength=" + std::to_string(layout.bytes) +
                                        "\r\nRecords=" + std::to_string(records) + "\r\nText=Orders\r\n") &&
           WriteWhole(s36 + ".DAT", lines);
}
