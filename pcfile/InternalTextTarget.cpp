#include "InternalTextTarget.h"

#include "ByteCopy.h"
#include "FieldConvert.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace
{
const char kSource[] = "ZRSInternal";

// Writes `count` characters, at most eight, held in the low bytes of `group` (the bytes above them zero), with
// every double quote doubled; gives the end of what it wrote. Stores whole words: up to a word beyond the end may
// be overwritten.
char* WriteGroupDoublingQuotes(char* out, uint64_t group, size_t count)
{
    size_t done = 0;
    for (uint64_t quotes = BytesEqualTo(group, '"'); quotes != 0; quotes &= quotes - 1)
    {
        const size_t throughQuote = static_cast<size_t>(std::countr_zero(quotes)) / 8 + 1;
        StoreWord(out, group >> (8 * done));
        out += throughQuote - done;
        *out++ = '"';
        done = throughQuote;
    }
    if (done < kWordSize)
        StoreWord(out, group >> (8 * done));
    return out + (count - done);
}

// Writes the text in double quotes with every double quote in it doubled, eight characters at a time; gives the
// end of what it wrote. Needs room for 2 * length + 2 bytes and one word more.
char* WriteQuoted(char* out, const char* text, size_t length)
{
    *out++ = '"';
    size_t i = 0;
    for (; length - i >= kWordSize; i += kWordSize)
    {
        const uint64_t group = LoadWord(text + i);
        if (BytesEqualTo(group, '"') == 0)
        {
            StoreWord(out, group);
            out += kWordSize;
        }
        else
            out = WriteGroupDoublingQuotes(out, group, kWordSize);
    }
    // The rest in the low bytes of a word: the last word of the text moved down, or the short text itself.
    if (const size_t rest = length - i; rest > 0)
    {
        const uint64_t group = length >= kWordSize ? LoadWord(text + length - kWordSize) >> (8 * (kWordSize - rest))
                                                   : LoadShortWord(text, rest);
        out = WriteGroupDoublingQuotes(out, group, rest);
    }
    *out++ = '"';
    return out;
}

// The part of a number that is kept when blanks are removed: without its leading blanks and zeros, "0" when
// nothing else is left.
struct NumberPart
{
    const char* text;
    size_t length;
};

NumberPart CutNumber(const char* value, size_t width)
{
    const size_t skipped = LeadingBlanksAndZeros(value, width);
    if (skipped == width)
        return {"0", 1};
    return {value + skipped, width - skipped};
}

char* WriteBytes(char* out, const char* bytes, size_t count)
{
    CopyBytes(out, bytes, count);
    return out + count;
}
}

void CInternalTextTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_lineEnd = "\r\n";
}

BOOL CInternalTextTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    const bool taken = CZRSInternalTarget::SetRecordLayout(otherSide);
    // Measured whatever the outcome, so that the room asked for always fits the layout held.
    m_removeBlanks = RemoveBlanks();
    m_unwritableField = -1;
    m_mostLineBytes = 2 + kWordSize;
    m_forms.clear();
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        m_forms.push_back(FormOf(field));
        if (m_unwritableField < 0 && m_forms.back() == ValueForm::Unwritable)
            m_unwritableField = i;
        m_mostLineBytes += MostFieldBytes(field) + (i > 0 && m_separator ? 1 : 0);
    }
    return taken;
}

CInternalTextTarget::ValueForm CInternalTextTarget::FormOf(const DSField& field) const
{
    if (IsPcTextType(field.type))
    {
        if (m_quoteText)
            return m_removeBlanks ? ValueForm::QuotedCutText : ValueForm::Quoted;
        return m_removeBlanks ? ValueForm::CutText : ValueForm::Whole;
    }
    if (IsPcNumberType(field.type))
        return m_removeBlanks ? ValueForm::CutNumber : ValueForm::Whole;
    return ValueForm::Unwritable;
}

BOOL CInternalTextTarget::ReadMissingLineEnd(long long contentLength, const char*& missing)
{
    missing = "";
    if (contentLength < 1)
        return TRUE;
    char last[2] = {};
    const size_t count = contentLength >= 2 ? 2 : 1;
    if (_fseeki64(m_stream, contentLength - static_cast<long long>(count), SEEK_SET) != 0 ||
        fread(last, 1, count, m_stream) != count)
        return ZRI_FAIL(kSource, IDS_ZRI013);
    const char final = last[count - 1];
    const char before = count == 2 ? last[0] : '\0';
    if (final == '\n' && before == '\r')
        return TRUE;
    if (final == '\r' || final == '\n')
    {
        if (!LoneBreakEndsLine())
            missing = final == '\r' ? "\n" : "\r\n";
        return TRUE;
    }
    missing = "\r\n";
    return TRUE;
}

