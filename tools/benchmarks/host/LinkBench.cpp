// What ZRT adds to the host link, the figures a user feels:
// - the four CSV transfers of 500 data screens (AS/400 and System/36, host to PC and PC to host) through the real
//   manager, host data sources and bridge stand-in, each host answer coming 20 ms after its Enter: wall time against
//   the round trips x 20 ms of the same run (goal: at most 1.03);
// - Zrtbatch running a profile of 1,000,000 records against one of 10,000, host to PC and PC to host, no delay: the
//   peak working set of the process (goal: at most 1.1, memory does not grow with the file), and for the 1,000,000
//   records the time to the last record written and to the Success event (goal: Success within a second of it).
// Exit status 1 when a goal is missed, 2 on a failure.
#include "BenchStore.h"
#include "BenchTransfer.h"
#include "OwnedHandles.h"

#include "TempProgramFolder.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>

namespace
{
constexpr int kScreens = 500;
constexpr int kDataArea = 1760;
constexpr DWORD kReplyDelayMs = 20;
constexpr double kLinkGoal = 1.03;
constexpr int kSmallRecords = 10000;
constexpr int kLargeRecords = 1000000;
constexpr double kMemoryGoal = 1.1;
constexpr double kSuccessGoalSeconds = 1.0;
constexpr DWORD kBatchTimeoutMs = 20 * 60 * 1000;
constexpr char kInstallKey[] = "Software\\Zerathon link benchmark";

double Now()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

bool WriteText(const std::string& path, const std::string& text)
{
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Forgets the member BACK that a PC-to-host run creates.
void RemoveBackMember(const std::string& store)
{
    DeleteFileA(BenchAs400Member(store, "BACK").c_str());
    const std::string definition = store + "\\AS400\\" + BENCH_AS400_LIBRARY + "\\" + BENCH_AS400_FILE + ".INI";
    WritePrivateProfileStringA("Members", "BACK", nullptr, definition.c_str());
}

// ---- The link: four transfers with the host answering 20 ms after each Enter.

struct LinkPlan
{
    const char* title;
    int direction;
    int hostType;
    std::string pcFile;
    std::function<void(BenchTransfer&)> configure;
};

// 0 when every goal was met, 1 when one was missed, 2 when a run failed.
int RunLink(const TempProgramFolder& work, int records)
{
    const std::string store = work.Path() + "\\link";
    if (!WriteBenchStore(store, records) ||
        !WriteText(store + "\\SCENARIO.INI", "[Session A]\r\nReplyDelayMs=" + std::to_string(kReplyDelayMs) +
                                                 "\r\n[Session E]\r\nReplyDelayMs=" + std::to_string(kReplyDelayMs) +
                                                 "\r\n"))
    {
        std::printf("The host store cannot be written.\n");
        return 2;
    }
    SetEnvironmentVariableA("ZRT_HOST_DIR", store.c_str());
    const std::string descriptions = work.PathOf("orders.fmt");
    const LinkPlan plans[] = {
        {"AS/400 host to PC, CSV", ZRDIR_HOST_TO_PC, ZRHOST_AS400, work.PathOf("link400.csv"),
         [](BenchTransfer& t) { t.Set(ZRP_HOST_SOURCE_NAME, "BENCH/ORDERS(BIG)"); }},
        {"AS/400 PC to host, CSV into a new member", ZRDIR_PC_TO_HOST, ZRHOST_AS400, work.PathOf("link400.csv"),
         [](BenchTransfer& t) {
             t.Set(ZRP_HOST_TARGET_NAME, "BENCH/ORDERS(BACK)");
             t.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
         }},
        {"System/36 host to PC, CSV", ZRDIR_HOST_TO_PC, ZRHOST_S36, work.PathOf("link36.csv"),
         [&](BenchTransfer& t) {
             t.Set(ZRP_HOST_SOURCE_NAME, BENCH_S36_FILE);
             t.Set(ZRP_DESCRIPTION_FILE, descriptions.c_str());
         }},
        {"System/36 PC to host, CSV into a new file", ZRDIR_PC_TO_HOST, ZRHOST_S36, work.PathOf("link36.csv"),
         [&](BenchTransfer& t) {
             t.Set(ZRP_HOST_TARGET_NAME, "ORDBACK");
             t.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
             t.Set(ZRP_DESCRIPTION_FILE, descriptions.c_str());
             t.Set(ZRP_NUMBER_OF_RECORDS, records);
         }},
    };
    std::printf("Host answers %lu ms after each Enter; %d records (%d data screens each way)\n",
                static_cast<unsigned long>(kReplyDelayMs), records, kScreens);
    bool met = true;
    bool failed = false;
    for (const LinkPlan& plan : plans)
    {
        BenchTransfer transfer(plan.direction, plan.hostType, plan.pcFile);
        plan.configure(transfer);
        const Figures figures = transfer.Measure([&] { return transfer.RunThroughManager(); });
        // Every Enter is one round trip; the data-area copies less the descriptions or field list are the data
        // screens.
        const long long roundTrips = figures.counts.all.calls[3];
        const double link = double(roundTrips) * kReplyDelayMs / 1000.0;
        const double ratio = link > 0 ? figures.seconds / link : 0;
        if (!figures.ok)
        {
            failed = true;
            std::printf("%-42s failed:", plan.title);
            for (const std::string& error : figures.errors)
                std::printf(" %s", error.c_str());
            std::printf("\n");
            continue;
        }
        met = met && ratio <= kLinkGoal;
        std::printf("%-42s %4lld data screens, %4lld round trips: %6.2f s against %6.2f s = %.3f  (goal <= %.2f)%s\n",
                    plan.title, figures.counts.areaCopies - 1, roundTrips, figures.seconds, link, ratio, kLinkGoal,
                    ratio <= kLinkGoal ? "" : "  MISSED");
        std::printf("%-42s %.2f ms added per round trip; %.1f bridge calls each, %.2f ms inside them\n", "",
                    (figures.seconds - link) * 1000.0 / double(roundTrips),
                    double(figures.counts.all.total) / double(roundTrips),
                    CountingBridge::AnswerSeconds(figures.counts) * 1000.0 / double(roundTrips));
    }
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
    return failed ? 2 : met ? 0 : 1;
}

// ---- Zrtbatch: memory and the time from the last record to Success.

struct BatchFigures
{
    bool ok = false;
    std::string problem;
    SIZE_T peakWorkingSet = 0;
    double lastRecord = 0;  // seconds from the start until the watched file last grew
    double success = 0;     // seconds from the start until Success
};

std::string Profile(bool hostToPc, const std::string& csv)
{
    const std::string head =
        std::string("[General]\r\nConnection=HLLAPI\r\nDirection=") + (hostToPc ? "Host to PC" : "PC to Host") +
        "\r\nHost type=AS/400\r\nCharacter set=" + (hostToPc ? "EBCDIC to ANSI" : "ANSI to EBCDIC") +
        "\r\nAuto close=No\r\nTransfer type=Conversion\r\n"
        "[Host request]\r\nPresentation space ID=A\r\nHost file type=Data\r\nDescription file=\r\n";
    const std::string pc = "[PC request]\r\nFilename=" + csv +
                           "\r\nPC file type=CSV (Comma delimiter)\r\nRemove blanks=Yes\r\nDecimal char is dot=Yes\r\n";
    if (hostToPc)
        return head + "SQL from=BENCH/ORDERS(BIG)\r\n" + pc + "PC write mode=Replace file\r\n";
    return head + "SQL into=BENCH/ORDERS(BACK)\r\nHost write mode=Create host member\r\nRecord length=92\r\n" + pc;
}

// Runs Zrtbatch on the profile until it sets Success or Failure, watching `watched` grow and the process's memory.
BatchFigures RunZrtbatch(const std::string& profile, const std::string& watched)
{
    static int run = 0;
    BatchFigures figures;
    const std::string name = "ZrtLinkBench" + std::to_string(GetCurrentProcessId()) + "x" + std::to_string(++run);
    OwnedEvent success(CreateEventA(nullptr, TRUE, FALSE, (name + "Success").c_str()));
    OwnedEvent failure(CreateEventA(nullptr, TRUE, FALSE, (name + "Failure").c_str()));
    const std::string program = TempProgramFolder::BuildProgramFolder() + "\\Zrtbatch.exe";
    std::string commandLine = "\"" + program + "\" /Event:" + name + " " + profile;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        TempProgramFolder::BuildProgramFolder().c_str(), &startup, &process))
    {
        figures.problem = "Zrtbatch cannot be started";
        return figures;
    }
    const OwnedKernelHandle processHandle(process.hProcess);
    const OwnedThread thread(process.hThread);
    long long size = -1;
    double grew = start;
    auto look = [&] {
        const long long now = FileSize(watched);
        if (now != size)
        {
            size = now;
            grew = Now();
        }
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters) &&
            counters.PeakWorkingSetSize > figures.peakWorkingSet)
            figures.peakWorkingSet = counters.PeakWorkingSetSize;
    };
    const HANDLE ends[] = {success.Get(), failure.Get(), process.hProcess};
    DWORD ended = WAIT_TIMEOUT;
    while (ended == WAIT_TIMEOUT && Now() - start < kBatchTimeoutMs / 1000.0)
    {
        look();
        ended = WaitForMultipleObjects(3, ends, FALSE, 10);
    }
    const double end = Now();
    look();
    figures.ok = ended == WAIT_OBJECT_0;
    figures.success = end - start;
    figures.lastRecord = grew - start;
    if (ended == WAIT_OBJECT_0 + 1)
        figures.problem = "Zrtbatch set Failure";
    else if (ended == WAIT_OBJECT_0 + 2)
        figures.problem = "Zrtbatch ended without Success";
    else if (!figures.ok)
        figures.problem = "Zrtbatch did not end in time";
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    return figures;
}

