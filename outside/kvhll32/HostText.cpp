#include "HostText.h"

namespace kvhll
{
namespace
{

HMODULE g_textModule = nullptr;

}  // namespace

void SetTextModule(HMODULE module)
{
    g_textModule = module;
}

std::string HostText(unsigned id, std::initializer_list<std::string> arguments)
{
    char buffer[512];
    int length = LoadStringA(g_textModule, id, buffer, sizeof buffer);
    std::string pattern(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    std::string text;
    auto argument = arguments.begin();
    for (size_t i = 0; i < pattern.size(); ++i)
    {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's')
        {
            if (argument != arguments.end())
            {
                text += *argument++;
            }
            ++i;
        }
        else
        {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace kvhll
