// CZRSInternalTarget: a PC file written from the host's records (direction 1). It asks before a file is created
// or replaced, appends after checking the existing file, and writes every byte through the buffer.
#pragma once

#include "ByteCopy.h"
#include "FieldConvert.h"
#include "PcFileSafeguard.h"
#include "ZRSInternal.h"

#include <vector>

class CZRSInternalTarget : public CZRSInternal
{
public:
    CZRSInternalTarget();
    ~CZRSInternalTarget() override;

    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    // Converts the value into the current field; a number then takes a decimal comma when the format writes one and
    // the decimal character is not the dot.
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;
    // Keeps the file written when EndOfData has succeeded (the transfer ended or was cancelled); otherwise leaves the
    // PC file exactly as it was before the transfer.
    BOOL Close() override;

protected:
    BOOL OpenFile() override;
    // An existing file fits the field list (append). The buffer holds the file's first bytes.
    BOOL CheckStructure() override;
    BOOL ServiceBuffer() final;
    void InitMembers() override;

    // Puts the record held in the layout into the buffer: by default every field through FormatField, in order.
    // Reports a failing field (ZRI012) itself.
    virtual BOOL FormatRecord();
    virtual BOOL FormatField(const DSField& field) = 0;
    // The file's header, before the first record, and its trailer, at the end; by default there are none.
    virtual BOOL WriteHeader();
    virtual BOOL WriteTrailer();
    // Positions the stream for appending: at the end of the file, or on its final Ctrl-Z.
    virtual BOOL SeekForAppend(BOOL endMark);
    // String reported when the buffer cannot be written out before a record.
    virtual UINT ServiceFailureId() const;

    // Appends bytes to the buffer, writing the buffer out when they do not fit. A failed write is reported once
    // (ZRI006) and makes every later write and the record fail.
    void PutBytes(const char* bytes, size_t count)
    {
        if (count > kBufferSize - m_offset)
            return PutThroughFullBuffer(bytes, count);
        CopyBytes(m_buffer + m_offset, bytes, count);
        m_offset += count;
    }
    void PutChar(char byte)
    {
        if (m_offset < kBufferSize)
            m_buffer[m_offset++] = byte;
        else
            PutThroughFullBuffer(&byte, 1);
    }
    // Room for at least `count` more bytes in the buffer, or null when the buffer must be written out first.
    char* Reserve(size_t count) { return count <= kBufferSize - m_offset ? m_buffer + m_offset : nullptr; }
    void Commit(char* end) { m_offset = static_cast<size_t>(end - m_buffer); }
    bool WriteFailed() const { return m_writeFailed; }
    // Reports ZRI012 for the field and gives FALSE; kept out of the per-field paths.
    [[gnu::cold]] BOOL FieldFailed(int index);

    int m_writeMode;
    bool m_headerDue;
    // The format's numbers take a decimal comma unless the decimal character is the dot.
    bool m_writesDecimalComma = false;

private:
    // What PutField does with a field of the layout, worked out when the layout is taken.
    struct FieldPlan
    {
        PcConversion conversion;  // for the host type of the layout taken
        bool decimalComma;        // the number's point becomes a comma
    };
    // One plan for every field the layout holds, whether it was taken or not.
    void PlanFields(const DSRecordLayout* otherSide);
    // After the last field of a record: makes room in the buffer, writes the header when it is due, then the record.
    BOOL PutRecord();
    void PutThroughFullBuffer(const char* bytes, size_t count);
    BOOL PrepareAppend();

    bool m_writeFailed;
    bool m_ended;  // EndOfData succeeded: the file is whole
    PcFileSafeguard m_safeguard;
    std::vector<FieldPlan> m_fieldPlans;
};
