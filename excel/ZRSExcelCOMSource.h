// Reads the used range of the active worksheet of a workbook (PC to host): one record per worksheet row.
#pragma once

#include "ZRSExcelCOM.h"

class CZRSExcelCOMSource : public CZRSExcelCOM
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL Close() override;
    BOOL GetField(DSField* field) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

    DWORD GetFileStatus() override;
    void Reset() override;

private:
    // The next worksheet row into the fields; the record counter counts it.
    bool ReadRow();

    bool m_endOfData = false;
    bool m_lastRow = false;
};
