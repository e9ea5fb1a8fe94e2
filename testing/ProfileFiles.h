// Files as tests read and change them (profiles with the INI functions' cached copy flushed after each change).
#pragma once

#include <string>

std::string ReadFileBytes(const std::string& path);
// The size of a file, read without opening it, so that a program may replace the file meanwhile; 0 when it is
// missing.
size_t FileSizeWithoutOpening(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The number of lines of a text file (0 when it cannot be read).
int LineCount(const std::string& path);
// A host-to-PC HLLAPI profile reading `hostFile` ("LIB/FILE(MEMBER)") of the AS/400 on session A into the CSV
// file `csv`.
std::string HllapiCsvProfile(const std::string& hostFile, const std::string& csv, bool autoClose);
// Sets (or, with a null value, deletes) one key of an INI file and makes sure the file on disk holds it.
void SetProfileValue(const std::string& path, const char* section, const char* key, const char* value);
