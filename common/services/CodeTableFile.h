// The code-table file: 16 lines of 16 two-digit hexadecimal values for the ASCII-to-EBCDIC table, then 16 such lines
// for the EBCDIC-to-ASCII table.
#pragma once

#include <windows.h>

// Reads both tables. 0 when the file cannot be opened, holds fewer than 32 lines, or holds a line that is not 16
// hexadecimal byte values separated by blanks; the tables are then left unspecified.
BOOL ReadCodeTableFile(const char* path, unsigned char asciiToEbcdic[256], unsigned char ebcdicToAscii[256]);
