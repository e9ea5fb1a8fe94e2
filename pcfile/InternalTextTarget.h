// CInternalTextTarget: the base of the targets whose records are lines ended by CR LF.
#pragma once

#include "NumberText.h"
#include "ZRSInternalTarget.h"

class CInternalTextTarget : public CZRSInternalTarget
{
public:
    // Takes the layout and profile parameter 204, which holds for every record of the transfer.
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;

protected:
    void InitMembers() override;
    // The fields in order, the separator between them (when the format has one), then CR LF.
    BOOL FormatRecord() override;
    // One value: a text (in double quotes when the format quotes texts) or a number. FALSE for any other type.
    BOOL FormatField(const DSField& field) final;
    // The bytes followed by CR LF.
    void PutLine(const char* bytes, size_t count);
    // Appends after a final CR LF: when the file's content does not end with one, CR LF is written first.
    BOOL SeekForAppend(BOOL endMark) override;

    void PutLineEnd() { PutBytes(m_lineEnd, 2); }

    char m_separator = 0;          // between two fields; 0 for none
    bool m_quoteText = false;      // texts in double quotes, a double quote in them doubled
    BOOL m_removeBlanks = FALSE;   // profile parameter 204
    int m_unwritableField = -1;    // the first field that is neither text nor number; -1 when there is none

private:
    // The part of a value that is written: all of it, or when blanks are removed a text without its trailing
    // blanks and a number without its leading blanks and zeros ("0" when nothing else is left).
    struct ValuePart
    {
        const char* text;
        size_t length;
    };
    ValuePart TextPart(const DSField& field) const;
    ValuePart NumberPart(const DSField& field) const;

    // Bytes the field's value may take at most, and the whole line with its separators and CR LF.
    size_t MostFieldBytes(const DSField& field) const;
    // Writes the line or the value at `out`, which has room for their most bytes and one word more (whole words
    // may be stored beyond the end). WriteField gives null for a field that is neither text nor number, WriteLine
    // then reports the field after keeping the values before it, as the field-by-field way does.
    BOOL WriteLine(char* out);
    char* WriteField(char* out, const DSField& field) const;
    // A value longer than the buffer's free room, put through the buffer's end.
    void PutLongValue(const DSField& field);
    // Whether the file's first contentLength bytes end with CR LF; FALSE when they cannot be read.
    BOOL ReadEndsWithLineEnd(long long contentLength, bool& endsWithLineEnd);

    size_t m_mostLineBytes = 0;
};
