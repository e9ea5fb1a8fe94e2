// The DIF, DBF, DR1, DR2, WKQ, WKS and XLS writers and the DIF, DBF, DR1 and DR2 readers through Zrtpcfile's table,
// driven as the manager drives them, against writing (and reading) the same bytes with one fwrite (fread) in the
// same run. The figures are printed beside their baselines; the exit status is 2 when a transfer failed.
#include "BenchTiming.h"
#include "DataSourceDriver.h"
#include "FakeCallerTables.h"
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
const std::vector<HostFieldSpec> kFields = {{"NAME      ", HFT_CHARACTER, 20, 0},
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

void SetProfile(CFakeCallerTables& tables, const Format& format)
{
    tables.Set(ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ASCII);
    tables.Set(ZRP_PC_FILE_TYPE, format.type);
    tables.Set(ZRP_PC_FILE_NAME, format.file.c_str());
    tables.Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
    tables.Set(ZRP_REMOVE_BLANKS, 0);
    tables.Set(ZRP_DECIMAL_CHAR_IS_DOT, 1);
    tables.SetOption(ZRO_CONFIRM_CREATING, 0);
    tables.SetOption(ZRO_CONFIRM_REPLACING, 0);
}

bool NoErrors(CFakeCallerTables& tables, const Format& format)
{
    const std::vector<std::string> errors = tables.TakeErrors();
    for (const std::string& error : errors)
        std::printf("  %s: %s\n", format.name, error.c_str());
    return errors.empty();
}

CallerTables TablesOf(CFakeCallerTables& tables)
{
    return {tables.ProfileTable(), tables.ErrorTable(), tables.OptionTable(), tables.EnvironmentTable()};
}

void MeasureWriters(DataSourceDriver& driver, std::vector<Format>& formats)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    HostRecords host(kFields);
    FillRecords(host, environment);
    for (Format& format : formats)
    {
        SetProfile(tables, format);
        format.writer = BestSeconds(kRounds, [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.ToPc(host, environment).Succeeded() && format.ok;
        });
        const std::string bytes = ReadWholeFile(format.file).value_or(std::string());
        format.bytes = double(bytes.size());
        const std::string copy = format.file + ".fwrite";
        format.fwriteRate = MegabytesPerSecond(format.bytes, BestSeconds(kRounds, [&] {
            FILE* file = std::fopen(copy.c_str(), "wb");
            format.ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && format.ok;
            if (file)
                std::fclose(file);
        }));
        std::string back(bytes.size(), '\0');
        format.freadRate = MegabytesPerSecond(format.bytes, BestSeconds(kRounds, [&] {
            FILE* file = std::fopen(copy.c_str(), "rb");
            format.ok = file && std::fread(back.data(), 1, back.size(), file) == back.size() && format.ok;
            if (file)
                std::fclose(file);
        }));
        format.ok = NoErrors(tables, format) && format.ok;
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
        SetProfile(tables, format);
        HostRecords host(kFields);
        format.reader = BestSeconds(kRounds, [&] {
            format.ok = driver.Create(TablesOf(tables)) && driver.FromPc(host, environment).Succeeded() &&
                        host.Records().size() == size_t(kRecords) && format.ok;
        });
        format.ok = NoErrors(tables, format) && format.ok;
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
        formats.push_back({kind.name, kind.type, kind.readable, folder.PathOf((std::string("bench.") + kind.name).c_str())});
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
