// The DOS random-access formats DR1 and DR2 (PcFileType 10 and 11): fixed-length binary records without line ends;
// text fields stored as they are, numbers as packed decimal, zoned decimal or binary integers. The two formats
// differ only in their sign codes (DosRandomFormat).
#pragma once

#include "DosRandomField.h"
#include "ZRSInternalSource.h"
#include "ZRSInternalTarget.h"

#include <string>

class CInternalDosRandomTarget : public CZRSInternalTarget
{
public:
    explicit CInternalDosRandomTarget(const DosRandomFormat& format) : m_format(format) {}

protected:
    const char* SourceName() const override { return m_format.sourceName; }
    BOOL MapField(const DSField& host, DSField& pc, int characterSet) override;
    // The file has no end mark.
    BOOL DetectEndMark(BOOL* endMark) override;
    // The existing file is made of whole records and its first record holds valid numbers.
    BOOL CheckStructure() override;
    // The field's stored bytes; the record is the fields back to back.
    BOOL FormatField(const DSField& field) override;

private:
    const DosRandomFormat& m_format;
    std::string m_stored;
};

class CInternalDosRandomSource : public CZRSInternalSource
{
public:
    explicit CInternalDosRandomSource(const DosRandomFormat& format) : m_format(format) {}

protected:
    const char* SourceName() const override { return m_format.sourceName; }
    BOOL MapField(const DSField& host, DSField& pc, int characterSet) override;
    BOOL DetectEndMark(BOOL* endMark) override;
    BOOL CheckStructure() override;
    // Reads one record and lays every field's display text at its place in the record buffer.
    BOOL ParseRecord() override;
    void ReleaseExtra() override;

private:
    const DosRandomFormat& m_format;
    std::string m_stored;
};

// Whether the file is made of whole records of the layout and its first record holds valid numbers; reads the
// first record through `read` (bytes wanted, destination; bytes given).
template <typename Read>
bool DosRandomFileFits(const DosRandomFormat& format, const DSRecordLayout& layout, long long fileLength,
                       std::string& scratch, Read read)
{
    long long recordWidth = 0;
    for (int i = 0; i < layout.count; ++i)
        recordWidth += static_cast<long long>(StoredWidth(layout.fields[i]));
    if (recordWidth == 0 || fileLength < recordWidth || fileLength % recordWidth != 0)
        return false;
    for (int i = 0; i < layout.count; ++i)
    {
        const DSField& field = layout.fields[i];
        scratch.resize(StoredWidth(field));
        if (read(scratch.size(), scratch.data()) != scratch.size() ||
            !IsValidStoredField(format, field, reinterpret_cast<const unsigned char*>(scratch.data())))
            return false;
    }
    return true;
}

class CInternalDR1Target : public CInternalDosRandomTarget
{
public:
    CInternalDR1Target() : CInternalDosRandomTarget(kDr1Format) {}
};

class CInternalDR1Source : public CInternalDosRandomSource
{
public:
    CInternalDR1Source() : CInternalDosRandomSource(kDr1Format) {}
};

class CInternalDR2Target : public CInternalDosRandomTarget
{
public:
    CInternalDR2Target() : CInternalDosRandomTarget(kDr2Format) {}
};

class CInternalDR2Source : public CInternalDosRandomSource
{
public:
    CInternalDR2Source() : CInternalDosRandomSource(kDr2Format) {}
};
