#include "PathUtilities.h"

namespace
{

const char kEllipsis[] = "...";

}

BOOL EnsureDirectory(const char* path, BOOL create)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!create)
        return FALSE;
    return CreateDirectoryA(path, nullptr);
}

BOOL ShortenPath(std::string& path)
{
    size_t start = path.find('\\');
    while (start != std::string::npos)
    {
        size_t end = path.find('\\', start + 1);
        if (end == std::string::npos)
            return FALSE;
        const size_t length = end - start - 1;
        if (length > 0 && path.compare(start + 1, length, kEllipsis) != 0)
        {
            path.replace(start + 1, length, kEllipsis);
            return TRUE;
        }
        start = end;
    }
    return FALSE;
}

std::string GetDirectoryOfPath(const char* path)
{
    const std::string text(path);
    size_t last = text.rfind('\\');
    if (last == std::string::npos)
        return std::string();
    if (last > 0 && text[last - 1] == ':')
        return text.substr(0, last + 1);
    return text.substr(0, last);
}
