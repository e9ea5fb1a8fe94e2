// Character tests and conversions on plain ASCII, the same whatever the C locale: host names, keys, numbers and
// fixed-width records are ASCII text, and the runtime's ctype functions would follow a locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Blank, tab, line feed, vertical tab, form feed and carriage return: the white space of the C locale.
inline bool IsWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// "a" to "z" become "A" to "Z"; every other character stays.
inline char ToAsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string ToAsciiUpper(std::string text)
{
    for (char& c : text)
        c = ToAsciiUpper(c);
    return text;
}

inline void ToAsciiUpper(char* text)
{
    for (; *text != '\0'; ++text)
        *text = ToAsciiUpper(*text);
}

// Whether the texts are equal but for the case of "a" to "z".
inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (ToAsciiUpper(a[i]) != ToAsciiUpper(b[i]))
            return false;
    }
    return true;
}

// The value of a hexadecimal digit (either case), or -1.
inline int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The text without its leading and trailing blanks (" " only).
inline std::string_view TrimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::string_view();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Reads the decimal digits at the start of `text`, at most `count` characters, up to the first other character.
// `value` gets their value, held at `most` (below 10^17) once it reaches it, so that no run of digits overflows.
// Returns how many digits there were.
inline size_t ReadDecimalDigits(const char* text, size_t count, long long most, long long& value)
{
    value = 0;
    size_t read = 0;
    for (; read < count && IsAsciiDigit(text[read]); ++read)
    {
        value = value * 10 + (text[read] - '0');
        if (value > most)
            value = most;
    }
    return read;
}
