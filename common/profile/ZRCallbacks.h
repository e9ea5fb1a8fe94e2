// The program's profile, option and environment tables (the error sink is ZRErrorHandling's), each filled by its
// install routine and kept for the program's life. The manager and every data source keep only their addresses and
// may call them from the manager's worker thread.
#pragma once

#include "ZRCallerTables.h"
#include "ZRServiceCallbacks.h"

class CZRProfile;

extern ProfileCallbacks g_profileCallbacks;

// Makes `profile` (or none) the current profile and fills the 14 entries over it. Run again whenever the program
// makes another profile current, before the manager is created for it. Entries find no value (get and set FALSE,
// size -1) while there is no current profile or it lacks the part asked for.
BOOL InstallProfileCallbacks(CZRProfile* profile);
