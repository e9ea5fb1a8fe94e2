// The base of the worksheet targets (WKQ, WKS, XLS): files of records, one row of cells per record below a row of
// field names, without an end mark; appending goes on over the existing file's EOF record.
#pragma once

#include "SheetRecords.h"
#include "ZRSInternalTarget.h"

class CInternalSheetTarget : public CZRSInternalTarget
{
protected:
    void InitMembers() override;
    BOOL DetectEndMark(BOOL* endMark) override;
    // Continues at the existing file's EOF record, found by CheckStructure.
    BOOL SeekForAppend(BOOL endMark) override;

    void PutRecord(unsigned opcode, const unsigned char* body, size_t length);

    // Reading the existing file's records (CheckStructure).
    struct Input
    {
        CInternalSheetTarget& target;
        size_t Read(size_t count, char* to) { return target.ReadBytes(to, count); }
        void Keep() { target.MarkRecordStart(); }
        long long Position() const { return target.m_consumed + static_cast<long long>(target.m_offset); }
    };

    long m_row = 0;             // the row of the cells being written
    int m_column = 0;           // the field of the cell being written
    long long m_endRecord = 0;  // offset of the existing file's EOF record
};
