// What the manager's tests share: expected notification lists, the fake's scenario sections and process facts.
#pragma once

#include "ManagerTestBed.h"

#include <string>
#include <utility>
#include <vector>

using Notes = std::vector<std::pair<WPARAM, LPARAM>>;

// A fake host holding `records` records of a character field and a zoned field, plus extra scenario lines.
std::string HostSection(int records, const std::string& extra = "");
// A fake PC side, plus extra scenario lines.
std::string PcSection(const std::string& extra = "");

// Installs the fake as ZRTAS400.DLL and ZRTPCFILE.DLL with these sections.
void InstallHostAndPc(ManagerTestBed& bed, const std::string& host, const std::string& pc);

// The records a library of the fake wrote or received, as logged ("record <n> <text>"), without the word "record".
std::vector<std::string> RecordLines(const std::vector<std::string>& log);

// Threads of this process.
int ThreadCount();
// True while a library of that full path is loaded in this process.
bool IsLoaded(const std::string& path);
