// The DIF, DBF, DR1, DR2, WKQ, WKS and XLS writers and the DIF, DBF, DR1 and DR2 readers through Zrtpcfile's table,
// driven as the manager drives them, against writing (and reading) the same bytes with one fwrite (fread) in the
// same run. The figures are printed beside their baselines; the exit status is 2 when a transfer failed.
#include "BenchSupport.h"
#include "BenchTiming.h"
#include "TempProgramFolder.h"
#include "TransferRunner.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
// Worksheets hold at most 65,535 rows.
constexpr int kRecords = 60000;
constexpr int kRounds = 5;
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 20, 0},
                                                  {"CITY      ", HFT_CHARACTER, 15, 0},
                                                  {"QTY       ", HFT_ZONED, 7, 0},
                                                  {"AMOUNT    ", HFT_PACKED, 11, 2},
                                                  {"CODE      ", HFT_BINARY, 6, 0}};

struct Format
{
    const char* name;
    int type;
    bool readable;
    std::string file;
    double writer = 0;
    double reader = 0;
    double bytes = 0;
    double fwriteRate = 0;
    double freadRate = 0;
    bool ok = true;
};

void FillRecords(HostRecords& host, const EnvironmentCallbacks* environment)
{
    char text[5][32];
    for (int i = 0; i < kRecords; ++i)
    {
        std::snprintf(text[0], sizeof text[0], "Customer %d", i);
        std::snprintf(text[1], sizeof text[1], "City \"%d\"", i % 977);
        std::snprintf(text[2], sizeof text[2], "%c%06d", i % 3 ? ' ' : '-', i % 1000000);
        std::snprintf(text[3], sizeof text[3], " %07d.%02d", i, i % 100);
        std::snprintf(text[4], sizeof text[4], "% 6d", i % 30000 - 15000);
        host.AddRecordText({text[0], text[1], text[2], text[3], text[4]}, environment, ZRCS_EBCDIC_TO_ASCII);
    }
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
        format.writer = BestSeconds(kRounds, [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.ToPc(host, environment).Succeeded() && format.ok;
        });
        const std::string bytes = ReadWholeFile(format.file).value_or(std::string());
        format.bytes = double(bytes.size());
        const std::string copy = format.file + ".fwrite";
        format.fwriteRate = MegabytesPerSecond(
            format.bytes, BestSeconds(kRounds, [&] { format.ok = WriteBytes(copy, bytes) && format.ok; }));
        std::string back(bytes.size(), '\0');
        format.freadRate = MegabytesPerSecond(
            format.bytes, BestSeconds(kRounds, [&] { format.ok = ReadBytes(copy, back) && format.ok; }));
        format.ok = NoErrors(tables, format.name) && format.ok;
    }
}

void MeasureReaders(DataSourceDriver& driver, std::vector<Format>& formats)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    for (Format& format : formats)
    {
        if (!format.readable)
            continue;
        SetProfile(tables, format.type, format.file);
        HostRecords host(kFields);
        format.reader = BestSeconds(kRounds, [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.FromPc(host, environment).Succeeded() &&
                        host.Records().size() == size_t(kRecords) && format.ok;
        });
        format.ok = NoErrors(tables, format.name) && format.ok;
    }
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
    const struct
    {
        const char* name;
        int type;
        bool readable;
    } kinds[] = {{"DIF", PCFT_DIF, true},  {"DBF", PCFT_DBF, true},  {"DR1", PCFT_DR1, true}, {"DR2", PCFT_DR2, true},
                 {"WKQ", PCFT_WKQ, false}, {"WKS", PCFT_WKS, false}, {"XLS", PCFT_XLS, false}};
    for (const auto& kind : kinds)
        formats.push_back(
            {kind.name, kind.type, kind.readable, folder.PathOf((std::string("bench.") + kind.name).c_str())});
    MeasureWriters(driver, formats);
    MeasureReaders(driver, formats);

    bool failed = false;
    std::printf("PC file formats, %d records of %zu fields, best of %d:\n", kRecords, kFields.size(), kRounds);
    std::printf("  format    MB   writer rec/s    MB/s   reader rec/s    MB/s   fwrite MB/s  fread MB/s  "
                "writer/fwrite\n");
    for (const Format& format : formats)
    {
        if (!format.ok)
        {
            std::printf("  %-6s a transfer failed\n", format.name);
            failed = true;
            continue;
        }
        const double writerRate = MegabytesPerSecond(format.bytes, format.writer);
        const double ratio = writerRate / format.fwriteRate;
        std::printf("  %-6s %5.1f   %12.0f  %6.1f   ", format.name, format.bytes / 1e6, kRecords / format.writer,
                    writerRate);
        if (format.readable)
            std::printf("%12.0f  %6.1f", kRecords / format.reader, MegabytesPerSecond(format.bytes, format.reader));
        else
            std::printf("%12s  %6s", "(written", "only)");
        std::printf("   %11.1f  %10.1f  %13.2f\n", format.fwriteRate, format.freadRate, ratio);
    }
    return failed ? 2 : 0;
}
