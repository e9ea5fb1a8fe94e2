#include "ZRKeywords.h"

namespace
{
char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}

BOOL EqualsNoCase(const char* left, const char* right)
{
    for (; *left != '\0' && *right != '\0'; ++left, ++right)
    {
        if (LowerAscii(*left) != LowerAscii(*right))
            return FALSE;
    }
    return *left == *right;
}

BOOL FindKeywordCode(std::span<const ZRKeyword> keywords, const char* text, int* code)
{
    for (const ZRKeyword& keyword : keywords)
    {
        if (EqualsNoCase(keyword.text, text))
        {
            *code = keyword.code;
            return TRUE;
        }
    }
    return FALSE;
}

const char* FindKeywordText(std::span<const ZRKeyword> keywords, int code)
{
    for (const ZRKeyword& keyword : keywords)
    {
        if (keyword.code == code)
            return keyword.text;
    }
    return "";
}
