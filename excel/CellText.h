// A worksheet cell's value and a field's text, one into the other, for the PC field types of the Excel data source
// (the ANSI members: 11 text, 14 and 17 integers, 20 and 23 decimals).
#pragma once

#include "ZRContracts.h"

#include <oleauto.h>

// The field's text (length bytes at value) as a cell value: a text of exactly the field's length (trailing blanks
// kept); an integer as VT_I4, or VT_R8 when it does not fit 32 bits; a decimal as VT_R8. `wide` has room for
// length characters. False for another field type, for text that is no number, and for a number that a double
// does not hold exactly.
bool FieldToVariant(const char* value, unsigned length, int type, wchar_t* wide, VARIANT* cell);

// The cell value as the field's text, right-aligned numbers in the field's length and decimals, texts cut to the
// length and filled with blanks. False for a cell of another type and for a number that does not fit the field.
bool FormatFieldText(const VARIANT& cell, DSField& field);
