// CInternalTextTarget: the base of the targets whose records are lines ended by CR LF.
#pragma once

#include "NumberText.h"
#include "ZRSInternalTarget.h"

#include <vector>

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
    // Appends after a final CR LF: when the file's content does not end with one, what it lacks of it is written
    // first (the LF after a lone CR, else CR LF).
    BOOL SeekForAppend(BOOL endMark) override;
    // Whether the format's reader takes a lone CR or LF as a whole line end (TXT), so that nothing is added to it.
    virtual bool LoneBreakEndsLine() const { return false; }

    void PutLineEnd() { PutBytes(m_lineEnd, 2); }

    char m_separator = 0;         // between two fields; 0 for none
    bool m_quoteText = false;     // texts in double quotes, a double quote in them doubled
    bool m_removeBlanks = false;  // profile parameter 204
    int m_unwritableField = -1;   // the first field that is neither text nor number; -1 when there is none

private:
    // How a field's value goes into a line, chosen from its type and the format when the layout is taken.
    enum class ValueForm : unsigned char
    {
        Whole,          // every byte as it stands
        Quoted,         // a text in double quotes, each double quote in it doubled
        CutText,        // a text without its trailing blanks
        QuotedCutText,  // the two together
        CutNumber,      // a number without its leading blanks and zeros ("0" when nothing is left)
        Unwritable,     // neither text nor number
    };
    ValueForm FormOf(const DSField& field) const;

    // Bytes the field's value may take at most, and the whole line with its separators and CR LF.
    size_t MostFieldBytes(const DSField& field) const;
    // Writes the line at `out`, which has room for its most bytes and one word more (whole words may be stored
    // beyond the end). A field that is neither text nor number is reported after the values before it are kept,
    // as the field-by-field way does.
    BOOL WriteLine(char* out);
    // Writes the value in its form at `out`, with room as for WriteLine; null for an unwritable field.
    static char* WriteValue(char* out, const DSField& field, ValueForm form);
    // A value longer than the buffer's free room, put through the buffer's end.
    void PutLongValue(const DSField& field, ValueForm form);
    // What the last line of the file's first contentLength bytes lacks of its line end, so that appended lines
    // start on a line of their own: nothing after CR LF, the LF after a final lone CR, else CR LF. FALSE when the
    // bytes cannot be read.
    BOOL ReadMissingLineEnd(long long contentLength, const char*& missing);

    size_t m_mostLineBytes = 0;
    std::vector<ValueForm> m_forms;  // one for every field of the layout
};
