// Numbers in the display form in which host numbers travel as text: blanks around them, a sign before or after the
// digits, digits with at most one decimal point.
#pragma once

#include <cstddef>
#include <string>

struct DisplayNumber
{
    bool negative = false;
    std::string integer;   // integer digits without leading zeros
    std::string fraction;  // decimal digits as written
};

// Reads a display number; a value of blanks only is zero. False for any other text.
bool ParseDisplayNumber(const char* text, size_t length, DisplayNumber& number);

// The number as exactly integerDigits + decimals digits, zero-padded on the left and with the decimals completed by
// zeros. False when the integer part needs more digits or a nonzero decimal would be lost.
bool NumberDigits(const DisplayNumber& number, size_t integerDigits, size_t decimals, std::string& digits);
