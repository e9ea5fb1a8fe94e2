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

int LineCount(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    int count = 0;
    while (std::getline(file, line))
        ++count;
    return count;
}

std::string HllapiCsvProfile(const std::string& hostFile, const std::string& csv, bool autoClose)
{
    return std::string("[General]\r\n"
                       "Connection=HLLAPI\r\n"
                       "Direction=Host to PC\r\n"
                       "Host type=AS/400\r\n"
                       "Character set=EBCDIC to ANSI\r\n"
                       "Auto close=") +
           (autoClose ? "Yes" : "No") +
           "\r\n"
           "Transfer type=Conversion\r\n"
           "[Host request]\r\n"
           "Presentation space ID=A\r\n"
           "Host file type=Data\r\n"
           "Description file=\r\n"
           "SQL from=" +
           hostFile +
           "\r\n"
           "[PC request]\r\n"
           "Filename=" +
           csv +
           "\r\n"
           "PC file type=CSV (Comma delimiter)\r\n"
           "Remove blanks=Yes\r\n"
           "Decimal char is dot=Yes\r\n"
           "PC write mode=Create file\r\n";
}

void SetProfileValue(const std::string& path, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, path.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

size_t FileSizeWithoutOpening(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}
