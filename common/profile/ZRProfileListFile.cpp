#include "ZRProfileListFile.h"

#include "OwnedHandles.h"

#include <windows.h>

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

namespace
{
bool WriteAll(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool WriteListTo(const char* temporary, const std::vector<std::string>& paths)
{
    OwnedFile file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::string bytes;
    for (const std::string& line : paths)
        bytes += line + "\r\n";
    // A disk that fills up may say so only when the file is flushed or closed.
    return WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) && CloseHandle(file.Release());
}
}

bool WriteProfileListFile(const std::string& path, const std::vector<std::string>& paths)
{
    char full[MAX_PATH];
    char* fileName = nullptr;
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, &fileName);
    if (length == 0 || length >= sizeof(full) || !fileName)
        return false;
    // An existing list must be ours to replace: not read-only, not held open by another program.
    if (!OwnedFile(CreateFileA(full, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) &&
        GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    std::string folder(full, static_cast<size_t>(fileName - full));
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "zrt", 0, temporary))
        return false;
    bool written = WriteListTo(temporary, paths) &&
                   MoveFileExA(temporary, full, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!written)
        DeleteFileA(temporary);
    return written;
}
