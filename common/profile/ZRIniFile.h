// One profile file on disk, read and written through the private-profile (INI) functions.
#pragma once

#include <windows.h>

class CZRIniFile
{
public:
    // The path is made absolute at once: a relative name would otherwise be taken from the Windows folder.
    explicit CZRIniFile(const char* path);

    // FALSE when the path could not be made absolute; every read then finds nothing and every write fails.
    BOOL IsValid() const { return m_path[0] != '\0'; }
    const char* Path() const { return m_path; }

    // Reads a value into a buffer of `size` bytes; FALSE when the key is missing. A value that does not fit is cut to
    // size - 1 characters, so a buffer one larger than the longest valid value reveals an over-long one.
    BOOL ReadText(const char* section, const char* key, char* buffer, DWORD size) const;
    // Reads a decimal value: digits alone, blanks around them allowed, within int's range. FALSE for a missing key
    // and for any other text.
    BOOL ReadNumber(const char* section, const char* key, int* value) const;

    BOOL WriteText(const char* section, const char* key, const char* value) const;
    BOOL WriteInt(const char* section, const char* key, int value) const;
    // Writes out what the system holds of the file and forgets it, so the next read sees the file on disk.
    void Flush() const;

private:
    char m_path[MAX_PATH];
};
