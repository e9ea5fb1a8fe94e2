// A whole transfer of 1,000,000 records from an in-memory host source (the scripted fake) to a CSV file through the
// manager, against the same records written by the PC data source alone, driven by a plain loop. The difference is
// the manager's own cost: the field loop, the record counts and the cancel test.
#include "ManagerTestBed.h"
#include "OwnedHandles.h"

#include <cstdio>
#include <functional>

namespace
{
constexpr int kRecords = 1000000;
constexpr int kRounds = 3;
constexpr double kLimit = 0.20;

double Seconds(const std::function<bool()>& run, bool* ok)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    *ok = run() && *ok;
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

DataSourceFunctions* Create(HMODULE library, CFakeCallerTables& tables, const ErrorSinkFunctions* errors)
{
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(library, ZRT_CREATE_OBJECT_EXPORT)));
    DataSourceFunctions* table = nullptr;
    if (!create ||
        !create(tables.ProfileTable(), errors, tables.OptionTable(), tables.EnvironmentTable(), &table, TRUE))
        return nullptr;
    return table;
}

// The PC data source alone: the same libraries, the same calls in the same order, no manager.
bool RunAlone(ManagerTestBed& bed)
{
    OwnedModule hostLibrary(LoadLibraryA(bed.Folder().File("ZRTAS400.DLL").c_str()));
    OwnedModule pcLibrary(LoadLibraryA(bed.Folder().File("ZRTPCFILE.DLL").c_str()));
    DataSourceFunctions* host = Create(hostLibrary.Get(), bed.Tables(), bed.Errors().Sink());
    DataSourceFunctions* pc = Create(pcLibrary.Get(), bed.Tables(), bed.Errors().Sink());
    DSRecordLayout* layout = nullptr;
    bool ok = host && pc && host->Connect() && pc->Connect() && host->Open(nullptr) && host->GetRecordLayout(&layout) &&
              pc->Open(nullptr) && pc->SetRecordLayout(layout);
    DSField field = {};
    while (ok && !host->EndOfData())
        ok = host->GetField(&field) && pc->PutField(&field) && host->NextField() && pc->NextField();
    ok = ok && pc->EndOfData() && host->GetRecordCount() == kRecords;
    if (host)
        ok = host->Close() && host->Disconnect() && ok;
    if (pc)
        ok = pc->Close() && pc->Disconnect() && ok;
    return ok;
}

bool RunThroughManager(ManagerTestBed& bed, HANDLE cancel)
{
    return bed.Create() && bed.Manager().RunTransfer(cancel);
}
}

int main()
{
    ManagerTestBed bed;
    const std::string file = bed.Folder().File("bench.csv");
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\nFields=NAME:A:20,CITY:A:15,QTY:S:7,AMOUNT:S:9\nRecords=" +
                               std::to_string(kRecords) + "\n");
    bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_CSV);
    bed.Tables().Set(ZRP_PC_FILE_NAME, file.c_str());
    bed.Tables().Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    EnvironmentCallbacks* environment = bed.Tables().EnvironmentTable();
    const HWND window = environment->hwndNotify;

    bool ok = true;
    double alone = 1e9;
    double managed = 1e9;
    double notified = 1e9;
    for (int round = 0; round < kRounds; ++round)
    {
        alone = std::min(alone, Seconds([&] { return RunAlone(bed); }, &ok));
        environment->hwndNotify = nullptr;
        managed = std::min(managed, Seconds([&] { return RunThroughManager(bed, cancel.Get()); }, &ok));
        bed.Release();
        environment->hwndNotify = window;
        notified = std::min(notified, Seconds([&] { return RunThroughManager(bed, cancel.Get()); }, &ok));
        bed.Release();
        bed.Recorder().Clear();
    }
    cancel.Reset();
    if (!ok || bed.Errors().Count() != 0)
    {
        std::printf("manager benchmark: a transfer failed\n");
        for (const std::string& text : bed.Errors().Texts())
            std::printf("  %s\n", text.c_str());
        return 2;
    }
    const double overhead = managed / alone - 1.0;
    std::printf("transfer of %d records to CSV, best of %d:\n", kRecords, kRounds);
    std::printf("  PC data source alone            %7.3f s  %9.0f records/s\n", alone, kRecords / alone);
    std::printf("  through the manager             %7.3f s  %9.0f records/s  overhead %+5.1f%% (limit %.0f%%)\n",
                managed, kRecords / managed, overhead * 100.0, kLimit * 100.0);
    std::printf("  through the manager, notified   %7.3f s  %9.0f records/s  (a count message every 10 records)\n",
                notified, kRecords / notified);
    return overhead < kLimit ? 0 : 1;
}
