// WKS (PcFileType 13, Lotus 1-2-3) and WKQ (12, Quattro Pro): worksheet files, written only. Row 0 holds the field
// names, each record one row below, one cell per field. The two types write the same bytes.
#pragma once

#include "SheetRecords.h"
#include "ZRSInternalTarget.h"

#include <vector>

class CInternalWKSTarget : public CZRSInternalTarget
{
protected:
    const char* SourceName() const override { return "InternalWKS"; }
    void InitMembers() override;
    BOOL DetectEndMark(BOOL* endMark) override;
    // The existing worksheet begins with BOF and its first data row holds one cell of the field's kind per field.
    BOOL CheckStructure() override;
    // New rows go below the last one, over the EOF record.
    BOOL SeekForAppend(BOOL endMark) override;
    BOOL WriteHeader() override;
    // One row of cells; a row beyond the 16-bit row field is refused.
    BOOL FormatRecord() override;
    BOOL FormatField(const DSField& field) override;
    BOOL WriteTrailer() override;

private:
    struct Input
    {
        CInternalWKSTarget& target;
        size_t Read(size_t count, char* to) { return target.ReadBytes(to, count); }
        void Keep() { target.MarkRecordStart(); }
        long long Position() const { return target.m_consumed + static_cast<long long>(target.m_offset); }
    };

    void PutRecord(unsigned opcode, const unsigned char* body, size_t length);
    void PutLabel(const char* text, size_t length);

    long m_row = 0;
    int m_column = 0;
    long long m_endRecord = 0;  // offset of the existing file's EOF record
};

class CInternalWKQTarget : public CInternalWKSTarget
{
protected:
    const char* SourceName() const override { return "InternalWKQ"; }
};
