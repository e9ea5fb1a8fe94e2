// DIF (PcFileType 8): the Data Interchange Format. A header, then one tuple per record with one value per field.
// VECTORS carries the number of records and TUPLES the number of fields.
#pragma once

#include "DifReader.h"
#include "ZRSInternalSource.h"
#include "ZRSInternalTarget.h"

class CInternalDIFTarget : public CZRSInternalTarget
{
protected:
    const char* SourceName() const override { return "InternalDIF"; }
    void InitMembers() override;
    // The existing file reads as DIF with tuples of the field list; its record count is continued.
    BOOL CheckStructure() override;
    // New tuples take the place of the final EOD.
    BOOL SeekForAppend(BOOL endMark) override;
    BOOL WriteHeader() override;
    // Every field, then the separator that opens the next tuple.
    BOOL FormatRecord() override;
    // A value with a line end or a Ctrl-Z in it would break the file's lines: it is refused.
    BOOL FormatField(const DSField& field) override;
    // The last separator becomes EOD; the counts go into the header.
    BOOL WriteTrailer() override;

private:
    struct Input
    {
        CInternalDIFTarget& target;
        int Peek() { return target.PeekByte(); }
        int Read() { return target.ReadByte(); }
        long long Position() const { return target.m_consumed + static_cast<long long>(target.m_offset); }
        void Keep() { target.MarkRecordStart(); }
    };

    // Writes the count into its field, blank-padded; a count wider than its field widens it.
    bool WriteCount(const DifCountField& field, long long count, long long fileEnd);

    DifHeader m_header;
    long long m_recordsWritten = 0;
};

class CInternalDIFSource : public CZRSInternalSource
{
protected:
    const char* SourceName() const override { return "InternalDIF"; }
    void InitMembers() override;
    // The header and the first tuple fit the field list.
    BOOL CheckStructure() override;
    // Back to the file's start and on to the first tuple.
    BOOL SkipHeader() override;
    // The next tuple into the record buffer; EOD ends the data.
    BOOL ParseRecord() override;

private:
    struct Input
    {
        CInternalDIFSource& source;
        int Peek() { return source.PeekByte(); }
        int Read() { return source.ReadByte(); }
        long long Position() const { return source.m_consumed + static_cast<long long>(source.m_offset); }
        void Keep() { source.MarkRecordStart(); }
    };

    DifReader<Input> m_reader{Input{*this}};
    bool m_dataEnded = false;
};
