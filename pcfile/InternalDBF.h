// DBF (PcFileType 9): dBASE III table files. A header describes the columns; each record is a deletion flag and the
// fields at their full widths.
#pragma once

#include "DbfHeader.h"
#include "ZRSInternalSource.h"
#include "ZRSInternalTarget.h"

class CInternalDBFTarget : public CZRSInternalTarget
{
public:
    // Refuses field lists that the header cannot describe (ZRI005).
    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;

protected:
    const char* SourceName() const override { return "InternalDBF"; }
    void InitMembers() override;
    BOOL MapField(const DSField& host, DSField& pc, int characterSet) override;
    // The existing file's columns fit the field list, widths included; its record count is continued.
    BOOL CheckStructure() override;
    BOOL WriteHeader() override;
    // The deletion flag, then every field.
    BOOL FormatRecord() override;
    BOOL FormatField(const DSField& field) override;
    // The end mark 0x1A after the records and the record count in the header.
    BOOL WriteTrailer() override;
    // New records follow the ones the header counts; whatever lay after them is written over.
    BOOL SeekForAppend(BOOL endMark) override;

private:
    uint32_t m_recordsWritten = 0;
    long long m_recordsEnd = 0;
};

class CInternalDBFSource : public CZRSInternalSource
{
public:
    // The header's count ends the data, not the end of the file.
    BOOL EndOfData() override { return m_noRecordLeft; }

protected:
    const char* SourceName() const override { return "InternalDBF"; }
    void InitMembers() override;
    void ReleaseExtra() override;
    // The header describes one column per field, of the field's kind.
    BOOL CheckStructure() override;
    // Back to the file's start and past the header.
    BOOL SkipHeader() override;
    // The next record that is not deleted, each column laid into its field. The data ends after the records that
    // the header counts (deleted ones included): bytes after them are not read, and a file that ends, or holds its
    // end mark, before them is refused.
    BOOL ParseRecord() override;

private:
    BOOL ReadHeader();
    // Passes over bytes without keeping them in the buffer.
    size_t SkipBytes(size_t count);
    bool StoreColumn(DSField& field, const DbfColumn& column, const char* bytes);

    DbfHeader m_header;
    uint32_t m_recordsSeen = 0;
    std::string m_record;
};
