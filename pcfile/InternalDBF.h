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

private:
    uint32_t m_recordsWritten = 0;
};

class CInternalDBFSource : public CZRSInternalSource
{
protected:
    const char* SourceName() const override { return "InternalDBF"; }
    void InitMembers() override;
    void ReleaseExtra() override;
    // The header describes one column per field, of the field's kind.
    BOOL CheckStructure() override;
    // Back to the file's start and past the header.
    BOOL SkipHeader() override;
    // The next record that is not deleted, each column laid into its field; 0x1A or the end of the file where a
    // record would start end the data.
    BOOL ParseRecord() override;

private:
    BOOL ReadHeader();
    // Passes over bytes without keeping them in the buffer.
    size_t SkipBytes(size_t count);
    bool StoreColumn(DSField& field, const DbfColumn& column, const char* bytes);

    DbfHeader m_header;
    std::string m_record;
};
