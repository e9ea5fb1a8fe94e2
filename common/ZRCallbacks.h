// The program's profile, option and environment tables (the error sink is ZRErrorHandling's), each filled by its
// install routine and kept for the program's life. The manager and every data source keep only their addresses and
// may call them from the manager's worker thread.
#pragma once

#include "ZRCallerTables.h"

class CZRProfile;
class CZROptions;

extern ProfileCallbacks g_profileCallbacks;
extern OptionCallbacks g_optionCallbacks;
extern EnvironmentCallbacks g_environmentCallbacks;

// Makes `profile` (or none) the current profile and fills the 14 entries over it. Run again whenever the program
// makes another profile current, before the manager is created for it. Entries find no value (get and set FALSE,
// size -1) while there is no current profile or it lacks the part asked for.
BOOL InstallProfileCallbacks(CZRProfile* profile);

// Fills the 3 option entries over the program's one options object (or none: then no option is found).
BOOL InstallOptionsCallbacks(CZROptions* options);

// Fills the environment entries over the program's version-library wrapper and stores the notification window.
BOOL InstallEnvironmentCallbacks(HWND notifyWindow);
