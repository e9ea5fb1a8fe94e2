// The call log of the scripted fake data source: "fakesource.log" beside the library, one line per call,
// "<LIBRARY> <text>", appended by every library of the fake in the process in the order of the calls.
#pragma once

#include <string>

void SetFakeLogFolder(const std::string& folder);
void AppendFakeLog(const std::string& line);
