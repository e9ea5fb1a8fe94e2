#include "BenchReport.h"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr double kScreenRoundTripUs = 2000.0;
constexpr double kCpuGoalUs = kScreenRoundTripUs / 100.0;

bool PrintFailure(const char* run, const BestFigures& figures)
{
    if (figures.runs == 0 || figures.ok)
        return false;
    std::printf("  %s: failed\n", run);
    for (const std::string& error : figures.errors)
        std::printf("    %s\n", error.c_str());
    return true;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median over rounds of a run's CPU time less the baseline's of the same round.
double MedianExcess(const std::vector<double>& run, const std::vector<double>& baseline)
{
    std::vector<double> excess;
    for (std::size_t i = 0; i < run.size() && i < baseline.size(); ++i)
        excess.push_back(run[i] - baseline[i]);
    return Median(excess);
}

void PrintCpu(const std::string& run, const BestFigures& figures, double screens)
{
    const double cpu = Median(figures.cpus);
    std::printf("    %-52s %7.3f  %9.1f\n", run.c_str(), cpu, cpu * 1e6 / screens);
}

// The calls of one screen in the steady state: from the second data-area copy to the last, one screen each.
// FALSE when a function is called more often than the protocol needs.
bool PrintCalls(const HllapiCounts& counts, ScreenKind kind)
{
    const HllapiCallRow& from = counts.atSecondArea;
    const HllapiCallRow& to = counts.atLastArea;
    const double screens = double(counts.areaCopies - 2);
    if (screens <= 0)
        return false;
    bool met = true;
    std::vector<bool> shown(HLLAPI_COUNTER_FUNCTIONS, false);
    auto row = [&](int function, int minimum) {
        const double measured = double(to.calls[function] - from.calls[function]) / screens;
        const bool more = measured > minimum + 1e-9;
        met = met && !more;
        std::printf("    %2d %-41s %7.2f  %8d%s\n", function, HllapiFunctionName(function), measured, minimum,
                    more ? "  more than needed" : "");
        shown[function] = true;
    };
    std::printf("  HLLAPI calls per screen of data                 measured  protocol\n");
    for (const ScreenCall& call : ProtocolScreenCalls(kind))
        row(call.function, call.calls);
    for (int function = 0; function < HLLAPI_COUNTER_FUNCTIONS; ++function)
    {
        if (!shown[function] && to.calls[function] != from.calls[function])
            row(function, 0);
    }
    std::printf("       %-41s %7.2f  %8d\n", "total", double(to.total - from.total) / screens,
                ProtocolCallsPerScreen(kind));
    return met;
}
}

void BestFigures::Add(const Figures& figures)
{
    ok = ok && figures.ok;
    for (const std::string& error : figures.errors)
    {
        if (std::find(errors.begin(), errors.end(), error) == errors.end())
            errors.push_back(error);
    }
    const double answer = CountingBridge::AnswerSeconds(figures.counts);
    seconds = runs ? std::min(seconds, figures.seconds) : figures.seconds;
    cpus.push_back(figures.cpu);
    userCpus.push_back(figures.userCpu);
    kernelCpus.push_back(figures.kernelCpu);
    answering = runs ? std::min(answering, answer) : answer;
    counts = figures.counts;
    ++runs;
}

bool ReportTransfer(const TransferResult& result, bool& failed)
{
    const double screens = double(result.Screens());
    std::printf("%s: %.0f screens of data, %.1f records a screen\n", result.title.c_str(), screens,
                result.records / screens);
    failed = PrintFailure("through the simulated host", result.real);
    failed = PrintFailure("the HLLAPI calls alone", result.calls) || failed;
    failed = PrintFailure("the host data source alone", result.alone) || failed;
    failed = PrintFailure("played back through the manager", result.whole) || failed;
    if (!failed && screens <= 0)
    {
        std::printf("  no screen of data was counted\n");
        failed = true;
    }
    if (failed)
        return false;
    std::printf("  through the simulated host, best of %d: %.3f s, %.0f records/s, %.1f us per screen (%.3f s in "
                "the bridge)\n",
                result.real.runs, result.real.seconds, result.records / result.real.seconds,
                result.real.seconds * 1e6 / screens, result.real.answering);
    std::printf("  CPU time with the host's answers played back, median of %d        CPU s  us/screen\n",
                result.whole.runs);
    PrintCpu("the transfer's HLLAPI calls alone (baseline)", result.calls, screens);
    PrintCpu(std::string(result.hostLibrary) + " alone (no manager, no PC file)", result.alone, screens);
    PrintCpu(std::string("Zrtmgr + ") + result.hostLibrary + " + Zrtpcfile", result.whole, screens);

    const double pcSide = MedianExcess(result.whole.cpus, result.calls.cpus) * 1e6 / screens;
    const double host = MedianExcess(result.alone.cpus, result.calls.cpus) * 1e6 / screens;
    const double pcUser = MedianExcess(result.whole.userCpus, result.calls.userCpus) * 1e6 / screens;
    const double pcKernel = MedianExcess(result.whole.kernelCpus, result.calls.kernelCpus) * 1e6 / screens;
    const bool cpuMet = pcSide < kCpuGoalUs;
    std::printf("  PC-side CPU per screen (transfer less baseline) %5.1f us  goal under %.0f us (1%% of a %.0f ms "
                "round trip)%s\n",
                pcSide, kCpuGoalUs, kScreenRoundTripUs / 1000.0, cpuMet ? "" : "  MISSED");
    std::printf("    of which %s %.1f us, Zrtmgr and Zrtpcfile %.1f us\n", result.hostLibrary, host, pcSide - host);
    // Each part is its own median over rounds, so the two need not add up to the figure above. The parts are also
    // rougher than the total: Linux measures a process's CPU time exactly but divides it between user and kernel
    // mode in the proportion of the timer ticks that found the process in each, so one run's split moves by
    // several microseconds a screen while its total does not.
    std::printf("    by mode, each its own median: user %.1f us, kernel %.1f us\n", pcUser, pcKernel);
    const bool callsMet = PrintCalls(result.real.counts, result.kind);
    std::printf("  the whole transfer with connect, open and close: %lld calls, %.2f per screen\n",
                result.real.counts.all.total, double(result.real.counts.all.total) / screens);
    return cpuMet && callsMet;
}
