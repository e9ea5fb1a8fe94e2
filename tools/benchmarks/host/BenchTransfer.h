// One transfer's program folder for the host benchmark: the real libraries of the build, the counting bridge as
// KVHLL32.DLL in front of the stand-in bridge, the manager over fake caller tables of an HLLAPI profile, CSV on the
// PC side. Each run is measured: wall time, the process's CPU time and the bridge's counts.
#pragma once

#include "CountingBridge.h"

#include "ManagerTestBed.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct Figures
{
    bool ok = false;
    double seconds = 0;
    double cpu = 0;  // user + kernel
    double userCpu = 0;
    double kernelCpu = 0;
    HllapiCounts counts = {};
    std::vector<std::string> errors;
};

using PcValues = std::vector<std::vector<std::string>>;

class BenchTransfer
{
public:
    BenchTransfer(int direction, int hostType, const std::string& pcFile);

    bool IsReady() const { return m_ready && m_bridge->IsLoaded(); }
    void Set(int id, int value) { m_ready = m_bed.Tables().Set(id, value) && m_ready; }
    void Set(int id, const char* text) { m_ready = m_bed.Tables().Set(id, text) && m_ready; }
    const CountingBridge& Bridge() const { return *m_bridge; }

    // Runs `run` once with the bridge's counts reset first.
    Figures Measure(const std::function<bool()>& run);

    bool RunThroughManager();
    // The host data source alone, its table driven as the manager drives it, no PC side. Host to PC: TRUE when it
    // read `records` records. PC to host: the values (PC text, one per field) put record by record, each filled
    // with blanks to its PC field's width the first time, numbers right-aligned, as the PC data source hands them.
    bool ReadWithHostSourceAlone(int records);
    bool WriteWithHostSourceAlone(PcValues& values);

private:
    DataSourceFunctions* CreateHostSource(HMODULE library);

    ManagerTestBed m_bed;
    std::string m_hostLibrary;
    std::unique_ptr<CountingBridge> m_bridge;
    bool m_ready = true;
};
