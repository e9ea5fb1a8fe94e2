#include "HostNames.h"

namespace kvhll
{
namespace
{

bool IsFirstCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || c == '$' || c == '#' || c == '@';
}

// Names that Windows keeps for devices cannot be files of the host store.
bool IsDeviceName(const std::string& name)
{
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices)
    {
        if (name == device)
        {
            return true;
        }
    }
    return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) && name[3] >= '0' &&
           name[3] <= '9';
}

bool IsName(const std::string& name, size_t maxLength, bool underscore)
{
    if (name.empty() || name.size() > maxLength || !IsFirstCharacter(name[0]) || IsDeviceName(name))
    {
        return false;
    }
    for (char c : name)
    {
        if (!IsFirstCharacter(c) && !(c >= '0' && c <= '9') && !(underscore && c == '_'))
        {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsAs400Name(const std::string& name)
{
    return IsName(name, 10, true);
}

bool IsS36Name(const std::string& name)
{
    return IsName(name, 8, false);
}

}  // namespace kvhll
