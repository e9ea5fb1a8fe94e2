// CZRSInternal: the base of every PC-file data source. It owns the PC file, the one buffer through which every byte
// of the file goes, and the steps of Open and Close; CZRSInternalTarget writes files, CZRSInternalSource reads them.
#pragma once

#include "DataSource.h"
#include "PcFileReport.h"

#include <cstdio>

constexpr size_t kBufferSize = 64000;
// Room kept free (target) or filled (source) before each record, so that most records need no test of the end.
constexpr size_t kRecordMargin = 4000;
constexpr int kFileNameSize = 261;
constexpr char kCtrlZ = 0x1A;

class CZRSInternal : public CDataSource
{
public:
    CZRSInternal();
    ~CZRSInternal() override;

    BOOL Connect() override;
    BOOL QueryInfo(char* text, int* number1, int* number2) override;
    BOOL Disconnect() override;
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;

protected:
    // Base name of the format's source file, the source of the format's reports.
    virtual const char* SourceName() const = 0;
    virtual BOOL OpenFile() = 0;
    virtual BOOL CheckStructure() = 0;
    virtual BOOL FlushBuffer();
    virtual BOOL ServiceBuffer() = 0;
    virtual BOOL DetectEndMark(BOOL* endMark);
    virtual void InitMembers();
    virtual void ReleaseExtra();
    // PC field description for a host field.
    virtual BOOL MapField(const DSField& host, DSField& pc, int characterSet);

    // The PC side's layout for the other side's fields: each mapped by MapField, the record buffer built.
    BOOL BuildPcLayout(const DSRecordLayout* otherSide);

    int GeneralValue(int id, int fallback) const;
    int PcValue(int id, int fallback) const;
    // Profile parameter 204: cut the blanks of values.
    BOOL RemoveBlanks() const { return PcValue(ZRP_REMOVE_BLANKS, FALSE) != 0; }

    // Reading through the buffer. LoadBuffer moves the unconsumed bytes to the front of the buffer and fills the
    // rest from the file; PeekByte and ReadByte give -1 when no byte is left. A record may grow beyond what the
    // buffer holds once: then m_recordTooLong is set and the bytes end there.
    BOOL LoadBuffer();
    int PeekByte() { return (m_offset < m_valid || Refill()) ? static_cast<unsigned char>(m_buffer[m_offset]) : -1; }
    int ReadByte() { return (m_offset < m_valid || Refill()) ? static_cast<unsigned char>(m_buffer[m_offset++]) : -1; }
    size_t ReadBytes(char* destination, size_t count);
    // Marks the current position as the start of what must stay in the buffer.
    void MarkRecordStart() { m_recordStart = m_offset; }
    // Starts reading the file again from its first byte.
    BOOL ReadFromStart();
    // Empties the buffer: no byte used, read or consumed.
    void ClearBuffer();
    // Writes the used part of the buffer at the stream's position. FALSE on a short write.
    BOOL WriteUsedBytes();

    FILE* m_stream;
    char m_fileName[kFileNameSize];
    char* m_buffer;
    size_t m_offset;        // bytes of the buffer used (target) or consumed (source)
    long long m_consumed;   // bytes of the file before the buffer's start
    const char* m_lineEnd;  // "\r\n" for the text formats
    long long m_fileLength;
    bool m_decimalIsDot;
    size_t m_valid;        // bytes of the file held in the buffer (reading)
    size_t m_recordStart;  // first byte of the buffer still needed (reading)
    bool m_recordTooLong;

    // Keeps the bytes from the record start on, moved to the front of the buffer, and reads more of the file after
    // them. FALSE when no byte was added: the end of the file, a read failure, or a record that fills the buffer.
    bool Refill();

private:
    void ReleaseFile();
};
