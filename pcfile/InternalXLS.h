// XLS (PcFileType 14, Microsoft Excel BIFF2 worksheets), written only. Row 0 holds the field names, each record one
// row below, one cell per field; DIMENSIONS gives the used range.
#pragma once

#include "InternalSheetTarget.h"

class CInternalXLSTarget : public CInternalSheetTarget
{
public:
    // Refuses more fields than the 16-bit column count of DIMENSIONS holds (ZRI005).
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;

protected:
    const char* SourceName() const override { return "InternalXLS"; }
    // BOF, DIMENSIONS for this many fields, and a first data row of one cell of the field's kind per field.
    BOOL CheckStructure() override;
    BOOL WriteHeader() override;
    // One row of cells; a row whose number DIMENSIONS could not hold is refused.
    BOOL FormatRecord() override;
    BOOL FormatField(const DSField& field) override;
    // EOF, and the last row into DIMENSIONS.
    BOOL WriteTrailer() override;

private:
    void PutLabel(const char* text, size_t length);
    // Row, column and the three attribute bytes of a cell.
    void CellHead(unsigned char* body) const;
};
