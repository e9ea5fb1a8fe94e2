#include "ZRProfileListFile.h"

#include <cstdio>

namespace
{
// Blanks, and the CR and Ctrl-Z that DOS editors leave: a line of nothing else names no profile.
bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t\r\v\f\x1A") == std::string::npos;
}

// The next line without its line end (LF, CR LF, or a CR that ends the file); FALSE when no byte was left.
bool ReadWholeLine(FILE* file, std::string& line)
{
    line.clear();
    int c = 0;
    bool read = false;
    while ((c = getc(file)) != EOF && c != '\n')
    {
        line += static_cast<char>(c);
        read = true;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return read || c == '\n';
}
}

ProfileListResult ReadProfileListFile(const std::string& path, std::vector<std::string>& paths)
{
    // Binary: in text mode the runtime would end the file at its first Ctrl-Z and drop the lines after it.
    FILE* file = fopen(path.c_str(), "rb");
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
