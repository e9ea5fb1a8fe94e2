#include "DisplayNumber.h"

#include "AsciiText.h"

#include <algorithm>

namespace
{
bool IsSign(char c)
{
    return c == '+' || c == '-';
}
}

bool ParseDisplayNumber(const char* text, size_t length, DisplayNumber& number)
{
    number = DisplayNumber{};
    size_t begin = 0;
    size_t end = length;
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    if (begin == end)
        return true;
    char sign = 0;
    if (IsSign(text[begin]))
    {
        sign = text[begin++];
        while (begin < end && text[begin] == ' ')
            ++begin;
    }
    else if (IsSign(text[end - 1]))
    {
        sign = text[--end];
        while (end > begin && text[end - 1] == ' ')
            --end;
    }
    size_t at = begin;
    while (at < end && IsAsciiDigit(text[at]))
        ++at;
    std::string integer(text + begin, at - begin);
    size_t digits = at - begin;
    if (at < end && text[at] == '.')
    {
        const size_t from = ++at;
        while (at < end && IsAsciiDigit(text[at]))
            ++at;
        number.fraction.assign(text + from, at - from);
        digits += at - from;
    }
    if (at != end || digits == 0)
        return false;
    const size_t significant = integer.find_first_not_of('0');
    number.integer = significant == std::string::npos ? std::string() : integer.substr(significant);
    number.negative = sign == '-';
    return true;
}

bool NumberDigits(const DisplayNumber& number, size_t integerDigits, size_t decimals, std::string& digits)
{
    if (number.integer.size() > integerDigits)
        return false;
    if (number.fraction.size() > decimals && number.fraction.find_first_not_of('0', decimals) != std::string::npos)
        return false;
    digits.assign(integerDigits - number.integer.size(), '0');
    digits += number.integer;
    digits += number.fraction.substr(0, decimals);
    digits.append(decimals - std::min(decimals, number.fraction.size()), '0');
    return true;
}
