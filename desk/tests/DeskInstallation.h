// A program folder as an installation has it, for the tests that start Zrtdesk.exe: the programs, the system's own
// libraries and the stand-ins of the outside ones, the version library and the code table, a copy of the sample
// host store beside the folder, and the options of an unattended machine.
#pragma once

#include "TempProgramFolder.h"
#include "TestRegistryKey.h"

// Zrtdesk.exe, and Zrtbatch.exe with `withBatch`.
void SetUpDeskInstallation(TempProgramFolder& folder, const TestRegistryKey& key, bool withBatch = false);
