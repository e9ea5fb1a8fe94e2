// The host parts of System/36 profiles; the host name is a file, or library(member) for a library member.
#pragma once

#include "ZRHostRequest.h"

class CZRHostRequestS36H2P : public CZRHostRequest
{
public:
    CZRHostRequestS36H2P();
    BOOL Write(const char* fileName) override;
    // Reads the name first: the default host file type depends on it.
    BOOL Read(const char* fileName) override;
    void SplitName(std::vector<std::string>& parts) const override;
    BOOL IsMemberName() const override;
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;
};

class CZRHostRequestS36P2H : public CZRHostRequestP2H
{
public:
    CZRHostRequestS36P2H();
    BOOL Write(const char* fileName) override;
    // Reads the name first: the default host file type and write mode depend on it.
    BOOL Read(const char* fileName) override;
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void SplitName(std::vector<std::string>& parts) const override;
    BOOL IsMemberName() const override;
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;

private:
    int m_numberOfRecords = 1000;
};

// The pieces of a System/36 name: the whole name when it holds no "(", else the text before the "(" and the text
// from there to the next ")" (an empty member when there is no ")").
void SplitS36Name(const char* name, std::vector<std::string>& parts);
