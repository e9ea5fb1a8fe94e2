#include "InternalTextTarget.h"

#include "ByteCopy.h"
#include "FieldConvert.h"

#include <algorithm>
#include <bit>

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
}

void CInternalTextTarget::InitMembers()
{
    CZRSInternalTarget::InitMembers();
    m_lineEnd = "\r\n";
}

BOOL CInternalTextTarget::SetRecordLayout(const DSRecordLayout* otherSide)
{
    const BOOL taken = CZRSInternalTarget::SetRecordLayout(otherSide);
    // Measured whatever the outcome, so that the room asked for always fits the layout held.
    m_removeBlanks = RemoveBlanks();
    m_unwritableField = -1;
    m_mostLineBytes = 2 + kWordSize;
    for (int i = 0; i < m_layout.count; ++i)
    {
        const DSField& field = m_layout.fields[i];
        if (m_unwritableField < 0 && !IsPcTextType(field.type) && !IsPcNumberType(field.type))
            m_unwritableField = i;
        m_mostLineBytes += MostFieldBytes(field) + (i > 0 && m_separator ? 1 : 0);
    }
    return taken;
}

BOOL CInternalTextTarget::ReadEndsWithLineEnd(long long contentLength, bool& endsWithLineEnd)
{
    endsWithLineEnd = false;
    if (contentLength < 2)
        return TRUE;
    char last[2] = {};
    if (_fseeki64(m_stream, contentLength - 2, SEEK_SET) != 0 || fread(last, 1, 2, m_stream) != 2)
        return ZRI_FAIL(kSource, IDS_ZRI013);
    endsWithLineEnd = last[0] == '\r' && last[1] == '\n';
    return TRUE;
}

BOOL CInternalTextTarget::SeekForAppend(BOOL endMark)
{
    const long long contentLength = m_fileLength - (endMark ? 1 : 0);
    bool endsWithLineEnd = false;
    if (!ReadEndsWithLineEnd(contentLength, endsWithLineEnd))
        return FALSE;
    if (contentLength > 0 && !endsWithLineEnd)
        PutLineEnd();
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
        char* end = WriteField(out, m_layout.fields[i]);
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

BOOL CInternalTextTarget::FormatField(const DSField& field)
{
    if (!IsPcTextType(field.type) && !IsPcNumberType(field.type))
        return FALSE;
    if (char* out = Reserve(MostFieldBytes(field) + kWordSize))
        Commit(WriteField(out, field));
    else
        PutLongValue(field);
    return TRUE;
}

char* CInternalTextTarget::WriteField(char* out, const DSField& field) const
{
    ValuePart part{};
    if (IsPcTextType(field.type))
    {
        part = TextPart(field);
        if (m_quoteText)
            return WriteQuoted(out, part.text, part.length);
    }
    else if (IsPcNumberType(field.type))
        part = NumberPart(field);
    else
        return nullptr;
    CopyBytes(out, part.text, part.length);
    return out + part.length;
}

void CInternalTextTarget::PutLongValue(const DSField& field)
{
    if (!IsPcTextType(field.type))
    {
        const ValuePart part = NumberPart(field);
        return PutBytes(part.text, part.length);
    }
    const ValuePart part = TextPart(field);
    if (!m_quoteText)
        return PutBytes(part.text, part.length);
    PutChar('"');
    for (size_t i = 0; i < part.length; ++i)
    {
        if (part.text[i] == '"')
            PutChar('"');
        PutChar(part.text[i]);
    }
    PutChar('"');
}

CInternalTextTarget::ValuePart CInternalTextTarget::TextPart(const DSField& field) const
{
    const size_t length = FieldLength(field);
    return {field.value, m_removeBlanks ? LengthWithoutTrailingBlanks(field.value, length) : length};
}

CInternalTextTarget::ValuePart CInternalTextTarget::NumberPart(const DSField& field) const
{
    const size_t length = FieldLength(field);
    if (!m_removeBlanks)
        return {field.value, length};
    const size_t skipped = LeadingBlanksAndZeros(field.value, length);
    if (skipped == length)
        return {"0", 1};
    return {field.value + skipped, length - skipped};
}

size_t CInternalTextTarget::MostFieldBytes(const DSField& field) const
{
    const size_t length = FieldLength(field);
    if (IsPcTextType(field.type))
        return m_quoteText ? 2 * length + 2 : length;
    return std::max<size_t>(length, 1);
}
