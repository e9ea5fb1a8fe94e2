#include "StoreFiles.h"

#include <windows.h>

#include <algorithm>
#include <fstream>

#include "IniFile.h"
#include "OwnedHandles.h"

namespace kvhll
{
namespace
{

std::vector<std::string> List(const std::string& folder, const std::string& pattern, bool folders)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    OwnedFind search(FindFirstFileA(JoinPath(folder, pattern).c_str(), &found));
    if (!search)
    {
        return names;
    }
    do
    {
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::string name = found.cFileName;
        if (isFolder == folders && name != "." && name != "..")
        {
            names.push_back(ToUpper(name));
        }
    } while (FindNextFileA(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
    {
        return folder + name;
    }
    return folder + "\\" + name;
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

std::vector<std::string> ListFolders(const std::string& folder)
{
    return List(folder, "*", true);
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern)
{
    return List(folder, pattern, false);
}

DescriptionFileResult ReadDescriptionFile(const std::string& path, std::vector<HostField>& fields, size_t& badLine)
{
    fields.clear();
    badLine = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return DescriptionFileResult::CannotOpen;
    }
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        HostField field;
        if (line.size() < static_cast<size_t>(kDescriptionLength))
        {
            line.resize(kDescriptionLength, ' ');
        }
        if (ParseDescription(line, field) != FieldProblem::None)
        {
            badLine = fields.size() + 1;
            return DescriptionFileResult::Damaged;
        }
        fields.push_back(field);
    }
    return fields.empty() ? DescriptionFileResult::Damaged : DescriptionFileResult::Ok;
}

bool WriteDescriptionFile(const std::string& path, const std::vector<HostField>& fields)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const HostField& field : fields)
    {
        out << FormatDescription(field) << "\r\n";
    }
    return static_cast<bool>(out.flush());
}

}  // namespace kvhll
