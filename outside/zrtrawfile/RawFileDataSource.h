// The raw data source: the host's records as they are, byte for byte, one after the other, without separators.
// Host to PC it writes them to the PC file; PC to host it reads records of the host layout's length from it.
#pragma once

#include "DataSource.h"
#include "StandInFile.h"

class CRawFileDataSource : public CDataSource
{
public:
    explicit CRawFileDataSource(bool writesFile) : m_writesFile(writesFile) {}

    BOOL Connect() override { return TRUE; }
    BOOL QueryInfo(char*, int*, int*) override { return FALSE; }
    BOOL Disconnect() override { return TRUE; }
    BOOL Open(HANDLE cancelEvent) override;
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL Close() override;
    BOOL GetField(DSField* field) override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

private:
    BOOL ReadRecord();
    BOOL Fail(UINT id);

    bool m_writesFile;
    bool m_hasRecord = false;
    char m_path[MAX_PATH + 1] = {};
    CStandInFile m_file;
};
