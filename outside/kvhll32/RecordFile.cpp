#include "RecordFile.h"

#include <windows.h>

#include "CodePage037.h"
#include "HostValue.h"

namespace kvhll
{
namespace
{

void AppendEscaped(std::string& line, unsigned char byte)
{
    static const char kDigits[] = "0123456789ABCDEF";
    line += '\\';
    line += kDigits[byte >> 4];
    line += kDigits[byte & 0x0F];
}

void AppendCharacters(std::string& line, std::string_view bytes)
{
    for (char c : bytes)
    {
        unsigned char byte = static_cast<unsigned char>(c);
        unsigned char ansi = EbcdicToAnsi(byte);
        if (ansi >= 0x20 && ansi <= 0x7E && ansi != '\\')
        {
            line += static_cast<char>(ansi);
        }
        else
        {
            AppendEscaped(line, byte);
        }
    }
}

}  // namespace

std::string EncodeRecordLine(std::string_view record, const std::vector<HostField>& fields)
{
    std::string line;
    size_t offset = 0;
    for (const HostField& field : fields)
    {
        size_t size = static_cast<size_t>(InternalSize(field));
        if (offset + size > record.size())
        {
            break;
        }
        if (field.type == 'A')
        {
            AppendCharacters(line, record.substr(offset, size));
        }
        else
        {
            for (size_t i = 0; i < size; ++i)
            {
                AppendEscaped(line, static_cast<unsigned char>(record[offset + i]));
            }
        }
        offset += size;
    }
    AppendCharacters(line, record.substr(offset));
    size_t end = line.find_last_not_of(' ');
    line.resize(end == std::string::npos ? 0 : end + 1);
    return line;
}

bool DecodeRecordLine(std::string_view line, size_t recordLength, std::string& record)
{
    record.clear();
    for (size_t i = 0; i < line.size(); ++i)
    {
        if (line[i] == '\\')
        {
            int high = i + 2 < line.size() ? HexDigitValue(line[i + 1]) : -1;
            int low = high >= 0 ? HexDigitValue(line[i + 2]) : -1;
            if (low < 0)
            {
                return false;
            }
            record += static_cast<char>((high << 4) | low);
            i += 2;
        }
        else
        {
            record += static_cast<char>(AnsiToEbcdic(static_cast<unsigned char>(line[i])));
        }
    }
    if (record.size() > recordLength)
    {
        return false;
    }
    record.resize(recordLength, static_cast<char>(kEbcdicBlank));
    return true;
}

RecordFileResult ReadRecordFile(const std::string& path, size_t recordLength, std::vector<std::string>& records,
                                size_t& badRecord)
{
    records.clear();
    badRecord = 0;
    RecordFileReader reader;
    std::string record;
    if (reader.Open(path, recordLength) == RecordFileResult::Ok)
    {
        while (reader.Next(record))
        {
            records.push_back(record);
        }
    }
    if (reader.Result() == RecordFileResult::Damaged)
    {
        badRecord = reader.Number();
    }
    return reader.Result();
}

RecordFileResult RecordFileReader::Open(const std::string& path, size_t recordLength)
{
    Close();
    recordLength_ = recordLength;
    number_ = 0;
    result_ = RecordFileResult::Ok;
    present_ = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (present_)
    {
        in_.open(path, std::ios::binary);
        if (!in_)
        {
            result_ = RecordFileResult::CannotOpen;
        }
    }
    return result_;
}

void RecordFileReader::Close()
{
    if (in_.is_open())
    {
        in_.close();
    }
    in_.clear();
    present_ = false;
}

bool RecordFileReader::Next(std::string& record)
{
    if (!present_ || result_ != RecordFileResult::Ok)
    {
        return false;
    }
    if (!std::getline(in_, line_))
    {
        if (in_.bad())
        {
            result_ = RecordFileResult::CannotOpen;
        }
        return false;
    }
    if (!line_.empty() && line_.back() == '\r')
    {
        line_.pop_back();
    }
    ++number_;
    if (!DecodeRecordLine(line_, recordLength_, record))
    {
        result_ = RecordFileResult::Damaged;
        return false;
    }
    return true;
}

RecordFileWriter::~RecordFileWriter()
{
    Close();
}

bool RecordFileWriter::Open(const std::string& path, bool replace)
{
    Close();
    file_ = std::fopen(path.c_str(), replace ? "wb" : "ab");
    return file_ != nullptr;
}

bool RecordFileWriter::Append(const std::vector<std::string>& records, const std::vector<HostField>& fields)
{
    if (!file_)
    {
        return false;
    }
    std::string text;
    for (const std::string& record : records)
    {
        text += EncodeRecordLine(record, fields);
        text += "\r\n";
    }
    return std::fwrite(text.data(), 1, text.size(), file_) == text.size() && std::fflush(file_) == 0;
}

void RecordFileWriter::Close()
{
    if (file_)
    {
        std::fclose(file_);
        file_ = nullptr;
    }
}

}  // namespace kvhll
