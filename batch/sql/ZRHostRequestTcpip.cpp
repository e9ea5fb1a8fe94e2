#include "ZRHostRequestTcpip.h"

CZRHostRequestTcpipH2P::CZRHostRequestTcpipH2P() : CZRHostRequestSqlH2P(kTcpipConnection)
{
}

std::string CZRHostRequestTcpipH2P::FormatTableList() const
{
    return FormatTcpipTableList(TableList());
}

std::string CZRHostRequestTcpipH2P::FromText() const
{
    return FormatTableList();
}

CZRHostRequestTcpipP2H::CZRHostRequestTcpipP2H() : CZRHostRequestSqlP2H(kTcpipConnection)
{
}
