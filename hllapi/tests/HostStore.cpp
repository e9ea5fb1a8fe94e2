#include "HostStore.h"

#include "OwnedHandles.h"
#include "TempProgramFolder.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{
// Code page 037 for printable ASCII, from 0x20.
const unsigned char kEbcdic[95] = {
    0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61, 0xF0, 0xF1, 0xF2,
    0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F, 0x7C, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5,
    0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7,
    0xE8, 0xE9, 0xBA, 0xE0, 0xBB, 0xB0, 0x6D, 0x79, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92,
    0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xC0, 0x4F, 0xD0, 0xA1,
};

void CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    const OwnedFind search(FindFirstFileA((from + "\\*").c_str(), &found));
    if (!search)
        return;
    do
    {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + "\\" + name, to + "\\" + name);
        else
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    } while (FindNextFileA(search.Get(), &found));
}

std::string ReadShared(const std::string& path)
{
    const OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::string();
    std::string content;
    char block[65536];
    DWORD done = 0;
    while (ReadFile(file.Get(), block, sizeof block, &done, nullptr) && done > 0)
        content.append(block, done);
    return content;
}

}

std::vector<std::string> TextLines(const std::string& content)
{
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> FileLines(const std::string& path)
{
    return TextLines(ReadShared(path));
}

void UseCopyOfSampleStore(const std::string& folder)
{
    CopyTree(TempProgramFolder::BuildProgramFolder() + "\\host", folder);
    SetEnvironmentVariableA("ZRT_HOST_DIR", folder.c_str());
}

std::vector<std::string> RecordFileRecords(const std::string& path, int recordLength)
{
    std::vector<std::string> records;
    for (const std::string& line : FileLines(path))
    {
        std::string record;
        for (std::size_t i = 0; i < line.size(); ++i)
        {
            if (line[i] == '\\' && i + 2 < line.size())
            {
                record += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
            else
            {
                record += Ebcdic(std::string(1, line[i]));
            }
        }
        record.resize(static_cast<std::size_t>(recordLength), '\x40');
        records.push_back(record);
    }
    return records;
}

void AddAs400Member(const std::string& store, const std::string& library, const std::string& file,
                    const std::string& from, const std::string& to, int records)
{
    const std::string folder = store + "\\AS400\\" + library + "\\" + file;
    const std::vector<std::string> lines = FileLines(folder + "\\" + from + ".MBR");
    std::ofstream out(folder + "\\" + to + ".MBR", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < records && !lines.empty(); ++i)
        out << lines[static_cast<std::size_t>(i) % lines.size()] << "\r\n";
    WritePrivateProfileStringA("Members", to.c_str(), "Copied records", (folder + ".INI").c_str());
}

std::string Ebcdic(const std::string& text)
{
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E)
            throw std::invalid_argument("not printable ASCII");
        bytes[i] = static_cast<char>(kEbcdic[c - 0x20]);
    }
    return bytes;
}
