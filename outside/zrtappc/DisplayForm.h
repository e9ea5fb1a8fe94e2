// Host numbers as the SQL stand-ins deliver them: the display form of packed, zoned and binary values, in EBCDIC.
#pragma once

#include <cstddef>

// Bytes a field of the type letter ("A", "P", "S", "B") and length (bytes for "A", digits otherwise) takes in a
// record of the host store.
int StoredBytes(char type, int length);
// Characters of its display form: the length for "A"; digits + 1 (sign), + 1 more with decimals.
int DisplayLength(char type, int digits, int decimals);

// Writes the display form of a stored "P", "S" or "B" value: right-aligned, a minus sign before the first digit of a
// negative value, no leading zeros ("0" for a zero integer part unless every digit is a decimal), a point and the
// decimals. FALSE when the stored bytes hold no valid value of the field (a bad digit or sign, or a binary value with
// more digits than the field).
bool FormatDisplayNumber(char type, int digits, int decimals, const unsigned char* stored, unsigned char* display);
