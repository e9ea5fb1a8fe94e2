// What the APPC and TCP/IP profile kinds share: which parameters matter, and the neutral values of the others.
#pragma once

#include "ZRProfile.h"
#include "ZRSqlConnection.h"

class CZRProfileSql : public CZRProfile
{
public:
    // Answers for the reference file (320) and the record length (309), which only PC-to-host profiles that create
    // the host file use.
    BOOL IsParameterUsed(int id) override;
    // The reference file becomes empty and the record length 92 where they are not used.
    void ResetUnusedParameters() override;

protected:
    CZRProfileSql(const ZRSqlConnection& connection, int hostType, int direction, int transferType);
    CZRProfileSql(const ZRSqlConnection& connection, const char* fileName);

    // Makes the host part of the direction, after checking that the profile is of the kind's connection.
    BOOL MakeHostRequest(CZRRequestPart* (*makeHostToPc)(), CZRRequestPart* (*makePcToHost)());

private:
    const ZRSqlConnection& m_connection;
};
