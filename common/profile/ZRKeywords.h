// Texts that a profile file stores for coded values, and their lookup in both directions.
#pragma once

#include <windows.h>
#include <span>

struct ZRKeyword
{
    const char* text;
    int code;
};

// TRUE when the two texts are equal without regard to the case of the letters A-Z.
BOOL EqualsNoCase(const char* left, const char* right);

// The code of the keyword whose text matches without regard to case; FALSE when none matches.
BOOL FindKeywordCode(std::span<const ZRKeyword> keywords, const char* text, int* code);

// The text of the code, or an empty text for a code the table does not hold.
const char* FindKeywordText(std::span<const ZRKeyword> keywords, int code);

// "Yes" for any nonzero value, "No" for 0.
inline constexpr ZRKeyword kYesNoKeywords[] = {{"Yes", 1}, {"No", 0}};
