// The profile kind of HLLAPI connections, used by both programs.
#pragma once

#include "ZRProfile.h"

class CZRProfileHllAPI : public CZRProfile
{
public:
    using CZRProfile::CZRProfile;

    // Refuses a connection other than HLLAPI (reported as an invalid "Connection"): the host part of another kind's
    // file must never be read, and then written, as an HLLAPI part.
    BOOL CreateHostRequest() override;
    // Answers for the description file (305), the record length (309) and the number of records (310).
    BOOL IsParameterUsed(int id) override;
    void ResetUnusedParameters() override;
};
