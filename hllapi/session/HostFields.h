// Host field descriptions as the host transfer programs exchange them (66-character records in the layout of a
// description file) and the field forms on the transfer screen.
#pragma once

#include "DescrFile.h"
#include "HostScreen.h"
#include "ZRContracts.h"

#include <vector>

// Screen length of a packed, zoned or binary field in text mode: the digits, a sign and, with decimals, a point.
int DisplayLength(int digits, int decimals);
// Bytes of a binary field of that many digits: 4 above 5 digits, else 2.
int BinaryFieldBytes(int digits);
// Bytes of a packed field of that many digits.
int PackedFieldBytes(int digits);

// 'A', 'P', 'S' or 'B' for HostFieldType 1, 3, 5 or 7; 0 for any other type.
char HostTypeLetter(int hostType);

// A DSField for a description: the name blank-padded to 10 characters, the comment as its text blank-padded to
// 50, the decimals, and type and length by the letter. binary: the lengths of binary transfers (packed and binary
// fields in bytes); otherwise the screen lengths of text transfers.
void MakeHostField(const DescrField& description, bool binary, DSField& field);
// Fields of a layout made from descriptions (no record buffer yet). false when out of memory.
bool MakeDescribedFields(const std::vector<DescrField>& descriptions, bool binary, DSRecordLayout& layout);
// The same from a 66-character description record; false when the record is not a valid description.
bool ParseHostDescription(const char* record, bool binary, DSField& field);

// Digits of a field in text-mode lengths: its length for a character field, the screen length less the sign and
// the point for the others. -1 for a type without a letter.
int HostFieldDigits(const DSField& field);
// The 66-character description of a field in text-mode lengths. false for a type without a letter or a length
// above 999, which the record cannot hold.
bool FormatHostDescription(const DSField& field, char record[DESCR_LINE_CHARS]);
bool FormatHostDescription(const DescrField& description, char record[DESCR_LINE_CHARS]);

// A record's fields lie one after the other in its layout's record buffer, as they lie in the data area.
// Copies the record at used in the data area into the record buffer, every field at once, and moves used past it.
void TakeRecordFromArea(const char* area, int& used, DSRecordLayout& layout);
// Takes a field's value from hexadecimal data in the data area at used (two characters a byte) and moves used past
// it. false when the data holds another character.
bool TakeHexFieldFromArea(const char* area, int& used, DSField& field);
// Appends the record buffer to the data area at used (hex: two characters a byte) and moves used past it.
void PutRecordIntoArea(const DSRecordLayout& layout, bool hex, char* area, int& used);

// Writes a number in decimal with at least `width` characters, zeros in front and a minus sign before them (as "%0*d"
// prints it), without a terminating zero; gives the characters written: the width, or up to 11 for a longer number.
int PutPaddedNumber(char* text, int value, int width);

// Two characters "0123456789ABCDEF" per byte, high half first.
void EncodeHex(const char* bytes, int count, char* text);
// The bytes of 2 x count hexadecimal characters, in either case; false at the first other character.
bool DecodeHex(const char* text, int count, char* bytes);
