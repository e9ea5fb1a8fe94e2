// Description files (.fmt): the fields of a host record, one 66-character line per field, each ended by CR LF,
// so that every record is 68 bytes and the number of fields is the file size divided by 68.
//
//   columns  0-9   name, left-aligned, blank-padded
//   column  10     type letter: A character, S zoned, P packed, B binary
//   columns 11-13  length, three digits (000-999)
//   columns 14-15  decimal digits, two digits (00-99)
//   columns 16-65  comment, left-aligned, blank-padded
//
// Used by the host data sources (ReadDescrRecords) and by the description-file editor (LoadDescrFile,
// SaveDescrFile). The functions report nothing themselves: each caller turns the status into its own message.
#pragma once

#include <cstddef>
#include <vector>

enum
{
    DESCR_LINE_CHARS = 66,
    DESCR_RECORD_BYTES = 68,
    DESCR_NAME_CHARS = 10,
    DESCR_COMMENT_CHARS = 50,
    DESCR_MAX_LENGTH = 999,
    DESCR_MAX_DECIMALS = 99,
    DESCR_MAX_RECORD_LENGTH = 1760,  // the longest record (sum of the field lengths) a file may describe
};

// Type codes of a field in memory; the file holds the letters "A", "S", "P", "B".
enum DescrFieldType
{
    DFT_CHAR = 0,
    DFT_ZONED = 1,
    DFT_PACKED = 2,
    DFT_BINARY = 3,
};

// One field. Name and comment carry no trailing blanks after reading; writing pads them again.
struct DescrField
{
    char name[DESCR_NAME_CHARS + 1] = {};
    int type = DFT_CHAR;
    int length = 0;
    int decimals = 0;
    char comment[DESCR_COMMENT_CHARS + 1] = {};
};

enum class DescrFileStatus
{
    Ok,
    CannotOpen,     // the file cannot be opened (or created)
    Corrupted,      // a record or line fails the format checks, or the file cannot be read to its end
    TooManyFields,  // more records than the reader takes
    InvalidField,   // a field in memory cannot be written in the format; nothing was written
    CannotWrite,    // writing failed part-way
};

// 'A', 'S', 'P' or 'B' for a DescrFieldType; 0 for any other code.
char DescrTypeLetter(int type);
// The DescrFieldType of a letter, or -1.
int DescrTypeFromLetter(char letter);

// Parses the 66 characters of one line. FALSE when the text is not exactly 66 characters long, the type letter is
// unknown, length or decimal digits hold anything but digits, a character field has decimal digits, another
// field has more decimal digits than its length, or name or comment hold a control character.
bool ParseDescrLine(const char* text, std::size_t length, DescrField& field);

// Checks that a field can be written in the format: name and comment within their widths and free of control
// characters, a known type, length 0-999, decimal digits 0-99.
bool IsWritableDescrField(const DescrField& field);

// Formats one 68-byte record (66 characters and CR LF). FALSE, and nothing written, when the field is not writable.
bool FormatDescrRecord(const DescrField& field, char record[DESCR_RECORD_BYTES]);

// Sum of the field lengths.
int DescrRecordLength(const std::vector<DescrField>& fields);

// Reads a file as the host transfers do: fixed 68-byte records, each ending with CR LF. A size that is not a
// multiple of 68, or a record that fails ParseDescrLine or has length 0, gives Corrupted; more than maxRecords
// records TooManyFields. A missing file is CannotOpen; it is never created.
DescrFileStatus ReadDescrRecords(const char* path, std::vector<DescrField>& fields, std::size_t maxRecords);

// Reads a file as the editor does: line by line (lines cut at their first CR or LF), each line checked by
// ParseDescrLine. A missing file is created empty and reads as no fields.
DescrFileStatus LoadDescrFile(const char* path, std::vector<DescrField>& fields);

// Writes every field, in order, replacing the file. The fields are checked first: one that is not writable gives
// InvalidField (with its index in *badField when given) and leaves the file untouched. A file that cannot be
// written (read-only, locked) gives CannotOpen; a write that fails part-way CannotWrite, and the file keeps its old
// content: the fields are written to a new file in the same folder, which replaces the old one when complete.
DescrFileStatus SaveDescrFile(const char* path, const std::vector<DescrField>& fields, std::size_t* badField = nullptr);
