// TXT (No conversion), PcFileType 3: one line per record, the values one after the other at their widths.
#pragma once

#include "InternalTextTarget.h"
#include "ZRSInternalSource.h"

class CInternalTXTTarget : public CInternalTextTarget
{
protected:
    const char* SourceName() const override { return "InternalTXT"; }
    // Without blank removal the line is the record buffer as it stands: every value at its full length, in order.
    BOOL FormatRecord() override;
    bool LoneBreakEndsLine() const override { return true; }
};

class CInternalTXTSource : public CZRSInternalSource
{
protected:
    const char* SourceName() const override { return "InternalTXT"; }
    // Any file fits: lines are read at the widths of the fields.
    BOOL CheckStructure() override { return TRUE; }
    BOOL ParseRecord() override;

private:
    // Reads up to the field's width and then looks one byte further: a line end (CR, LF, or the two in either
    // order) is consumed and ends the line, and so does the end of the data or the end mark. A Ctrl-Z with data
    // after it ends the line too and sets strayEndMark.
    size_t ReadFieldBytes(DSField& field, bool& lineEnded, bool& strayEndMark);
    // Copies up to count of the bytes held in the buffer, up to the first line end or Ctrl-Z, and consumes them.
    size_t TakeValueBytes(char* out, size_t count);
    // Completes a field that the line end cut short: text with blanks, a number zero-padded.
    bool CompleteShortField(DSField& field, size_t read);
};
