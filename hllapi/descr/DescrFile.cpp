#include "DescrFile.h"

#include "AsciiText.h"
#include "OwnedHandles.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
const char kLetters[] = {'A', 'S', 'P', 'B'};

// The value of a column of `count` digits; FALSE when any of them is something else.
bool ReadDigitColumn(const char* text, std::size_t count, int& value)
{
    long long digits = 0;
    if (ReadDecimalDigits(text, count, DESCR_MAX_LENGTH, digits) != count)
        return false;
    value = static_cast<int>(digits);
    return true;
}

// Copies count characters without their trailing white space and ends the copy with a zero. The line has lost its
// line end already, so only blanks, tabs, vertical tabs and form feeds can be there.
void CopyTrimmed(char* destination, const char* source, std::size_t count)
{
    while (count > 0 && IsWhiteSpace(source[count - 1]))
        --count;
    std::memcpy(destination, source, count);
    destination[count] = '\0';
}

bool IsPrintable(const char* text)
{
    for (; *text; ++text)
    {
        if (static_cast<unsigned char>(*text) < 0x20)
            return false;
    }
    return true;
}

// Whether `count` characters hold no control character (a zero byte included).
bool ArePrintable(const char* text, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        if (static_cast<unsigned char>(text[i]) < 0x20)
            return false;
    }
    return true;
}

// Reads the whole file; FALSE on a read error or a file too large to hold.
bool ReadAll(HANDLE file, std::string& content)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    content.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD done = 0;
    if (!content.empty() &&
        (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &done, nullptr) || done != content.size()))
        return false;
    return true;
}

// Only numbers have decimals, and never more than their digits.
bool AreDecimalsValid(int type, int length, int decimals)
{
    return type == DFT_CHAR ? decimals == 0 : decimals <= length;
}
}

char DescrTypeLetter(int type)
{
    return (type >= DFT_CHAR && type <= DFT_BINARY) ? kLetters[type] : '\0';
}

int DescrTypeFromLetter(char letter)
{
    for (int type = DFT_CHAR; type <= DFT_BINARY; ++type)
    {
        if (kLetters[type] == letter)
            return type;
    }
    return -1;
}

bool ParseDescrLine(const char* text, std::size_t length, DescrField& field)
{
    if (length != DESCR_LINE_CHARS)
        return false;
    const int type = DescrTypeFromLetter(text[10]);
    int fieldLength = 0;
    int decimals = 0;
    if (type < 0 || !ReadDigitColumn(text + 11, 3, fieldLength) || !ReadDigitColumn(text + 14, 2, decimals) ||
        !AreDecimalsValid(type, fieldLength, decimals))
        return false;
    // A name or comment with a control character could not be written again, and a zero byte would cut it short.
    if (!ArePrintable(text, DESCR_NAME_CHARS) || !ArePrintable(text + 16, DESCR_COMMENT_CHARS))
        return false;
    CopyTrimmed(field.name, text, DESCR_NAME_CHARS);
    field.type = type;
    field.length = fieldLength;
    field.decimals = decimals;
    CopyTrimmed(field.comment, text + 16, DESCR_COMMENT_CHARS);
    return true;
}

bool IsWritableDescrField(const DescrField& field)
{
    return strnlen(field.name, sizeof field.name) <= DESCR_NAME_CHARS &&
           strnlen(field.comment, sizeof field.comment) <= DESCR_COMMENT_CHARS && IsPrintable(field.name) &&
           IsPrintable(field.comment) && DescrTypeLetter(field.type) != '\0' && field.length >= 0 &&
           field.length <= DESCR_MAX_LENGTH && field.decimals >= 0 && field.decimals <= DESCR_MAX_DECIMALS &&
           AreDecimalsValid(field.type, field.length, field.decimals);
}

