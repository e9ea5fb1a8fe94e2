// What the New-profile wizard hands to the new profile after Finish.
#pragma once

#include "WizardFlow.h"

class CZRProfile;
class CZROptions;

// Copies the wizard's values and result codes into the profile by parameter id: transfer type and character set,
// session, host name, host file type, write modes, description file, record length and file size where the pages
// asked for them, PC file and type, and the options "Remove blanks" and "Decimal char is dot".
void ApplyWizardResult(CZRProfile& profile, const WizValues& values, const WizResult& result,
                       const CZROptions& options);
