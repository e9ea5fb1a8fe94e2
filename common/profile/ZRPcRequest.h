// The PC side of a profile: the "PC request" section, its values by parameter id, and its import.
#pragma once

#include <windows.h>

struct FtpProfileRecord;
struct FtpTransferValues;
class CZRIniFile;

class CZRPcRequest
{
public:
    // The flags start as the options "Remove blanks" and "Decimal char is dot".
    CZRPcRequest();
    virtual ~CZRPcRequest() = default;

    virtual BOOL Write(const char* fileName);
    virtual BOOL Read(const char* fileName);
    // A get or set returns TRUE when the id is the part's own, else FALSE and nothing is touched.
    virtual BOOL GetValue(int id, void* destination) const;
    virtual BOOL SetValue(int id, const void* source);
    // 4 for a number, string length + 1 for the file name; -1 for a foreign id.
    virtual int GetSize(int id) const;
    virtual void Reset();
    virtual BOOL ImportFtpProfile(const FtpProfileRecord& record) = 0;

    // The value of a number id, or `fallback` when the id is not the part's.
    int GetInt(int id, int fallback = 0) const;

protected:
    // Takes the file name and the PC file type of one foreign direction section.
    void ImportTransfer(const FtpTransferValues& values, BOOL hostToPc);

private:
    char m_fileName[MAX_PATH] = "";
    int m_fileType = 19;
    int m_removeBlanks;
    int m_decimalCharIsDot;
};

// Host to PC: adds the PC write mode (id 202).
class CZRPcRequestH2P : public CZRPcRequest
{
public:
    BOOL Write(const char* fileName) override;
    BOOL Read(const char* fileName) override;
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void Reset() override;
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;

private:
    int m_writeMode = 1;
};

// PC to host: refuses id 202.
class CZRPcRequestP2H : public CZRPcRequest
{
public:
    BOOL ImportFtpProfile(const FtpProfileRecord& record) override;
};