// Zrtbatch's options: no question before a PC file is created or replaced (nobody would answer it).
bool SetUpInstallKey()
{
    OwnedRegistryKey key;
    const std::string path = std::string(kInstallKey) + "\\ZRT";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Receive(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD no = 0;
    bool ok = true;
    for (const char* option : {"Confirm PC file creating", "Confirm PC file replacing"})
        ok = RegSetValueExA(key.Get(), option, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&no), sizeof no) ==
                 ERROR_SUCCESS &&
             ok;
    key.Reset();
    SetEnvironmentVariableA("ZRT_INSTALL_KEY", (std::string("HKCU\\") + kInstallKey).c_str());
    return ok;
}

struct DirectionFigures
{
    BatchFigures small;
    BatchFigures large;
};

// 0 when every goal was met, 1 when one was missed, 2 when a run failed.
int RunBatch(const TempProgramFolder& work)
{
    if (!SetUpInstallKey())
    {
        std::printf("Zrtbatch's options cannot be set.\n");
        return 2;
    }
    DirectionFigures toPc;
    DirectionFigures toHost;
    for (int records : {kSmallRecords, kLargeRecords})
    {
        const std::string label = std::to_string(records);
        const std::string store = work.Path() + "\\batch" + label;
        const std::string csv = work.PathOf(("batch" + label + ".csv").c_str());
        if (!WriteBenchStore(store, records))
        {
            std::printf("The host store cannot be written.\n");
            return 2;
        }
        SetEnvironmentVariableA("ZRT_HOST_DIR", store.c_str());
        const std::string toPcProfile = work.PathOf(("toPc" + label + ".h2p").c_str());
        const std::string toHostProfile = work.PathOf(("toHost" + label + ".p2h").c_str());
        WriteText(toPcProfile, Profile(true, csv));
        WriteText(toHostProfile, Profile(false, csv));
        BatchFigures& read = records == kSmallRecords ? toPc.small : toPc.large;
        BatchFigures& write = records == kSmallRecords ? toHost.small : toHost.large;
        read = RunZrtbatch(toPcProfile, csv);
        if (read.ok)
            write = RunZrtbatch(toHostProfile, BenchAs400Member(store, "BACK"));
        else
            write.problem = "no CSV file to send";
        SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
        DeleteFileA(csv.c_str());
        DeleteFileA(BenchAs400Member(store, BENCH_AS400_MEMBER).c_str());
        RemoveBackMember(store);
    }

    bool met = true;
    bool failed = false;
    std::printf("\nZrtbatch, AS/400, CSV, no delay: %d records against %d\n", kLargeRecords, kSmallRecords);
    for (const auto& [title, figures] : {std::pair<const char*, const DirectionFigures&>{"host to PC", toPc},
                                         std::pair<const char*, const DirectionFigures&>{"PC to host", toHost}})
    {
        if (!figures.small.ok || !figures.large.ok)
        {
            failed = true;
            std::printf("%-11s failed: %s\n", title,
                        (figures.small.ok ? figures.large.problem : figures.small.problem).c_str());
            continue;
        }
        const double memory = double(figures.large.peakWorkingSet) / double(figures.small.peakWorkingSet);
        const double afterData = figures.large.success - figures.large.lastRecord;
        met = met && memory <= kMemoryGoal && afterData <= kSuccessGoalSeconds;
        std::printf("%-11s peak working set %7.1f MB against %7.1f MB = %.2f  (goal <= %.1f)%s\n", title,
                    figures.large.peakWorkingSet / 1048576.0, figures.small.peakWorkingSet / 1048576.0, memory,
                    kMemoryGoal, memory <= kMemoryGoal ? "" : "  MISSED");
        std::printf(
            "%-11s last record written after %6.2f s, Success after %6.2f s: %.2f s later  (goal <= %.1f s)%s\n", title,
            figures.large.lastRecord, figures.large.success, afterData, kSuccessGoalSeconds,
            afterData <= kSuccessGoalSeconds ? "" : "  MISSED");
        std::printf("%-11s (%d records: Success %.2f s after the last record)\n", title, kSmallRecords,
                    figures.small.success - figures.small.lastRecord);
    }
    return failed ? 2 : met ? 0 : 1;
}
}

int main()
{
    TempProgramFolder work;
    work.WriteFile("orders.fmt", BenchDescriptionFile());
    const int perScreen = kDataArea / BenchRecordLayout().displayChars;
    // One record short of 500 full screens: the last of the 500 is not quite full.
    const int link = RunLink(work, kScreens * perScreen - 1);
    const int batch = RunBatch(work);
    return link > batch ? link : batch;
}
