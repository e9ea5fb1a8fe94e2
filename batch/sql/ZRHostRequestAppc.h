// The host requests of APPC profiles: statements name the tables as the table list holds them, and a foreign
// profile's request can be imported.
#pragma once

#include "ZRHostRequestSqlH2P.h"
#include "ZRHostRequestSqlP2H.h"

class CZRHostRequestAppcH2P : public CZRHostRequestSqlH2P
{
public:
    CZRHostRequestAppcH2P();
    // Fills the new part from a foreign request and assembles both statement forms.
    BOOL ImportForeign(const ZRForeignRequest& record) override;

protected:
    std::string FromText() const override;
};

class CZRHostRequestAppcP2H : public CZRHostRequestSqlP2H
{
public:
    CZRHostRequestAppcP2H();
    BOOL ImportForeign(const ZRForeignRequest& record) override;
};
