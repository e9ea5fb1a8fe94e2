// The host parts of AS/400 profiles; the host name has the form library/file(member).
#pragma once

#include "ZRHostRequest.h"

class CZRHostRequestAs400H2P : public CZRHostRequest
{
public:
    CZRHostRequestAs400H2P();
    BOOL Write(const char* fileName) override;
    BOOL Read(const char* fileName) override;
    void SplitName(std::vector<std::string>& parts) const override;
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;
};

class CZRHostRequestAs400P2H : public CZRHostRequestP2H
{
public:
    CZRHostRequestAs400P2H();
    BOOL Write(const char* fileName) override;
    BOOL Read(const char* fileName) override;
    void SplitName(std::vector<std::string>& parts) const override;
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;
};

// Library, file and member of an AS/400 name: the text before the first "/", the text from there to the first "("
// after it, and the text from there to the next ")". Without "/" all three are empty; without "(" file and member
// are; without ")" the member is.
void SplitAs400Name(const char* name, std::vector<std::string>& parts);
