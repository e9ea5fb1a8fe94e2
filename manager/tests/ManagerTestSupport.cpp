#include "ManagerTestSupport.h"
#include "OwnedHandles.h"

#include <tlhelp32.h>

std::string HostSection(int records, const std::string& extra)
{
    return "[ZRTAS400]\nSide=host\nFields=NAME:A:10,QTY:S:5\nRecords=" + std::to_string(records) + "\n" + extra;
}

std::string PcSection(const std::string& extra)
{
    return "[ZRTPCFILE]\nSide=pc\n" + extra;
}

void InstallHostAndPc(ManagerTestBed& bed, const std::string& host, const std::string& pc)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFake("ZRTPCFILE.DLL");
    bed.Folder().WriteScenario(host + "\n" + pc + "\n");
}

std::vector<std::string> RecordLines(const std::vector<std::string>& log)
{
    std::vector<std::string> records;
    for (const std::string& line : log)
        if (line.compare(0, 7, "record ") == 0)
            records.push_back(line.substr(7));
    return records;
}

int ThreadCount()
{
    OwnedKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    snapshot.Reset();
    return count;
}

bool IsLoaded(const std::string& path)
{
    return GetModuleHandleA(path.c_str()) != nullptr;
}
