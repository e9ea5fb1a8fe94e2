// The benchmark process's CPU time in user and kernel mode, every thread counted (ended ones too): a transfer runs
// on the calling thread, but the manager's worker thread disconnects and unloads the libraries when the manager is
// released. Windows keeps it in the process times. Wine on Linux fills those from the Linux clock ticks, in 10 ms
// steps: a step is 1 us per screen of a 100,000-record run, too coarse beside the differences measured. There the
// same figures are asked of Linux itself, in microseconds (not through files under /proc: wineserver opens those,
// so that /proc/self is wineserver); elsewhere, or when Linux does not answer, the process times are used.
#pragma once

struct CpuSeconds
{
    double user = 0;
    double kernel = 0;
};

CpuSeconds ProcessCpuSeconds();
// What the figures come from, for the report.
const char* ProcessClockName();
