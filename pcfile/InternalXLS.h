// XLS (PcFileType 14, Microsoft Excel BIFF2 worksheets), written only. Row 0 holds the field names, each record one
// row below, one cell per field; DIMENSIONS gives the used range.
#pragma once

#include "SheetRecords.h"
#include "ZRSInternalTarget.h"

class CInternalXLSTarget : public CZRSInternalTarget
{
public:
    // Refuses more fields than the 16-bit column count of DIMENSIONS holds (ZRI005).
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;

protected:
    const char* SourceName() const override { return "InternalXLS"; }
    void InitMembers() override;
    BOOL DetectEndMark(BOOL* endMark) override;
    // BOF, DIMENSIONS for this many fields, and a first data row of one cell of the field's kind per field.
    BOOL CheckStructure() override;
    BOOL SeekForAppend(BOOL endMark) override;
    BOOL WriteHeader() override;
    // One row of cells; a row whose number DIMENSIONS could not hold is refused.
    BOOL FormatRecord() override;
    BOOL FormatField(const DSField& field) override;
    // EOF, and the last row into DIMENSIONS.
    BOOL WriteTrailer() override;

private:
    struct Input
    {
        CInternalXLSTarget& target;
        size_t Read(size_t count, char* to) { return target.ReadBytes(to, count); }
        void Keep() { target.MarkRecordStart(); }
        long long Position() const { return target.m_consumed + static_cast<long long>(target.m_offset); }
    };

    void PutRecord(unsigned opcode, const unsigned char* body, size_t length);
    void PutLabel(const char* text, size_t length);
    // Row, column and the three attribute bytes of a cell.
    void CellHead(unsigned char* body) const;

    long m_row = 0;
    int m_column = 0;
    long long m_endRecord = 0;
};
