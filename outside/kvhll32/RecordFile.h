// Records of a member (or of a System/36 file) on disk: one record per line, lines ended by CR LF.
// Every byte is written as the character that code page 037 gives it when that is a printable ASCII
// character other than '\', and otherwise as '\' and two hexadecimal digits; the bytes of numeric fields
// are always written that way. A line shorter than the record length is filled with EBCDIC blanks.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "HostField.h"

namespace kvhll
{

// One record as a line (without its line end). `fields` may be empty (every byte then in character form).
std::string EncodeRecordLine(std::string_view record, const std::vector<HostField>& fields);
// FALSE when the line holds a bad escape or more bytes than the record length.
bool DecodeRecordLine(std::string_view line, size_t recordLength, std::string& record);

enum class RecordFileResult
{
    Ok,
    CannotOpen,
    Damaged
};

// Reads every record of the file; a missing file is an empty member. `badRecord` is 1-based.
RecordFileResult ReadRecordFile(const std::string& path, size_t recordLength, std::vector<std::string>& records,
                                size_t& badRecord);

// Reads a record file one record at a time; a missing file reads as one without records.
class RecordFileReader
{
public:
    RecordFileResult Open(const std::string& path, size_t recordLength);
    void Close();
    // FALSE at the end of the file, or when the record cannot be read (Result() then tells why).
    bool Next(std::string& record);
    RecordFileResult Result() const { return result_; }
    // Records read so far; after a damaged line, the 1-based number of its record.
    size_t Number() const { return number_; }

private:
    std::ifstream in_;
    bool present_ = false;
    size_t recordLength_ = 0;
    std::string line_;
    RecordFileResult result_ = RecordFileResult::Ok;
    size_t number_ = 0;
};

// Appends records to a member file kept open for one transfer.
class RecordFileWriter
{
public:
    RecordFileWriter() = default;
    RecordFileWriter(const RecordFileWriter&) = delete;
    RecordFileWriter& operator=(const RecordFileWriter&) = delete;
    ~RecordFileWriter();

    // `replace`: the file is emptied first.
    bool Open(const std::string& path, bool replace);
    bool Append(const std::vector<std::string>& records, const std::vector<HostField>& fields);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

}  // namespace kvhll
