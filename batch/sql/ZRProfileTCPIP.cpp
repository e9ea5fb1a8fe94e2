#include "ZRProfileTCPIP.h"

#include "ZRHostRequestTcpip.h"

#include <new>

CZRProfileTCPIP::CZRProfileTCPIP(int hostType, int direction, int transferType)
    : CZRProfileSql(kTcpipConnection, hostType, direction, transferType)
{
}

CZRProfileTCPIP::CZRProfileTCPIP(const char* fileName) : CZRProfileSql(kTcpipConnection, fileName)
{
}

BOOL CZRProfileTCPIP::CreateHostRequest()
{
    return MakeHostRequest([]() -> CZRRequestPart* { return new (std::nothrow) CZRHostRequestTcpipH2P; },
                           []() -> CZRRequestPart* { return new (std::nothrow) CZRHostRequestTcpipP2H; });
}
