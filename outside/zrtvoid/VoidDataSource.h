// The placeholder PC side: host to PC it takes every record and keeps none; PC to host it has no records.
#pragma once

#include "DataSource.h"

class CVoidDataSource : public CDataSource
{
public:
    explicit CVoidDataSource(bool takesRecords) : m_takesRecords(takesRecords) {}

    BOOL Connect() override { return TRUE; }
    BOOL QueryInfo(char*, int*, int*) override { return FALSE; }
    BOOL Disconnect() override { return TRUE; }
    BOOL Open(HANDLE cancelEvent) override;
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

private:
    bool m_takesRecords;
    int m_fieldCount = 0;
};
