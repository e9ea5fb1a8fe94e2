// The Microsoft Access data source as it stands here: without a database engine it refuses the connection, so
// that a transfer of PC file type 16 or 17 ends with a clear error and touches no file.
#pragma once

#include "DataSource.h"

class CJetDbDataSource : public CDataSource
{
public:
    BOOL Connect() override;
    BOOL QueryInfo(char*, int*, int*) override { return FALSE; }
    BOOL Disconnect() override { return TRUE; }
    BOOL Open(HANDLE) override { return FALSE; }
    BOOL NextField() override { return FALSE; }
};
