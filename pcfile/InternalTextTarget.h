// CInternalTextTarget: the base of the targets whose records are lines ended by CR LF.
#pragma once

#include "NumberText.h"
#include "ZRSInternalTarget.h"

class CInternalTextTarget : public CZRSInternalTarget
{
protected:
    void InitMembers() override;
    // Reads profile parameter 204 for the record, then puts its fields through PutFields.
    BOOL FormatRecord() override;
    // The fields in order, the separator between them (when the format has one), then CR LF.
    BOOL PutFields();
    // Appends after a final CR LF: when the file's content does not end with one, CR LF is written first.
    BOOL SeekForAppend(BOOL endMark) override;

    void PutLineEnd() { PutBytes(m_lineEnd, 2); }
    // A text value at its full length, or without trailing blanks when blanks are removed.
    size_t TextLength(const DSField& field) const
    {
        const size_t length = FieldLength(field);
        return m_removeBlanks ? LengthWithoutTrailingBlanks(field.value, length) : length;
    }
    // A number value as delivered, or without leading blanks and zeros ("0" when nothing else is left) when
    // blanks are removed.
    void PutNumber(const DSField& field)
    {
        const size_t length = FieldLength(field);
        if (!m_removeBlanks)
            return PutBytes(field.value, length);
        const size_t skipped = LeadingBlanksAndZeros(field.value, length);
        if (skipped == length)
            return PutChar('0');
        PutBytes(field.value + skipped, length - skipped);
    }

    char m_separator = 0;       // between two fields; 0 for none
    BOOL m_removeBlanks = FALSE; // profile parameter 204, read for each record
    // Whether the file's first contentLength bytes end with CR LF; FALSE when they cannot be read.
    BOOL ReadEndsWithLineEnd(long long contentLength, bool& endsWithLineEnd);
};
