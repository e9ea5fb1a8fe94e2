// The AS/400 data source: talks to the host transfer program KVRFT (library KVRTFR) through the emulator
// session. It types commands on the host's command line, reads the reply line and the message line, and moves field
// descriptions and record data through the data area, 1760 bytes at a time (As400Screen.h).
#pragma once

#include "As400Screen.h"
#include "DescrFile.h"
#include "FieldConvert.h"
#include "HostFields.h"
#include "ZRSViaHLLAPI.h"

#include <string>
#include <vector>

// Connection, the common part of Open, and the reader's way through the data.
class CDSAs400ViaHLLAPI : public CZRSViaHLLAPI
{
public:
    BOOL Connect() override;
    BOOL Disconnect() override;
    BOOL Open(HANDLE cancelEvent) override;
    BOOL GetField(DSField* field) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

    virtual bool ReceiveFirstBuffer();
    virtual bool ReceiveNextBuffer();

protected:
    enum RequestKind
    {
        KIND_TRANSFER = 1,
        KIND_LIBRARIES = 2,
        KIND_FILES = 3,
        KIND_MEMBERS = 4,
        KIND_DATA = 5,
        KIND_DESCRIPTIONS = 6,
    };
    bool IsBinary() const { return m_transferType == ZRTT_BINARY; }
    // Kind-1 transfers of a binary profile move every byte as two hexadecimal characters.
    bool IsHexTransfer() const { return IsBinary() && m_kind == KIND_TRANSFER; }

    // The reader's part of Open after the common part (also a writer's, when it serves a host browse).
    bool OpenReader();
    // Splits "library/file(member)" into the three names.
    bool SplitHostName(const char* name);
    // The read command and its reply; 'E' is the host's message.
    bool ReadRequest();
    // After the read command: the field list of the file (one field for a source file).
    bool ReceiveFieldList();
    bool SetSingleFieldLayout(int length);
    // The layout's record buffer, with record counter, current field and bytes used back at 0.
    bool ResetLayout();
    // The record must fit the data area: its length, twice it in hexadecimal.
    bool CheckRecordFits();

    // Types the buffer header over the reply line and presses Enter.
    bool TypeHeader(char code, int count, int recordLength);
    bool ReadReply();
    char ReplyCode() const { return m_reply[REPLY_CODE]; }
    // The reply's count (six hexadecimal digits from REPLY_COUNT); -1 when there is no
    // digit or a character other than a blank follows the digits.
    long ReplyCount() const;
    int ReplyLength() const { return ReplyRecordLength(m_reply); }
    // Reads the reply line again while the host shows 'W', until the DDS time-out has passed since start.
    bool ReadReplyAfterWaits(DWORD start, UINT timeoutId);
    // Reports the host's message line as ZRT014; false.
    bool ReportHostMessage();
    // The host's message line, upper-cased, contains the text.
    bool HostMessageContains(const char* text, bool& contains);
    bool IsProgramRunning();

    // Copies the data area into m_area (in EBCDIC for text data) and starts at its first byte.
    bool CopyDataArea(bool ebcdic);
    // A data buffer whose reply has just been read: its record length checked, its area copied and its reply code
    // kept for the step past its last record.
    bool TakeDataBuffer(bool ebcdic);
    // Starts the record at m_used: text data goes into the record buffer whole, hexadecimal data field by field as
    // the reader reaches each, so that a bad character fails at its own field.
    bool PlaceRecord(bool hex);
    // Decodes the current field's value from hexadecimal data into the record buffer.
    bool PlaceHexField();
    // The reader's NextField, over hexadecimal data or not.
    bool AdvanceReader(bool hex);
    bool ReceiveTextFirstBuffer();
    bool ReceiveTextNextBuffer();
    // Answers pending replies until the host program is ready for the next request.
    bool EndHostDialog(bool writer);

    long m_hostRecords = 0;
    char m_area[HOST_AREA_SIZE + 1] = {};
    int m_used = 0;
    char m_reply[HOST_REPLY_LINE.chars + 1] = {};
    // Reply code of the data buffer in m_area: '*' full, more to come; '+' the last; 'F' field descriptions.
    char m_bufferCode = 0;
    int m_kind = KIND_TRANSFER;
    char m_library[AS400_NAME_CHARS + 1] = {};
    char m_file[AS400_NAME_CHARS + 1] = {};
    char m_member[AS400_NAME_CHARS + 1] = {};
    int m_hostFileType = ZRHFT_DATA;
    int m_transferType = ZRTT_CONVERSION;
    int m_writeMode = 0;

private:
    bool ReceiveDescriptions();
    bool BuildDescriptionLayout();
    bool TypeListCommand();
};

// Reads a host file in text mode.
class CDSAs400ViaHLLAPISource : public CDSAs400ViaHLLAPI
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;
};

// Writes a host file in text mode.
class CDSAs400ViaHLLAPITarget : public CDSAs400ViaHLLAPI
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

    virtual bool SendBuffer();

protected:
    // The destination names and write parameters of the profile.
    bool ReadTargetRequest();
    // Fields from the description file (parameter 305), in binary or text lengths.
    bool ReadDescriptionFile(bool binary);
    // Reads the field list of the existing file through a read request and ends that dialog.
    bool ReadExistingLayout(const char* member);
    // Every field can be described to the host.
    bool CheckDescribable();
    // The reply to a write command or to the descriptions: 'S' lets the writing start.
    bool CheckWriteReply();
    bool SendDescriptions();
    // Write commands; binary: the hexadecimal form.
    std::string CreateCommand(bool binary) const;
    std::string WriteCommand(bool binary) const;
    std::string CreateSourceCommand(int recordLength) const;
    std::string WriteSourceCommand() const;
    bool IsWriteModeForExisting() const;
    // Ends the current field; after a record's last field appends the record to the data area.
    bool AppendField(bool hex)
    {
        // The fields wait in the record buffer until the record is complete, then go into the data area together.
        if (++m_layout.current < m_layout.count)
            return true;
        return AppendRecord(hex);
    }
    // Appends the complete record to the data area and sends the buffer when no further record fits.
    bool AppendRecord(bool hex);
    bool SendDataBuffer(bool hex);

    std::vector<DescrField> m_descriptions;
    // The conversion of each layout field, made again when the other side's field comes with another type.
    std::vector<HostConversion> m_conversions;

private:
    bool SendDescriptionScreen(int count);
};

// Reads a host file in binary mode: the data area holds every byte as two hexadecimal characters.
class CDSAs400ViaHLLAPIBinSource : public CDSAs400ViaHLLAPISource
{
public:
    BOOL NextField() override;
    bool ReceiveFirstBuffer() override;
    bool ReceiveNextBuffer() override;
};

// Writes a host file in binary mode.
class CDSAs400ViaHLLAPIBinTarget : public CDSAs400ViaHLLAPITarget
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;
    bool SendBuffer() override;
};
