#include "ProfileFiles.h"

#include <windows.h>

#include <fstream>
#include <sstream>

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    // The INI functions may hold an older copy of the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

void SetProfileValue(const std::string& path, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, path.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}
