// Translation of a buffer through a 256-byte code table.
#pragma once

#include <windows.h>

// Translates n = min(sourceLength, *destinationLength) bytes (each source byte, unsigned, indexes the table), fills
// the rest of the destination up to *destinationLength with `fill`, and stores n in *destinationLength.
void TranslateWithTable(const unsigned char* table, unsigned char fill, const char* source, char* destination,
                        WORD sourceLength, WORD* destinationLength);
