// The host benchmark's figures of one transfer, printed beside their baselines: the transfer's HLLAPI calls made
// alone (CPU time) and the protocol's minimum (HLLAPI calls per screen). Wall times are the best of a few rounds.
// CPU times are medians over rounds, and each difference against the baseline is the median of the differences
// within a round: the other processes of the machine make a run's CPU time (the kernel calls of the waits for the
// host above all) vary by far more than the cost measured, but alike for runs close together.
#pragma once

#include "BenchTransfer.h"
#include "ProtocolCalls.h"

#include <string>
#include <vector>

// The rounds of one kind of run.
struct BestFigures
{
    int runs = 0;
    bool ok = true;
    double seconds = 0;
    std::vector<double> cpus;        // each round's CPU time, in the order of the rounds
    std::vector<double> userCpus;    // its user-mode part
    std::vector<double> kernelCpus;  // its kernel-mode part
    double answering = 0;            // wall time spent answering the calls
    HllapiCounts counts = {};
    std::vector<std::string> errors;

    void Add(const Figures& figures);
};

struct TransferResult
{
    std::string title;
    const char* hostLibrary = "";  // Zrtas400 or Zrts36
    ScreenKind kind = ScreenKind::TextRead;
    int records = 0;
    long long otherScreens = 0;  // data-area copies of descriptions or a field list
    BestFigures real;            // through the manager and the simulated host
    // With the host's answers played back from a recording:
    BestFigures calls;  // the transfer's HLLAPI calls alone
    BestFigures alone;  // the host data source alone
    BestFigures whole;  // the transfer through the manager

    long long Screens() const { return real.counts.areaCopies - otherScreens; }
};

// Prints the result; FALSE when the transfer failed or missed a goal (`failed` tells which).
bool ReportTransfer(const TransferResult& result, bool& failed);
