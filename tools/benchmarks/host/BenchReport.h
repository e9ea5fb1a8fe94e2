// The host benchmark's figures of one transfer, the best of a few rounds, printed beside their baselines: the
// transfer's HLLAPI calls made alone (CPU time) and the protocol's minimum (HLLAPI calls per screen).
#pragma once

#include "BenchTransfer.h"
#include "ProtocolCalls.h"

#include <string>
#include <vector>

// The best of the rounds of one kind of run.
struct BestFigures
{
    int runs = 0;
    bool ok = true;
    double seconds = 0;
    double cpu = 0;
    double answering = 0;           // wall time spent answering the calls
    HllapiCounts counts = {};
    std::vector<std::string> errors;

    void Add(const Figures& figures);
};

struct TransferResult
{
    std::string title;
    const char* hostLibrary = "";   // Zrtas400 or Zrts36
    ScreenKind kind = ScreenKind::TextRead;
    int records = 0;
    long long otherScreens = 0;     // data-area copies of descriptions or a field list
    BestFigures real;               // through the manager and the simulated host
    // With the host's answers played back from a recording:
    BestFigures calls;              // the transfer's HLLAPI calls alone
    BestFigures alone;              // the host data source alone
    BestFigures whole;              // the transfer through the manager

    long long Screens() const { return real.counts.areaCopies - otherScreens; }
};

// Prints the result; FALSE when the transfer failed or missed a goal (`failed` tells which).
bool ReportTransfer(const TransferResult& result, bool& failed);
