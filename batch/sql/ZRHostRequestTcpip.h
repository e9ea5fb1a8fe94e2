// The host requests of TCP/IP profiles: statements name the tables as library.file, with a correlation name per
// table when there are several.
#pragma once

#include "ZRHostRequestSqlH2P.h"
#include "ZRHostRequestSqlP2H.h"

class CZRHostRequestTcpipH2P : public CZRHostRequestSqlH2P
{
public:
    CZRHostRequestTcpipH2P();
    // The table list in the form the TCP/IP statements use.
    std::string FormatTableList() const;

protected:
    std::string FromText() const override;
};

class CZRHostRequestTcpipP2H : public CZRHostRequestSqlP2H
{
public:
    CZRHostRequestTcpipP2H();
};
