#include "ZRProfileListFile.h"

#include <cstdio>
#include <cstring>

namespace
{
bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t\r\v\f") == std::string::npos;
}

// The next line without its line feed; FALSE when no byte was left.
bool ReadWholeLine(FILE* file, std::string& line)
{
    line.clear();
    char piece[512];
    while (fgets(piece, sizeof piece, file))
    {
        size_t length = strlen(piece);
        if (length > 0 && piece[length - 1] == '\n')
        {
            line.append(piece, length - 1);
            return true;
        }
        line.append(piece, length);
    }
    return !line.empty();
}
}

ProfileListResult ReadProfileListFile(const std::string& path, std::vector<std::string>& paths)
{
    FILE* file = fopen(path.c_str(), "rt");
    if (!file)
        return ProfileListResult::CannotOpen;
    const size_t before = paths.size();
    std::string line;
    while (ReadWholeLine(file, line))
    {
        if (!IsBlankLine(line))
            paths.push_back(line);
    }
    ProfileListResult result = ProfileListResult::Read;
    if (ferror(file) || !feof(file))
        result = ProfileListResult::ReadError;
    else if (paths.size() == before)
        result = ProfileListResult::Empty;
    fclose(file);
    return result;
}
