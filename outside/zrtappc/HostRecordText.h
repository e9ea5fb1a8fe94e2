// The record lines of the host store: each byte of a record is the printable ASCII character that code page 037 gives
// it (never "\"), or "\" and two hexadecimal digits; trailing EBCDIC blanks are left out.
#pragma once

#include <string>

// EBCDIC (code page 037) of a printable ASCII character (0x20 to 0x7E).
unsigned char EbcdicOfPrintable(char c);

// Decodes one line into a record of `length` bytes, filled with EBCDIC blanks after the line's bytes. FALSE when the
// line holds more bytes than the record, a bad escape, or a character that is not printable ASCII.
bool DecodeRecordLine(const std::string& line, unsigned char* record, size_t length);
