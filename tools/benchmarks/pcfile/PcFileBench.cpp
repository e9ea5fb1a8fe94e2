// Each PC text format's writer and reader through Zrtpcfile's table, driven as the manager drives it, against
// writing (and reading) the same bytes with one fwrite (fread) in the same run. Goal: every writer at least a third
// of the fwrite rate.
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
constexpr int kRecords = 200000;
constexpr int kRounds = 5;
const std::vector<HostFieldSpec> kFields = {{"NAME      ", HFT_CHARACTER, 20, 0},
                                            {"CITY      ", HFT_CHARACTER, 15, 0},
                                            {"QTY       ", HFT_ZONED, 7, 0},
                                            {"AMOUNT    ", HFT_PACKED, 11, 2}};

struct Format
{
    const char* name;
    int type;
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
    for (const auto& [name, type] : {std::pair{"TXT", PCFT_TXT}, std::pair{"TAB", PCFT_TAB},
                                     std::pair{"CSV", PCFT_CSV}, std::pair{"PRN", PCFT_PRN},
                                     std::pair{"DLM", PCFT_DLM}})
        formats.push_back({name, type, folder.PathOf((std::string("bench.") + name).c_str())});
    MeasureWriters(driver, formats);
    MeasureReaders(driver, formats);

    bool met = true;
    std::printf("PC file formats, %d records of %zu fields, best of %d:\n", kRecords, kFields.size(), kRounds);
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
        const double writerRate = MegabytesPerSecond(format.bytes, format.writer);
        const double ratio = writerRate / format.fwriteRate;
        met = met && ratio >= 1.0 / 3.0;
        std::printf("  %-6s %5.1f   %12.0f  %6.1f   %12.0f  %6.1f   %11.1f  %10.1f  %13.2f\n", format.name,
                    format.bytes / 1e6, kRecords / format.writer, writerRate, kRecords / format.reader,
                    MegabytesPerSecond(format.bytes, format.reader), format.fwriteRate, format.freadRate, ratio);
    }
    std::printf("  goal: every writer at least a third of the fwrite rate: %s\n", met ? "met" : "missed");
    return met ? 0 : 1;
}
