// Fields of the DOS random-access formats (DR1, DR2): text stored as it is, numbers stored as packed decimal, zoned
// decimal or binary integers. In the record buffer every field holds its display text of the field's length L: a
// sign position, the integer digits and, with D decimals, a point and the decimals.
#pragma once

#include "DataSource.h"

#include <cstddef>

struct DosRandomFormat
{
    const char* sourceName;
    unsigned char packedPlus;  // low half of a packed number's last byte
    unsigned char packedMinus;
    unsigned char zonedPlus;  // high half of a zoned number's last byte
    unsigned char zonedMinus;
};

extern const DosRandomFormat kDr1Format;
extern const DosRandomFormat kDr2Format;

// PC field for a host field: character 1 gives text (10 with characterSet 1, else 11), packed 3 gives 24, zoned 5
// gives 25, binary 7 gives 26; length and decimals are copied. False for any other host type, and for a number whose
// display length leaves no room for its sign, point and decimals.
bool MapDosRandomField(const DSField& host, DSField& pc, int characterSet);

// Bytes the field takes in the file.
size_t StoredWidth(const DSField& field);

// The field's display text in its stored form (StoredWidth bytes). False when the text is no number or its value
// does not fit the stored bytes.
bool EncodeStoredField(const DosRandomFormat& format, const DSField& field, unsigned char* stored);
// Whether stored bytes hold a number of the field's kind in this format: every half of a packed number a digit but
// the last, which is one of the format's sign codes; every byte of a zoned number a digit, the last with one of the
// format's sign zones. Text and binary fields hold anything.
bool IsValidStoredField(const DosRandomFormat& format, const DSField& field, const unsigned char* stored);
// Stored bytes to the field's display text (FieldLength characters). False when the bytes are not valid or the value
// does not fit the display length.
bool DecodeStoredField(const DosRandomFormat& format, const DSField& field, const unsigned char* stored, char* display);
