// The program's option and environment tables, each filled by its install routine and kept for the program's life.
// The manager and every data source keep only their addresses and may call them from the manager's worker thread.
#pragma once

#include "ZRCallerTables.h"

class CZROptions;

extern OptionCallbacks g_optionCallbacks;
extern EnvironmentCallbacks g_environmentCallbacks;

// Fills the 3 option entries over the program's one options object (or none: then no option is found).
BOOL InstallOptionsCallbacks(CZROptions* options);

// Fills the environment entries over the program's version-library wrapper and stores the notification window.
BOOL InstallEnvironmentCallbacks(HWND notifyWindow);
