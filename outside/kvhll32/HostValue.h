// Values of host numbers: the bytes kept in a record (packed, zoned, binary) and the display form that text
// transfers carry (EBCDIC characters). Positive numbers are kept with the preferred sign F, negative ones with D.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "HostField.h"

namespace kvhll
{

// A number as a sign and exactly as many decimal digits as its field has (decimals last).
struct HostNumber
{
    bool negative = false;
    std::string digits;
};

// FALSE when the bytes are no valid number of the field (bad digit or sign, more digits than the field has).
bool DecodeNumber(const HostField& field, const unsigned char* bytes, HostNumber& number);
// FALSE when the number does not fit the field's bytes (a binary field of 2 or 4 bytes); never wraps.
bool EncodeNumber(const HostField& field, const HostNumber& number, unsigned char* bytes);

// The right-aligned display form in EBCDIC: a minus sign before the first digit, no leading zeros
// ("0" for a zero integer part unless every digit is a decimal), the point and the decimals.
std::string FormatDisplay(const HostField& field, const HostNumber& number);
// Reads a display form sent by the PC: blanks and zero bytes around it, a sign before or after the digits,
// leading zeros, "." or "," as the decimal point; empty is zero. FALSE when it is no number or has more
// integer digits than the field, or nonzero decimals beyond the field's.
bool ParseDisplay(const HostField& field, std::string_view ebcdic, HostNumber& number);

// A record (internal bytes) to its display form and back; on failure `badField` is the 0-based field index.
bool RecordToDisplay(const std::vector<HostField>& fields, std::string_view record, std::string& display,
                     int& badField);
bool DisplayToRecord(const std::vector<HostField>& fields, std::string_view display, std::string& record,
                     int& badField);

// Two upper-case hexadecimal characters (ANSI) per byte, high half first.
std::string HexEncode(std::string_view bytes);
// Two hexadecimal characters (ANSI, either case) per byte; FALSE on any other character or an odd count.
bool HexDecode(std::string_view text, std::string& bytes);
// The value of one hexadecimal digit (either case), -1 for any other character.
int HexDigitValue(char c);

}  // namespace kvhll
