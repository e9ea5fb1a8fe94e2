#include "FwText.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::string FwFormatV(const char* format, va_list arguments)
{
    va_list copy;
    va_copy(copy, arguments);
    int length = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0)
    {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    vsnprintf(text.data(), text.size(), format, arguments);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string FwFormat(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::string text = FwFormatV(format, arguments);
    va_end(arguments);
    return text;
}

namespace
{
bool IsIntegerConversion(char c)
{
    return c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X' || c == 'o' || c == 'c';
}

bool IsFloatConversion(char c)
{
    return c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G' || c == 'a' || c == 'A';
}

// Formats one conversion: `directive` holds "%", flags, width and precision (no length modifier, no '*').
std::string FormatOne(std::string directive, char conversion, const CFwFormatArg* argument)
{
    if (conversion == 's')
    {
        std::string text;
        if (argument)
        {
            text = argument->IsText() ? argument->Text() : std::to_string(argument->Number());
        }
        return FwFormat((directive + 's').c_str(), text.c_str());
    }
    long long number = argument && !argument->IsText() ? argument->Number() : 0;
    if (IsFloatConversion(conversion))
    {
        return FwFormat((directive + conversion).c_str(), static_cast<double>(number));
    }
    if (conversion == 'c')
    {
        return FwFormat((directive + 'c').c_str(), static_cast<int>(number));
    }
    return FwFormat((directive + "ll" + conversion).c_str(), number);
}
}

std::string FwFormatArgs(const std::string& format, std::initializer_list<CFwFormatArg> arguments)
{
    std::string result;
    auto next = arguments.begin();
    size_t i = 0;
    while (i < format.size())
    {
        char c = format[i];
        if (c != '%')
        {
            result += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%')
        {
            result += '%';
            i += 2;
            continue;
        }
        // %[flags][width][.precision][length]conversion; '*' and positional forms are taken as plain text.
        size_t j = i + 1;
        std::string directive = "%";
        while (j < format.size() && std::string("-+ #0").find(format[j]) != std::string::npos)
        {
            directive += format[j++];
        }
        while (j < format.size() && isdigit(static_cast<unsigned char>(format[j])))
        {
            directive += format[j++];
        }
        if (j < format.size() && format[j] == '.')
        {
            directive += format[j++];
            while (j < format.size() && isdigit(static_cast<unsigned char>(format[j])))
            {
                directive += format[j++];
            }
        }
        while (j < format.size() && std::string("hlLqjzt").find(format[j]) != std::string::npos)
        {
            ++j;
        }
        if (j >= format.size())
        {
            result += format.substr(i);
            break;
        }
        char conversion = format[j];
        if (conversion == 's' || IsIntegerConversion(conversion) || IsFloatConversion(conversion))
        {
            const CFwFormatArg* argument = next != arguments.end() ? &*next++ : nullptr;
            result += FormatOne(directive, conversion, argument);
        }
        else
        {
            result += format.substr(i, j + 1 - i);
        }
        i = j + 1;
    }
    return result;
}

std::string FwFormatTime(time_t time, const char* format)
{
    struct tm local;
    if (localtime_s(&local, &time) != 0)
    {
        return std::string();
    }
    char buffer[256];
    size_t length = strftime(buffer, sizeof(buffer), format, &local);
    return std::string(buffer, length);
}

std::string FwFormatSpan(long long seconds, const char* format)
{
    if (seconds < 0)
    {
        seconds = 0;
    }
    std::string result;
    for (const char* p = format; *p; ++p)
    {
        if (*p != '%' || !p[1])
        {
            result += *p;
            continue;
        }
        ++p;
        switch (*p)
        {
        case 'D':
            result += std::to_string(seconds / 86400);
            break;
        case 'H':
            result += FwFormat("%02lld", seconds / 3600 % 24);
            break;
        case 'M':
            result += FwFormat("%02lld", seconds / 60 % 60);
            break;
        case 'S':
            result += FwFormat("%02lld", seconds % 60);
            break;
        default:
            result += *p;
            break;
        }
    }
    return result;
}

time_t FwLocalTimeOf(const SYSTEMTIME& time)
{
    struct tm local = {};
    local.tm_year = time.wYear - 1900;
    local.tm_mon = time.wMonth - 1;
    local.tm_mday = time.wDay;
    local.tm_hour = time.wHour;
    local.tm_min = time.wMinute;
    local.tm_sec = time.wSecond;
    local.tm_isdst = -1;
    return mktime(&local);
}

std::string FwPathExtension(const std::string& path)
{
    std::string name = FwPathFileName(path);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string FwPathFileName(const std::string& path)
{
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool FwEqualsNoCase(const std::string& a, const std::string& b)
{
    return _stricmp(a.c_str(), b.c_str()) == 0;
}

std::string FwCommandTail(const char* commandLine)
{
    if (!commandLine)
    {
        return std::string();
    }
    const char* p = commandLine;
    if (*p == '"')
    {
        ++p;
        while (*p && *p != '"')
        {
            ++p;
        }
        if (*p == '"')
        {
            ++p;
        }
    }
    else
    {
        while (*p && *p != ' ' && *p != '\t')
        {
            ++p;
        }
    }
    while (*p == ' ' || *p == '\t')
    {
        ++p;
    }
    return std::string(p);
}
