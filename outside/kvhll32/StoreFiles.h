// Folder and file helpers of the host store, and its description files (one 66-character field description
// per line, each line ended by CR LF, so 68 bytes a field).
#pragma once

#include <string>
#include <vector>

#include "HostField.h"

namespace kvhll
{

std::string JoinPath(const std::string& folder, const std::string& name);
bool FolderExists(const std::string& path);
bool FileExists(const std::string& path);
bool MakeFolder(const std::string& path);
// Names of the sub-folders, or of the files matching `pattern`, sorted, in upper case.
std::vector<std::string> ListFolders(const std::string& folder);
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

enum class DescriptionFileResult
{
    Ok,
    CannotOpen,
    Damaged
};
// A line shorter than 66 characters is filled with blanks (the end of its text); `badLine` is 1-based.
DescriptionFileResult ReadDescriptionFile(const std::string& path, std::vector<HostField>& fields, size_t& badLine);
bool WriteDescriptionFile(const std::string& path, const std::vector<HostField>& fields);

}  // namespace kvhll
