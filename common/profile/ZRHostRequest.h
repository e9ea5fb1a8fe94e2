// The host parts of HLLAPI profiles: presentation space, host file type, description file and the host name.
#pragma once

#include "ZRKeywords.h"
#include "ZROwnedText.h"
#include "ZRRequestPart.h"

class CZRIniFile;
struct FtpTransferValues;

class CZRHostRequest : public CZRRequestPart
{
public:
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void Reset() override;

protected:
    // The host name is parameter `nameId` under the key `nameKey` and holds 1 to `maxNameLength` characters.
    CZRHostRequest(int nameId, const char* nameKey, int maxNameLength);

    // "Presentation space ID", "Host file type" and "Description file".
    BOOL WriteBaseKeys(const CZRIniFile& ini) const;
    BOOL ReadBaseKeys(const CZRIniFile& ini);
    BOOL WriteName(const CZRIniFile& ini) const;
    BOOL ReadName(const CZRIniFile& ini);

    // Takes the session letter, the description file and the host file type of a foreign direction section.
    void ImportBase(const FtpTransferValues& values, int hostSystem);
    // Replaces the host name; reports the failure when the copy cannot be allocated.
    BOOL SetName(const char* name);
    const char* GetName() const { return m_name.Get(); }
    BOOL HasName() const { return m_name.IsSet(); }
    int GetHostFileType() const { return m_hostFileType; }

private:
    char m_presentationSpaceId = 'A';
    int m_hostFileType = 1;
    char m_descriptionFile[MAX_PATH] = "";
    CZROwnedText m_name;
    const int m_nameId;
    const char* const m_nameKey;
    const int m_maxNameLength;
};

// PC-to-host parts: adds the host write mode (308) and the record length (309).
class CZRHostRequestP2H : public CZRHostRequest
{
public:
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void Reset() override;

protected:
    CZRHostRequestP2H(int maxNameLength, int defaultRecordLength);

    BOOL WriteModeAndLength(const CZRIniFile& ini, std::span<const ZRKeyword> writeModes) const;
    // Reads "Host write mode", then "Record length" in [minimumLength, 1760].
    BOOL ReadModeAndLength(const CZRIniFile& ini, std::span<const ZRKeyword> writeModes, int modeReplacement,
                           int minimumLength);
    // The record length a foreign file of `values` gives: its source-file length for a source file, else its
    // text-file length; 0 when the foreign profile sets none.
    static int ForeignRecordLength(const FtpTransferValues& values);

    int m_writeMode = 5;
    int m_recordLength;

private:
    const int m_defaultRecordLength;
};

// The section the host parts write, and their longest record.
inline constexpr char kHostSection[] = "Host request";
inline constexpr int kMaxRecordLength = 1760;
