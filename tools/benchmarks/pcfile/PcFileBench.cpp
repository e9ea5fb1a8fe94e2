// Each PC text format's writer and reader through Zrtpcfile's table, driven as the manager drives it, against
// writing (and reading) the same bytes with one fwrite (fread) in the same run. Each round times the data source and
// then the baseline (the other way round in every other round) and writes both files anew; the figures are the
// medians of the rounds. Goal: every writer at least a third of the fwrite rate.
#include "BenchSupport.h"
#include "BenchTiming.h"
#include "DataSource.h"
#include "TempProgramFolder.h"
#include "TransferRunner.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int kRecords = 200000;
constexpr int kRounds = 7;
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 20, 0},
                                                  {"CITY      ", HFT_CHARACTER, 15, 0},
                                                  {"QTY       ", HFT_ZONED, 7, 0},
                                                  {"AMOUNT    ", HFT_PACKED, 11, 2}};

struct Format
{
    const char* name;
    int type;
    std::string file;
    std::string bytes{};           // what the writer wrote
    std::vector<double> writer{};  // seconds of each round
    std::vector<double> reader{};
    std::vector<double> fwrite{};
    std::vector<double> fread{};
    bool ok = true;
};

void FillRecords(HostRecords& host, const EnvironmentCallbacks* environment)
{
    char text[4][32];
    for (int i = 0; i < kRecords; ++i)
    {
        std::snprintf(text[0], sizeof text[0], "Customer %d", i);
        std::snprintf(text[1], sizeof text[1], "City \"%d\"", i % 977);
        std::snprintf(text[2], sizeof text[2], "%c%05d", i % 3 ? ' ' : '-', i % 100000);
        std::snprintf(text[3], sizeof text[3], " %07d.%02d", i, i % 100);
        host.AddRecordText({text[0], text[1], text[2], text[3]}, environment, ZRCS_EBCDIC_TO_ASCII);
    }
}

// Times the data source and the baseline once each, in the given order.
template <typename DataSource, typename Baseline>
void TimeRound(int round, DataSource dataSource, Baseline baseline, std::vector<double>& dataSourceTimes,
               std::vector<double>& baselineTimes)
{
    if (round % 2 == 0)
        dataSourceTimes.push_back(Seconds(dataSource));
    baselineTimes.push_back(Seconds(baseline));
    if (round % 2 == 1)
        dataSourceTimes.push_back(Seconds(dataSource));
}

void MeasureWriters(DataSourceDriver& driver, std::vector<Format>& formats)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    HostRecords host(kFields);
    FillRecords(host, environment);
    for (Format& format : formats)
    {
        SetProfile(tables, format.type, format.file);
        const auto write = [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.ToPc(host, environment).Succeeded() && format.ok;
        };
        write();
        format.bytes = ReadWholeFile(format.file).value_or(std::string());
        const std::string copy = format.file + ".fwrite";
        const auto fwriteCopy = [&] { format.ok = WriteBytes(copy, format.bytes) && format.ok; };
        for (int round = 0; round < kRounds; ++round)
        {
            DeleteFileA(format.file.c_str());
            DeleteFileA(copy.c_str());
            TimeRound(round, write, fwriteCopy, format.writer, format.fwrite);
        }
        format.ok = ReadWholeFile(format.file) == format.bytes && NoErrors(tables, format.name) && format.ok;
    }
}

void MeasureReaders(DataSourceDriver& driver, std::vector<Format>& formats)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    for (Format& format : formats)
    {
        SetProfile(tables, format.type, format.file);
        HostRecords host(kFields);
        const auto read = [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.FromPc(host, environment).Succeeded() &&
                        host.Records().size() == size_t(kRecords) && format.ok;
        };
        const std::string copy = format.file + ".fwrite";
        std::string back(format.bytes.size(), '\0');
        const auto freadCopy = [&] { format.ok = ReadBytes(copy, back) && format.ok; };
        for (int round = 0; round < kRounds; ++round)
            TimeRound(round, read, freadCopy, format.reader, format.fread);
        format.ok = back == format.bytes && NoErrors(tables, format.name) && format.ok;
    }
}

// What every writer's time holds before the data source does anything: the driver's loop over the host records
// with one TranslateCodePage per field into a PC record, nothing written. Records per second, median of the rounds.
double CallingSideRate()
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    HostRecords host(kFields);
    FillRecords(host, environment);
    std::vector<char> record(host.RecordLength());
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round)
        times.push_back(Seconds([&] {
            host.StartReading();
            DSField field{};
            while (!host.EndOfData() && host.GetField(&field))
            {
                WORD length = static_cast<WORD>(FieldLength(field));
                environment->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, field.value,
                                               record.data() + (field.value - host.Layout()->buffer), length, &length);
                host.NextField();
            }
        }));
    return kRecords / Median(times);
}
}

int main()
{
    TempProgramFolder folder;
    DataSourceDriver driver("Zrtpcfile.dll");
    if (!driver.IsLoaded())
    {
        std::printf("PC file benchmark: Zrtpcfile.dll cannot be loaded\n");
        return 2;
    }
    std::vector<Format> formats;
    for (const auto& [name, type] : {std::pair{"TXT", PCFT_TXT}, std::pair{"TAB", PCFT_TAB}, std::pair{"CSV", PCFT_CSV},
                                     std::pair{"PRN", PCFT_PRN}, std::pair{"DLM", PCFT_DLM}})
        formats.push_back({name, type, folder.PathOf((std::string("bench.") + name).c_str())});
    MeasureWriters(driver, formats);
    MeasureReaders(driver, formats);

    bool met = true;
    std::printf("PC file formats, %d records of %zu fields, median of %d rounds, each writing new files:\n", kRecords,
                kFields.size(), kRounds);
    std::printf("  format    MB   writer rec/s    MB/s   reader rec/s    MB/s   fwrite MB/s  fread MB/s  "
                "writer/fwrite\n");
    for (const Format& format : formats)
    {
        if (!format.ok)
        {
            std::printf("  %-6s a transfer failed\n", format.name);
            met = false;
            continue;
        }
        const double bytes = double(format.bytes.size());
        const double writer = Median(format.writer);
        const double reader = Median(format.reader);
        const double writerRate = MegabytesPerSecond(bytes, writer);
        const double fwriteRate = MegabytesPerSecond(bytes, Median(format.fwrite));
        const double ratio = writerRate / fwriteRate;
        met = met && ratio >= 1.0 / 3.0;
        std::printf("  %-6s %5.1f   %12.0f  %6.1f   %12.0f  %6.1f   %11.1f  %10.1f  %13.2f\n", format.name, bytes / 1e6,
                    kRecords / writer, writerRate, kRecords / reader, MegabytesPerSecond(bytes, reader), fwriteRate,
                    MegabytesPerSecond(bytes, Median(format.fread)), ratio);
    }
    std::printf(
        "  the calling side alone (host records, one TranslateCodePage per field, nothing written): %.0f rec/s\n",
        CallingSideRate());
    std::printf("  goal: every writer at least a third of the fwrite rate: %s\n", met ? "met" : "missed");
    return met ? 0 : 1;
}
