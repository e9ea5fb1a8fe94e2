// Text helpers of the framework: formatting, time texts, path parts and the command-line tail.
#pragma once

#include <windows.h>
#include <ctime>
#include <initializer_list>
#include <string>

// printf-style formatting into a string of any length.
std::string FwFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FwFormatV(const char* format, va_list arguments);

// One argument of FwFormatArgs: a text or a number.
class CFwFormatArg
{
public:
    CFwFormatArg(const char* text) : m_text(text ? text : ""), m_isText(true) {}
    CFwFormatArg(const std::string& text) : m_text(text), m_isText(true) {}
    CFwFormatArg(int number) : m_number(number) {}
    CFwFormatArg(long number) : m_number(number) {}
    CFwFormatArg(unsigned int number) : m_number(number) {}
    CFwFormatArg(unsigned long number) : m_number(static_cast<long long>(number)) {}
    CFwFormatArg(long long number) : m_number(number) {}

    bool IsText() const { return m_isText; }
    const std::string& Text() const { return m_text; }
    long long Number() const { return m_number; }

private:
    std::string m_text;
    long long m_number = 0;
    bool m_isText = false;
};

// Formats a format text that comes from resources with the given arguments, following printf rules for every
// conversion whose argument has the matching kind. A conversion without an argument, or whose argument is of the
// other kind, takes the argument as the conversion needs it (a number as its decimal text, a text as 0), so that
// a wrong format text never reads outside the arguments.
std::string FwFormatArgs(const std::string& format, std::initializer_list<CFwFormatArg> arguments);

// Local time `time` formatted with strftime; an empty text when the time cannot be converted.
std::string FwFormatTime(time_t time, const char* format);
// A span of seconds formatted with %D (days), %H, %M and %S (hours, minutes and seconds of the day, two digits)
// and %% (a percent sign); other characters are copied.
std::string FwFormatSpan(long long seconds, const char* format);
// The calendar time of a SYSTEMTIME taken as local time, daylight saving decided by the system.
time_t FwLocalTimeOf(const SYSTEMTIME& time);

// Extension of a path with its dot, as the runtime's path splitting gives it ("" when the file name has none).
std::string FwPathExtension(const std::string& path);
// File name with extension: the text after the last "\", "/" or ":".
std::string FwPathFileName(const std::string& path);

// Comparison without regard to the case of the letters A-Z.
bool FwEqualsNoCase(const std::string& a, const std::string& b);

// The command line without the program name, as WinMain receives it: a quoted or blank-delimited program name and
// the blanks and tabs after it are skipped.
std::string FwCommandTail(const char* commandLine);
