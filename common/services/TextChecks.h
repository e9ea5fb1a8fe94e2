// Checks of texts typed into dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// 1 when every character is a decimal digit (an empty text counts).
BOOL IsDigits(const char* text);
// 1 when every character is a digit and the decimal value (0 for an empty text) lies in [min, max].
BOOL IsIntInRange(const char* text, long min, long max);
// 1 when every character is a digit or ".", with at most one ".".
BOOL IsDecimal(const char* text);
// 1 when IsDecimal holds and the value, in single precision, lies in [min, max].
BOOL IsFloatInRange(const char* text, float min, float max);
int TextLength(const char* text);

// Empties `pieces`; a non-empty text is cut at every occurrence of `separator`, the last piece being the rest after
// the last separator. With `trim` each piece loses its leading and trailing blanks.
void SplitString(const char* text, const char* separator, std::vector<std::string>& pieces, BOOL trim);
