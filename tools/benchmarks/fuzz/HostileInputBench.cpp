// The long round of hostile input: at least 10,000 damaged inputs per reader, each run in a worker process of its
// own so that a crash or a hang is counted against its case and the round goes on after it. Prints per reader the
// cases, the refusals with a message, the clean reads, the crashes, the hangs and the reads that gave wrong data
// without a word; the exit status is 1 when any of the last three is not 0.
//
//   bench_fuzz [--cases N] [--jobs N] [reader...]        the round (all readers when none is named)
//   bench_fuzz --worker reader first count               one worker: a line "number verdict [detail]" per case
#include "HostileInput.h"
#include "OwnedHandles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace
{
constexpr DWORD kCaseDeadlineMs = 60000;
constexpr uint32_t kDefaultCases = 10000;
constexpr int kDefaultJobs = 4;
constexpr size_t kExamplesShown = 3;
// Cases one worker process runs. Every host case loads the stand-in bridge again, and the bridge's static thread
// runtime keeps one thread-local slot of the process for every load: a process has 1,088, so no worker may run many
// more than a thousand host cases.
constexpr uint32_t kCasesPerWorker = 1000;

bool IsReaderName(const std::string& name)
{
    for (const std::string& known : HostileReaderNames())
        if (known == name)
            return true;
    return false;
}

int RunWorker(const std::string& name, uint32_t first, uint32_t count)
{
    std::unique_ptr<HostileReader> reader = MakeHostileReader(name);
    if (!reader)
        return 2;
    std::printf("ready\n");
    std::fflush(stdout);
    for (uint32_t number = first; number < first + count; ++number)
    {
        std::string detail;
        const HostileVerdict verdict = reader->Run(number, detail);
        const char letter = verdict == HostileVerdict::Refused ? 'R' : verdict == HostileVerdict::Clean ? 'C' : 'W';
        std::printf("%u %c %s\n", number, letter, detail.c_str());
        std::fflush(stdout);
    }
    return 0;
}

struct Tally
{
    uint32_t cases = 0;
    uint32_t refused = 0;
    uint32_t clean = 0;
    uint32_t crashes = 0;
    uint32_t hangs = 0;
    uint32_t wrong = 0;
    std::vector<std::string> examples;

    void Note(uint32_t number, const char* what, const std::string& detail)
    {
        if (examples.size() < kExamplesShown)
            examples.push_back("case " + std::to_string(number) + ": " + what +
                               (detail.empty() ? "" : " (" + detail + ")"));
    }
};

// One worker process and the lines it has written so far.
class Worker
{
public:
    Worker(const std::string& program, const std::string& reader, uint32_t first, uint32_t count)
        : m_next(first), m_end(first + count)
    {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        OwnedKernelHandle write;
        CreatePipe(m_read.Receive(), write.Receive(), &inherit, 0);
        SetHandleInformation(m_read.Get(), HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write.Get();
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::string command = "\"" + program + "\" --worker " + reader + " " + std::to_string(first) + " " +
                              std::to_string(count);
        PROCESS_INFORMATION process{};
        m_started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &process);
        m_process.Reset(process.hProcess);
        m_thread.Reset(process.hThread);
        write.Reset();
        m_lastLine = GetTickCount();
    }

    ~Worker()
    {
        if (m_started)
        {
            TerminateProcess(m_process.Get(), 3);
            WaitForSingleObject(m_process.Get(), INFINITE);
        }
    }

    bool Started() const { return m_started; }
    uint32_t Next() const { return m_next; }
    bool Done() const { return m_next >= m_end; }

    // Takes the lines written so far into the tally. FALSE once the worker has ended or stopped answering: a
    // crash or a hang of case Next(), which is then counted.
    bool Poll(Tally& tally)
    {
        DWORD available = 0;
        while (PeekNamedPipe(m_read.Get(), nullptr, 0, nullptr, &available, nullptr) && available > 0)
        {
            char bytes[4096];
            DWORD read = 0;
            if (!ReadFile(m_read.Get(), bytes, std::min<DWORD>(available, sizeof bytes), &read, nullptr) || read == 0)
                break;
            m_pending.append(bytes, read);
            for (size_t end; (end = m_pending.find('\n')) != std::string::npos;)
            {
                TakeLine(m_pending.substr(0, end), tally);
                m_pending.erase(0, end + 1);
            }
        }
        if (Done())
            return false;
        if (WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0)
        {
            DWORD left = 0;
            if (PeekNamedPipe(m_read.Get(), nullptr, 0, nullptr, &left, nullptr) && left > 0)
                return true;
            ++tally.cases;
            ++tally.crashes;
            tally.Note(m_next, "crash", "");
            ++m_next;
            return false;
        }
        if (GetTickCount() - m_lastLine > kCaseDeadlineMs)
        {
            ++tally.cases;
            ++tally.hangs;
            tally.Note(m_next, "hang", "");
            ++m_next;
            return false;
        }
        return true;
    }

    uint32_t End() const { return m_end; }

private:
    void TakeLine(const std::string& line, Tally& tally)
    {
        m_lastLine = GetTickCount();
        if (line == "ready" || line.empty())
            return;
        char verdict = 0;
        unsigned number = 0;
        int used = 0;
        if (std::sscanf(line.c_str(), "%u %c %n", &number, &verdict, &used) < 2)
            return;
        const std::string detail = line.substr(static_cast<size_t>(used));
        ++tally.cases;
        if (verdict == 'R')
            ++tally.refused;
        else if (verdict == 'C')
            ++tally.clean;
        else
        {
            ++tally.wrong;
            tally.Note(number, "wrong", detail);
        }
        m_next = number + 1;
    }

    OwnedKernelHandle m_read;
    OwnedKernelHandle m_process;
    OwnedKernelHandle m_thread;
    bool m_started = false;
    uint32_t m_next;
    uint32_t m_end;
    DWORD m_lastLine;
    std::string m_pending;
};

struct Job
{
    std::string reader;
    uint32_t next;
    uint32_t end;
};

int RunRound(const std::string& program, const std::vector<std::string>& readers, uint32_t cases, int jobs)
{
    std::map<std::string, Tally> tallies;
    std::deque<Job> waiting;
    for (const std::string& reader : readers)
    {
        tallies[reader];
        for (uint32_t first = 0; first < cases; first += kCasesPerWorker)
            waiting.push_back({reader, first, std::min(cases, first + kCasesPerWorker)});
    }
    struct Running
    {
        std::string reader;
        std::unique_ptr<Worker> worker;
    };
    std::vector<Running> running;
    const DWORD start = GetTickCount();
    while (!waiting.empty() || !running.empty())
    {
        while (static_cast<int>(running.size()) < jobs && !waiting.empty())
        {
            const Job job = waiting.front();
            waiting.pop_front();
            auto worker = std::make_unique<Worker>(program, job.reader, job.next, job.end - job.next);
            if (!worker->Started())
            {
                std::fprintf(stderr, "cannot start a worker for %s\n", job.reader.c_str());
                return 2;
            }
            running.push_back({job.reader, std::move(worker)});
        }
        for (size_t i = 0; i < running.size();)
        {
            Worker& worker = *running[i].worker;
            if (worker.Poll(tallies[running[i].reader]))
            {
                ++i;
                continue;
            }
            if (!worker.Done())
                waiting.push_front({running[i].reader, worker.Next(), worker.End()});
            running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
        }
        Sleep(5);
    }
    std::printf("%-20s %8s %8s %8s %8s %8s %8s\n", "reader", "cases", "refused", "clean", "crashes", "hangs", "wrong");
    bool sound = true;
    for (const std::string& reader : readers)
    {
        const Tally& t = tallies[reader];
        std::printf("%-20s %8u %8u %8u %8u %8u %8u\n", reader.c_str(), t.cases, t.refused, t.clean, t.crashes, t.hangs,
                    t.wrong);
        for (const std::string& example : t.examples)
            std::printf("    %s\n", example.c_str());
        sound = sound && t.crashes == 0 && t.hangs == 0 && t.wrong == 0;
    }
    std::printf("%u cases per reader in %.0f s; refused: failed with a message; clean: read, and what was read is "
                "what the input holds; wrong: wrong data or a failure without a message\n",
                cases, (GetTickCount() - start) / 1000.0);
    return sound ? 0 : 1;
}
}

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--worker")
        return RunWorker(argv[2], static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                         static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10)));
    uint32_t cases = kDefaultCases;
    int jobs = kDefaultJobs;
    std::vector<std::string> readers;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--cases" && i + 1 < argc)
            cases = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (argument == "--jobs" && i + 1 < argc)
            jobs = std::max(1, std::atoi(argv[++i]));
        else if (IsReaderName(argument))
            readers.push_back(argument);
        else
        {
            std::fprintf(stderr, "unknown reader %s\n", argument.c_str());
            return 2;
        }
    }
    if (readers.empty())
        readers = HostileReaderNames();
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    return RunRound(program, readers, cases, jobs);
}
