// Writes the active worksheet of a workbook (host to PC): one worksheet row per record.
#pragma once

#include "ZRSExcelCOM.h"

#include <vector>

class CZRSExcelCOMTarget : public CZRSExcelCOM
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL Close() override;
    BOOL GetField(DSField* field) override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

    DWORD GetFileStatus() override;
    void Reset() override;
    void ReleaseResults() override;

private:
    BOOL OpenByWriteMode();
    bool WriteRecord();

    int m_writeMode = 0;
    long m_nextRow = 1;
    std::vector<wchar_t> m_wide;  // one record's text as wide characters
};
