#include "ZRProfileAPPC.h"

#include "ZRHostRequestAppc.h"

#include <new>

CZRProfileAPPC::CZRProfileAPPC(int hostType, int direction, int transferType)
    : CZRProfileSql(kAppcConnection, hostType, direction, transferType)
{
}

CZRProfileAPPC::CZRProfileAPPC(const char* fileName) : CZRProfileSql(kAppcConnection, fileName)
{
}

BOOL CZRProfileAPPC::CreateHostRequest()
{
    return MakeHostRequest([]() -> CZRRequestPart* { return new (std::nothrow) CZRHostRequestAppcH2P; },
                           []() -> CZRRequestPart* { return new (std::nothrow) CZRHostRequestAppcP2H; });
}
