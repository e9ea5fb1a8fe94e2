#include "ServerTexts.h"

#include "ServerModule.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>

namespace
{
constexpr int kTextSize = 1024;
}

std::wstring ServerText(unsigned id, ...)
{
    wchar_t format[kTextSize] = {};
    if (LoadStringW(ServerModuleHandle(), id, format, kTextSize) <= 0)
        return std::wstring();
    wchar_t text[kTextSize] = {};
    va_list arguments;
    va_start(arguments, id);
    std::vswprintf(text, kTextSize, format, arguments);
    va_end(arguments);
    return text;
}

std::wstring ProblemText(const FileProblem& problem)
{
    return problem.line > 0 ? ServerText(problem.text, problem.line) : ServerText(problem.text, problem.detail.c_str());
}
