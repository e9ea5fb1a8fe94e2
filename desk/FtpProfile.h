// CFtpProfile: the reader of a foreign ("via Velunor", ".ftp") transfer profile, an INI text. It reads every key the
// import uses into the record that the profile's request parts import from.
#pragma once

#include "ZRFtpProfileRecord.h"

#include <string>

class CFtpProfile
{
public:
    // `path` should be a full path: the private-profile functions look for a relative name in the Windows folder.
    explicit CFtpProfile(const std::string& path);

    // Reads "General", then both direction sections whatever the direction. A host system, direction or
    // conversion that the import cannot use is reported (ZRH023 with the path and the key) and fails the read.
    BOOL Read();
    const FtpProfileRecord& Record() const { return m_record; }

private:
    std::string ReadText(const char* section, const char* key) const;
    int ReadNumber(const char* section, const char* key) const;
    void ReadName(const char* section, const char* key, bool member, char* name, size_t size) const;
    void ReadTransfer(const char* section, FtpTransferValues& values) const;
    int ReadFileType(const char* section) const;
    BOOL Refuse(int line, const char* key) const;

    std::string m_path;
    FtpProfileRecord m_record{};
};