BOOL CInternalTextTarget::SeekForAppend(BOOL endMark)
{
    const long long contentLength = m_fileLength - (endMark ? 1 : 0);
    const char* missing = "";
    if (!ReadMissingLineEnd(contentLength, missing))
        return FALSE;
    PutBytes(missing, std::strlen(missing));
    return CZRSInternalTarget::SeekForAppend(endMark);
}

BOOL CInternalTextTarget::FormatRecord()
{
    // The line goes into the buffer at once when its most bytes fit, as they do for all but very long records.
    if (char* out = Reserve(m_mostLineBytes))
        return WriteLine(out);
    for (int i = 0; i < m_layout.count; ++i)
    {
        if (i > 0 && m_separator)
            PutChar(m_separator);
        if (!FormatField(m_layout.fields[i]))
            return FieldFailed(i);
    }
    PutLineEnd();
    return TRUE;
}

void CInternalTextTarget::PutLine(const char* bytes, size_t count)
{
    if (char* out = Reserve(count + 2))
    {
        CopyBytes(out, bytes, count);
        out[count] = m_lineEnd[0];
        out[count + 1] = m_lineEnd[1];
        return Commit(out + count + 2);
    }
    PutBytes(bytes, count);
    PutLineEnd();
}

BOOL CInternalTextTarget::WriteLine(char* out)
{
    for (int i = 0; i < m_layout.count; ++i)
    {
        if (i > 0 && m_separator)
            *out++ = m_separator;
        char* end = WriteValue(out, m_layout.fields[i], m_forms[i]);
        if (!end)
        {
            Commit(out);
            return FieldFailed(i);
        }
        out = end;
    }
    out[0] = m_lineEnd[0];
    out[1] = m_lineEnd[1];
    Commit(out + 2);
    return TRUE;
}

char* CInternalTextTarget::WriteValue(char* out, const DSField& field, ValueForm form)
{
    const char* value = field.value;
    const size_t width = FieldLength(field);
    switch (form)
    {
    case ValueForm::Whole:
        return WriteBytes(out, value, width);
    case ValueForm::Quoted:
        return WriteQuoted(out, value, width);
    case ValueForm::CutText:
        return WriteBytes(out, value, LengthWithoutTrailingBlanks(value, width));
    case ValueForm::QuotedCutText:
        return WriteQuoted(out, value, LengthWithoutTrailingBlanks(value, width));
    case ValueForm::CutNumber:
    {
        const NumberPart part = CutNumber(value, width);
        return WriteBytes(out, part.text, part.length);
    }
    case ValueForm::Unwritable:
        break;
    }
    return nullptr;
}

BOOL CInternalTextTarget::FormatField(const DSField& field)
{
    const ValueForm form = FormOf(field);
    if (form == ValueForm::Unwritable)
        return FALSE;
    if (char* out = Reserve(MostFieldBytes(field) + kWordSize))
        Commit(WriteValue(out, field, form));
    else
        PutLongValue(field, form);
    return TRUE;
}

void CInternalTextTarget::PutLongValue(const DSField& field, ValueForm form)
{
    const size_t width = FieldLength(field);
    if (form == ValueForm::CutNumber)
    {
        const NumberPart part = CutNumber(field.value, width);
        return PutBytes(part.text, part.length);
    }
    const bool cut = form == ValueForm::CutText || form == ValueForm::QuotedCutText;
    const size_t length = cut ? LengthWithoutTrailingBlanks(field.value, width) : width;
    if (form != ValueForm::Quoted && form != ValueForm::QuotedCutText)
        return PutBytes(field.value, length);
    PutChar('"');
    for (size_t i = 0; i < length; ++i)
    {
        if (field.value[i] == '"')
            PutChar('"');
        PutChar(field.value[i]);
    }
    PutChar('"');
}

size_t CInternalTextTarget::MostFieldBytes(const DSField& field) const
{
    const size_t length = FieldLength(field);
    if (IsPcTextType(field.type))
        return m_quoteText ? 2 * length + 2 : length;
    return std::max<size_t>(length, 1);
}
