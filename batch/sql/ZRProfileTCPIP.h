// The profile kind of TCP/IP connections (Zrtbatch only).
#pragma once

#include "ZRProfileSql.h"

class CZRProfileTCPIP : public CZRProfileSql
{
public:
    CZRProfileTCPIP(int hostType, int direction, int transferType);
    explicit CZRProfileTCPIP(const char* fileName);

    // Direction 1 makes a CZRHostRequestTcpipH2P, any other direction a CZRHostRequestTcpipP2H.
    BOOL CreateHostRequest() override;
};
