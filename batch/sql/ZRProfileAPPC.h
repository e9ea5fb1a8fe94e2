// The profile kind of APPC connections (Zrtbatch only).
#pragma once

#include "ZRProfileSql.h"

class CZRProfileAPPC : public CZRProfileSql
{
public:
    CZRProfileAPPC(int hostType, int direction, int transferType);
    explicit CZRProfileAPPC(const char* fileName);

    // Direction 1 makes a CZRHostRequestAppcH2P, any other direction a CZRHostRequestAppcP2H.
    BOOL CreateHostRequest() override;
};
