#include "BenchTransfer.h"

#include "ProcessClock.h"

#include "DataSource.h"
#include "FieldConvert.h"
#include "OwnedHandles.h"

namespace
{
double WallSeconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

// Close and Disconnect after whatever happened before; FALSE when Close fails.
bool Finish(DataSourceFunctions* host)
{
    bool closed = true;
    if (host)
    {
        closed = host->Close() != FALSE;
        host->Disconnect();
    }
    return closed;
}
}

BenchTransfer::BenchTransfer(int direction, int hostType, const std::string& pcFile)
    : m_bed(direction, hostType, ZRTT_CONVERSION),
      m_hostLibrary(hostType == ZRHOST_AS400 ? "ZRTAS400.DLL" : "ZRTS36.DLL")
{
    FakeSourceFolder& folder = m_bed.Folder();
    folder.InstallFromBuild("Zrtas400.dll", "ZRTAS400.DLL");
    folder.InstallFromBuild("Zrts36.dll", "ZRTS36.DLL");
    folder.InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
    folder.InstallFromBuild("KVHLL32.dll", HLLAPI_COUNTER_TARGET_FILE);
    folder.InstallFromBuild("HllapiCounter.dll", HLLAPI_COUNTER_FILE);
    m_bridge = std::make_unique<CountingBridge>(folder.File(HLLAPI_COUNTER_FILE));
    // The manager's own notifications are measured by its benchmark; here they stay off.
    m_bed.Tables().EnvironmentTable()->hwndNotify = nullptr;
    Set(ZRP_PRESENTATION_SPACE_ID, hostType == ZRHOST_AS400 ? "A" : "E");
    Set(ZRP_HOST_FILE_TYPE, ZRHFT_DATA);
    Set(ZRP_PC_FILE_TYPE, PCFT_CSV);
    Set(ZRP_PC_FILE_NAME, pcFile.c_str());
    if (direction == ZRDIR_HOST_TO_PC)
        Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
}

Figures BenchTransfer::Measure(const std::function<bool()>& run)
{
    Figures figures;
    m_bridge->Reset();
    const CpuSeconds cpu = ProcessCpuSeconds();
    const double wall = WallSeconds();
    figures.ok = IsReady() && run();
    figures.seconds = WallSeconds() - wall;
    const CpuSeconds spent = ProcessCpuSeconds();
    figures.userCpu = spent.user - cpu.user;
    figures.kernelCpu = spent.kernel - cpu.kernel;
    figures.cpu = figures.userCpu + figures.kernelCpu;
    figures.counts = m_bridge->Read();
    figures.errors = m_bed.Errors().Texts();
    m_bed.Errors().Clear();
    if (!IsReady())
        figures.errors.push_back("the counting bridge or the profile cannot be set up");
    return figures;
}

bool BenchTransfer::RunThroughManager()
{
    const bool ok = m_bed.Create() && m_bed.Manager().RunTransfer(nullptr);
    m_bed.Release();
    return ok;
}

DataSourceFunctions* BenchTransfer::CreateHostSource(HMODULE library)
{
    auto create = reinterpret_cast<ZRTCreateDataSourceProc>(
        reinterpret_cast<void*>(GetProcAddress(library, ZRT_CREATE_OBJECT_EXPORT)));
    CFakeCallerTables& tables = m_bed.Tables();
    DataSourceFunctions* host = nullptr;
    if (!create || !create(tables.ProfileTable(), m_bed.Errors().Sink(), tables.OptionTable(),
                           tables.EnvironmentTable(), &host, TRUE))
        return nullptr;
    return host;
}

bool BenchTransfer::ReadWithHostSourceAlone(int records)
{
    const OwnedModule library(LoadLibraryA(m_bed.Folder().File(m_hostLibrary).c_str()));
    DataSourceFunctions* host = library ? CreateHostSource(library.Get()) : nullptr;
    DSRecordLayout* layout = nullptr;
    bool ok = host && host->Connect() && host->Open(nullptr) && host->GetRecordLayout(&layout) && layout;
    DSField field = {};
    while (ok && !host->EndOfData())
    {
        for (int i = 0; ok && i < layout->count; ++i)
            ok = host->GetField(&field) && host->NextField();
    }
    ok = ok && host->GetRecordCount() == records;
    return Finish(host) && ok;
}

bool BenchTransfer::WriteWithHostSourceAlone(PcValues& values)
{
    const OwnedModule library(LoadLibraryA(m_bed.Folder().File(m_hostLibrary).c_str()));
    DataSourceFunctions* host = library ? CreateHostSource(library.Get()) : nullptr;
    DSRecordLayout* layout = nullptr;
    bool ok = host && host->Connect() && host->Open(nullptr) && host->GetRecordLayout(&layout) && layout;
    // The PC side's fields as a PC data source describes them; each value is put as the text it read.
    std::vector<DSField> pc(ok ? static_cast<std::size_t>(layout->count) : 0);
    for (std::size_t i = 0; ok && i < pc.size(); ++i)
        ok = MapFieldType(layout->fields[i], pc[i], ZRCS_EBCDIC_TO_ASCII);
    for (std::size_t r = 0; ok && r < values.size(); ++r)
    {
        for (std::size_t i = 0; ok && i < pc.size() && i < values[r].size(); ++i)
        {
            std::string& value = values[r][i];
            const std::size_t width = FieldLength(pc[i]);
            if (value.size() < width && IsPcNumberType(pc[i].type))
                value.insert(0, width - value.size(), ' ');
            else if (value.size() < width)
                value.resize(width, ' ');
            pc[i].value = value.data();
            ok = host->PutField(&pc[i]) && host->NextField();
        }
    }
    ok = ok && host->EndOfData() && host->GetRecordCount() == static_cast<int>(values.size());
    return Finish(host) && ok;
}
