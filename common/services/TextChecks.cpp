#include "TextChecks.h"

#include "AsciiText.h"

#include <cstdlib>
#include <cstring>

BOOL IsDigits(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c)
    {
        if (!IsAsciiDigit(*c))
            return FALSE;
    }
    return TRUE;
}

BOOL IsIntInRange(const char* text, long min, long max)
{
    if (!IsDigits(text))
        return FALSE;
    // Past the largest long the value is out of every range: it is held there.
    long long value = 0;
    ReadDecimalDigits(text, std::strlen(text), 1LL << 40, value);
    return value >= min && value <= max;
}

BOOL IsDecimal(const char* text)
{
    int dots = 0;
    for (const char* c = text; *c != '\0'; ++c)
    {
        if (*c == '.')
            ++dots;
        else if (!IsAsciiDigit(*c))
            return FALSE;
    }
    return dots <= 1;
}

BOOL IsFloatInRange(const char* text, float min, float max)
{
    if (!IsDecimal(text))
        return FALSE;
    float value = std::strtof(text, nullptr);
    return value >= min && value <= max;
}

int TextLength(const char* text)
{
    return static_cast<int>(std::strlen(text));
}

void SplitString(const char* text, const char* separator, std::vector<std::string>& pieces, BOOL trim)
{
    pieces.clear();
    if (*text == '\0')
        return;
    const std::string whole(text);
    const size_t step = std::strlen(separator);
    size_t start = 0;
    for (;;)
    {
        size_t found = step == 0 ? std::string::npos : whole.find(separator, start);
        std::string piece = whole.substr(start, found == std::string::npos ? std::string::npos : found - start);
        pieces.push_back(trim ? std::string(TrimBlanks(piece)) : piece);
        if (found == std::string::npos)
            return;
        start = found + step;
    }
}
