// CZRSInternalSource: a PC file read into the host's records (direction 2). Each record is parsed from the buffer
// into the layout's record buffer before its fields are handed out.
#pragma once

#include "ZRSInternal.h"

class CZRSInternalSource : public CZRSInternal
{
public:
    CZRSInternalSource();

    BOOL SetRecordLayout(const DSRecordLayout* otherSide) override;
    BOOL GetField(DSField* field) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

protected:
    BOOL OpenFile() override;
    BOOL ServiceBuffer() override;
    void InitMembers() override;

    // Refills the buffer, checks the file, passes its header and parses the first record.
    virtual BOOL ReadFirstRecord();
    // Parses the next record into the record buffer and reports its own failures. When the file holds no further
    // record it sets m_noRecordLeft and succeeds.
    virtual BOOL ParseRecord() = 0;
    virtual BOOL SkipHeader();

    // After a record: peeks at the next byte. None left, or the file's end mark (AtEndMark), sets m_allConsumed; a
    // Ctrl-Z with data after it leaves it clear, and the format refuses the record.
    int PeekAfterRecord();
    // Whether the Ctrl-Z at the current position is the file's end mark: nothing but CR, LF and further Ctrl-Z
    // follows it. Any other Ctrl-Z is data in the wrong place. The reading position does not move.
    bool AtEndMark();
    // Whether `next`, peeked after a record, is a Ctrl-Z that is not the end mark.
    bool IsStrayEndMark(int next) const { return next == kCtrlZ && !m_allConsumed; }
    // Parses one record and counts it; a record that outgrew the buffer fails with ZRI019.
    BOOL ParseAndCount();

    bool m_allConsumed;
    bool m_noRecordLeft;

private:
    // After the last field of a record: parses the next one, or marks that none is left.
    [[gnu::noinline]] BOOL NextRecord();
};