bool FormatDescrRecord(const DescrField& field, char record[DESCR_RECORD_BYTES])
{
    if (!IsWritableDescrField(field))
        return false;
    char line[DESCR_RECORD_BYTES + 1];
    std::snprintf(line, sizeof line, "%-10s%c%03d%02d%-50s\r\n", field.name, DescrTypeLetter(field.type), field.length,
                  field.decimals, field.comment);
    std::memcpy(record, line, DESCR_RECORD_BYTES);
    return true;
}

int DescrRecordLength(const std::vector<DescrField>& fields)
{
    int total = 0;
    for (const DescrField& field : fields)
        total += field.length;
    return total;
}

DescrFileStatus ReadDescrRecords(const char* path, std::vector<DescrField>& fields, std::size_t maxRecords)
{
    fields.clear();
    OwnedFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return DescrFileStatus::CannotOpen;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart % DESCR_RECORD_BYTES != 0)
        return DescrFileStatus::Corrupted;
    const std::size_t count = static_cast<std::size_t>(size.QuadPart / DESCR_RECORD_BYTES);
    if (count > maxRecords)
        return DescrFileStatus::TooManyFields;
    std::string content;
    if (!ReadAll(file.Get(), content) || content.size() != count * DESCR_RECORD_BYTES)
        return DescrFileStatus::Corrupted;
    fields.resize(count);
    for (std::size_t i = 0; i < count; ++i)
    {
        const char* record = content.data() + i * DESCR_RECORD_BYTES;
        if (record[DESCR_LINE_CHARS] != '\r' || record[DESCR_LINE_CHARS + 1] != '\n' ||
            !ParseDescrLine(record, DESCR_LINE_CHARS, fields[i]) || fields[i].length == 0)
        {
            fields.clear();
            return DescrFileStatus::Corrupted;
        }
    }
    return DescrFileStatus::Ok;
}

DescrFileStatus LoadDescrFile(const char* path, std::vector<DescrField>& fields)
{
    fields.clear();
    OwnedFile file(CreateFileA(path, GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return DescrFileStatus::CannotOpen;
    std::string content;
    if (!ReadAll(file.Get(), content))
        return DescrFileStatus::Corrupted;
    std::size_t start = 0;
    while (start < content.size())
    {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        const std::size_t cut = content.find_first_of("\r\n", start);
        const std::size_t lineLength = (cut == std::string::npos ? content.size() : cut) - start;
        DescrField field;
        if (!ParseDescrLine(content.data() + start, lineLength, field))
        {
            fields.clear();
            return DescrFileStatus::Corrupted;
        }
        fields.push_back(field);
        start = end + 1;
    }
    return DescrFileStatus::Ok;
}

DescrFileStatus SaveDescrFile(const char* path, const std::vector<DescrField>& fields, std::size_t* badField)
{
    std::string content(fields.size() * DESCR_RECORD_BYTES, '\0');
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        if (!FormatDescrRecord(fields[i], content.data() + i * DESCR_RECORD_BYTES))
        {
            if (badField)
                *badField = i;
            return DescrFileStatus::InvalidField;
        }
    }
    // The file must be writable where it is; the fields go to a new file beside it first, which replaces it only
    // once it is complete, so that a failed write leaves the old content as it was.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return DescrFileStatus::CannotOpen;
    {
        OwnedFile target(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!target)
            return DescrFileStatus::CannotOpen;
    }
    std::string folder(path);
    const std::size_t slash = folder.find_last_of("\\/:");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
    char temporary[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.c_str(), "zrt", 0, temporary))
        return DescrFileStatus::CannotOpen;
    bool written = false;
    {
        OwnedFile file(
            CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD done = 0;
        written = file && (content.empty() ||
                           (WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &done, nullptr) &&
                            done == content.size()));
        written = written && FlushFileBuffers(file.Get());
    }
    if (!written || !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING))
    {
        DeleteFileA(temporary);
        return DescrFileStatus::CannotWrite;
    }
    return DescrFileStatus::Ok;
}
