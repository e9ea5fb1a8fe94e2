// What the PC-file benchmarks share: one format's profile, its errors, the tables handed to the driver, and the
// fwrite and fread baselines.
#pragma once

#include "DataSourceDriver.h"
#include "FakeCallerTables.h"

#include <string>

// A whole-file transfer of the given type and file, without questions, decimal dots and blanks kept.
void SetProfile(CFakeCallerTables& tables, int type, const std::string& file);

// Prints the errors reported so far under the format's name; true when there were none.
bool NoErrors(CFakeCallerTables& tables, const char* name);

CallerTables TablesOf(CFakeCallerTables& tables);

// The baselines: the bytes written to the file with one fwrite, and read back into all of into with one fread.
bool WriteBytes(const std::string& path, const std::string& bytes);
bool ReadBytes(const std::string& path, std::string& into);
