// The stand-in's trace: when the environment variable ZRT_XLSERVER_TRACE names a file, one line is appended to it
// for each load and unload of the server and for each call it receives, with the call's result.
#pragma once

#include <string>

void TraceLine(const std::string& line);
