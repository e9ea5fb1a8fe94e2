// The System/36 data source: talks to the host transfer procedure FT36 through the emulator session. One
// 50-column command line starts each request; replies and host messages stand on the first row, and field lists
// and record data go through the data area, 1760 bytes at a time (S36Screen.h). Binary mode is handled in the same
// classes.
#pragma once

#include "DescrFile.h"
#include "FieldConvert.h"
#include "HostFields.h"
#include "S36Screen.h"
#include "ZRSViaHLLAPI.h"

#include <string>
#include <vector>

class CDSS36ViaHLLAPI : public CZRSViaHLLAPI
{
public:
    BOOL Connect() override;
    BOOL Disconnect() override;
    BOOL Open(HANDLE cancelEvent) override;
    BOOL GetField(DSField* field) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

protected:
    enum
    {
        MAX_LISTED_FIELDS = 292,  // 7 + 6 characters a field within the data area
    };

    bool IsBinary() const { return m_transferType == ZRTT_BINARY; }
    int ScreenUnit() const { return IsBinary() ? 2 : 1; }

    bool IsProgramRunning();
    bool StartProgram();
    // Types "X" and Enter when FT36 runs.
    bool EndProgram();
    // "library(member)" or "file".
    bool SplitHostName(const char* name);
    // Fields from the description file (parameter 305), always in text lengths.
    bool ReadDescriptionFile();
    bool SetSingleFieldLayout(int length);
    bool CheckRecordFits();
    bool ResetLayout();
    // The field list at (2, 1): record length and field count, then letter, digits and decimals per field.
    bool PlaceFieldList();
    // The 50-column read ('R') or write ('W') command.
    std::string CommandLine(char verb) const;
    // Types the buffer header over the reply line and presses Enter.
    bool TypeHeader(char code, int count);
    // The reply line; its second character must be '*'.
    bool ReadReply();
    bool ReadReplyLine();
    char ReplyCode() const { return m_reply[REPLY_CODE]; }
    // The reply's count (up to eight decimal digits from REPLY_COUNT); -1 when there is no
    // digit or a character other than a blank follows the digits.
    long ReplyCount() const;
    int ReplyLength() const { return ReplyRecordLength(m_reply); }
    // Reports the host's message as ZRS043 (ZRS044 when it cannot be read); false.
    bool ReportHostMessage();
    bool CopyDataArea();
    // Starts the record at m_used: text data goes into the record buffer whole, binary data (hexadecimal on the
    // screen) field by field as the reader reaches each, so that a bad character fails at its own field.
    bool PlaceRecord();
    bool PlaceHexField();
    // Reads a data buffer's reply and copies the buffer ('*' or '+'); place: also starts its first record.
    bool ReceiveBuffer(bool place);
    // Answers what is pending so that FT36 is ready for the next request.
    bool EndHostDialog();

    long m_hostRecords = 0;
    char m_area[HOST_AREA_SIZE + 1] = {};
    int m_used = 0;
    char m_reply[HOST_REPLY_LINE.chars + 1] = {};
    // Reply code of the data buffer in m_area: '*' full, more to come; '+' the last.
    char m_bufferCode = 0;
    char m_library[S36_NAME_CHARS + 1] = {};
    char m_file[S36_NAME_CHARS + 1] = {};
    char m_member[S36_NAME_CHARS + 1] = {};
    bool m_isMember = false;
    int m_hostFileType = ZRHFT_DATA;
    bool m_useDescriptions = false;
    int m_transferType = ZRTT_CONVERSION;
    int m_writeMode = 0;
};

// Reads a host file or member.
class CDSS36ViaHLLAPISource : public CDSS36ViaHLLAPI
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;
};

// Writes a host file or member.
class CDSS36ViaHLLAPITarget : public CDSS36ViaHLLAPI
{
public:
    BOOL Open(HANDLE cancelEvent) override;
    BOOL Close() override;
    BOOL PutField(const DSField* otherSide) override;
    BOOL NextField() override;
    BOOL EndOfData() override;

private:
    // The layout of the write request and whether the command sends a field list.
    bool ChooseLayout(bool& withFieldList);
    // The existing file's record length through a read request.
    bool ReadExistingLength();
    bool CheckWriteReply();
    // Appends the complete record to the data area and sends the buffer when no further record fits.
    bool AppendRecord();
    bool SendBuffer();

    // The conversion of each layout field, made again when the other side's field comes with another type.
    std::vector<HostConversion> m_conversions;
};
