// Process-wide facts about the running program that the shared services need.
#pragma once

#include <windows.h>

// The module that holds the calling code: the program file when linked into a program, the library when linked
// into a library. ReportError loads its texts from here.
HMODULE GetOwnModule();
