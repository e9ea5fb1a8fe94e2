// WKS (PcFileType 13, Lotus 1-2-3) and WKQ (12, Quattro Pro): worksheet files, written only. Row 0 holds the field
// names, each record one row below, one cell per field. The two types write the same bytes.
#pragma once

#include "InternalSheetTarget.h"

#include <vector>

class CInternalWKSTarget : public CInternalSheetTarget
{
protected:
    const char* SourceName() const override { return "InternalWKS"; }
    // The existing worksheet begins with BOF and its first data row holds one cell of the field's kind per field.
    BOOL CheckStructure() override;
    BOOL WriteHeader() override;
    // One row of cells; a row beyond the 16-bit row field is refused.
    BOOL FormatRecord() override;
    BOOL FormatField(const DSField& field) override;
    BOOL WriteTrailer() override;

private:
    void PutLabel(const char* text, size_t length);
};

class CInternalWKQTarget : public CInternalWKSTarget
{
protected:
    const char* SourceName() const override { return "InternalWKQ"; }
};
