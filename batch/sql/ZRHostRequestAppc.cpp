#include "ZRHostRequestAppc.h"

CZRHostRequestAppcH2P::CZRHostRequestAppcH2P() : CZRHostRequestSqlH2P(kAppcConnection)
{
}

BOOL CZRHostRequestAppcH2P::ImportForeign(const ZRForeignRequest& record)
{
    return ImportQuery(record);
}

std::string CZRHostRequestAppcH2P::FromText() const
{
    return TableList();
}

CZRHostRequestAppcP2H::CZRHostRequestAppcP2H() : CZRHostRequestSqlP2H(kAppcConnection)
{
}

BOOL CZRHostRequestAppcP2H::ImportForeign(const ZRForeignRequest& record)
{
    return ImportTarget(record);
}
