// The AS/400 data source: talks to the host transfer program KVRFT (library KVRTFR) through the emulator
// session. It types commands on the host's command line, reads the reply line at (1, 3) and the message line at
// (24, 2), and moves field descriptions and record data through the data area, 1760 bytes at a time.
#pragma once

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

    virtual BOOL ReceiveFirstBuffer();
    virtual BOOL ReceiveNextBuffer();

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
    enum
    {
        NAME_CHARS = 10,
        REPLY_CHARS = 75,
        MESSAGE_CHARS = 78,
    };

    bool IsBinary() const { return m_transferType == ZRTT_BINARY; }
    // Kind-1 transfers of a binary profile move every byte as two hexadecimal characters.
    bool IsHexTransfer() const { return IsBinary() && m_kind == KIND_TRANSFER; }

    // The reader's part of Open after the common part (also a writer's, when it serves a host browse).
    BOOL OpenReader();
    // Splits "library/file(member)" into the three names.
    BOOL SplitHostName(const char* name);
    // The read command and its reply; 'E' is the host's message.
    BOOL ReadRequest();
    // After the read command: the field list of the file (one field for a source file).
    BOOL ReceiveFieldList();
    BOOL SetSingleFieldLayout(int length);
    // The layout's record buffer, with record counter, current field and bytes used back at 0.
    BOOL ResetLayout();
    // The record must fit the data area: its length, twice it in hexadecimal.
    BOOL CheckRecordFits();

    // Typed with every '@' doubled, then Enter.
    BOOL TypeCommand(const std::string& command);
    // Places the text at (1, 3) and presses Enter.
    BOOL TypeHeader(char code, int count, int recordLength);
    BOOL ReadReply();
    char ReplyCode() const { return m_reply[0]; }
    long ReplyCount() const;
    int ReplyLength() const;
    // Reads the reply line again while the host shows 'W', until the DDS time-out has passed since start.
    BOOL ReadReplyAfterWaits(DWORD start, UINT timeoutId);
    // Reports the host's message line as ZRT014; FALSE.
    BOOL ReportHostMessage();
    // The host's message line, upper-cased, contains the text.
    BOOL HostMessageContains(const char* text, BOOL& contains);
    BOOL IsProgramRunning();

    // Copies the data area into m_area (in EBCDIC for text data) and starts at its first byte.
    BOOL CopyDataArea(bool ebcdic);
    // A data buffer whose reply has just been read: its record length checked, its area copied and its reply code
    // kept for the step past its last record.
    BOOL TakeDataBuffer(bool ebcdic);
    // Starts the record at m_used: text data goes into the record buffer whole, hexadecimal data field by field as
    // the reader reaches each, so that a bad character fails at its own field.
    BOOL PlaceRecord(bool hex);
    // Decodes the current field's value from hexadecimal data into the record buffer.
    BOOL PlaceHexField();
    // The reader's NextField, over hexadecimal data or not.
    BOOL AdvanceReader(bool hex);
    BOOL ReceiveTextFirstBuffer();
    BOOL ReceiveTextNextBuffer();
    // Answers pending replies until the host program is ready for the next request.
    BOOL EndHostDialog(bool writer);

    long m_hostRecords = 0;
    char m_area[HOST_AREA_SIZE + 1] = {};
    int m_used = 0;
    char m_reply[REPLY_CHARS + 1] = {};
    // Reply code of the data buffer in m_area: '*' full, more to come; '+' the last; 'F' field descriptions.
    char m_bufferCode = 0;
    int m_kind = KIND_TRANSFER;
    char m_library[NAME_CHARS + 1] = {};
    char m_file[NAME_CHARS + 1] = {};
    char m_member[NAME_CHARS + 1] = {};
    int m_hostFileType = ZRHFT_DATA;
    int m_transferType = ZRTT_CONVERSION;
    int m_writeMode = 0;

private:
    BOOL ReceiveDescriptions();
    BOOL BuildDescriptionLayout();
    BOOL TypeListCommand();
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

    virtual BOOL SendBuffer();

protected:
    // The destination names and write parameters of the profile.
    BOOL ReadTargetRequest();
    // Fields from the description file (parameter 305), in binary or text lengths.
    BOOL ReadDescriptionFile(bool binary);
    // Reads the field list of the existing file through a read request and ends that dialog.
    BOOL ReadExistingLayout(const char* member);
    // Every field can be described to the host.
    BOOL CheckDescribable();
    // The reply to a write command or to the descriptions: 'S' lets the writing start.
    BOOL CheckWriteReply();
    BOOL SendDescriptions();
    // Write commands; binary: the hexadecimal form.
    std::string CreateCommand(bool binary) const;
    std::string WriteCommand(bool binary) const;
    std::string CreateSourceCommand(int recordLength) const;
    std::string WriteSourceCommand() const;
    BOOL IsWriteModeForExisting() const;
    // Ends the current field; after a record's last field appends the record to the data area.
    BOOL AppendField(bool hex)
    {
        // The fields wait in the record buffer until the record is complete, then go into the data area together.
        if (++m_layout.current < m_layout.count)
            return TRUE;
        return AppendRecord(hex);
    }
    // Appends the complete record to the data area and sends the buffer when no further record fits.
    BOOL AppendRecord(bool hex);
    BOOL SendDataBuffer(bool hex);

    std::vector<DescrField> m_descriptions;
    // The conversion of each layout field, made again when the other side's field comes with another type.
    std::vector<HostConversion> m_conversions;

private:
    BOOL SendDescriptionScreen(int count);
};

// Reads a host file in binary mode: the data area holds every byte as two hexadecimal characters.
class CDSAs400ViaHLLAPIBinSource : public CDSAs400ViaHLLAPISource
{
public:
    BOOL NextField() override;
    BOOL ReceiveFirstBuffer() override;
    BOOL ReceiveNextBuffer() override;
};

// Writes a host file in binary mode.
class CDSAs400ViaHLLAPIBinTarget : public CDSAs400ViaHLLAPITarget
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;
    BOOL SendBuffer() override;
};
