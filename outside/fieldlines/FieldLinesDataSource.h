// The description-file data source: the host's field descriptions (records of 66 EBCDIC bytes: name 10, type 1,
// length 3, decimals 2, text 50) become the lines of a description file, translated into the profile's PC
// character set and ended by CR LF. It only writes: a description file is never sent to the host.
#pragma once

#include "DataSource.h"
#include "StandInFile.h"

class CFieldLinesDataSource : public CDataSource
{
public:
    explicit CFieldLinesDataSource(bool writesFile) : m_writesFile(writesFile) {}

    BOOL Connect() override { return TRUE; }
    BOOL QueryInfo(char*, int*, int*) override { return FALSE; }
    BOOL Disconnect() override { return TRUE; }
    BOOL Open(HANDLE cancelEvent) override;
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL Close() override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

private:
    BOOL Fail(UINT id);

    bool m_writesFile;
    int m_converterMode = ZRCM_EBCDIC_TO_ANSI;
    char m_path[MAX_PATH + 1] = {};
    CStandInFile m_file;
};
