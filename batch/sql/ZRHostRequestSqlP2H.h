// The PC-to-host request of APPC and TCP/IP profiles: a system name, the replace list, the target table, the
// reference file, and how the target is created or replaced.
#pragma once

#include "ZROwnedText.h"
#include "ZRRequestPart.h"
#include "ZRSqlConnection.h"
#include "ZRSqlKeys.h"

class CZRHostRequestSqlP2H : public CZRRequestPart
{
public:
    BOOL Write(const char* fileName) override;
    // Reads the section strictly.
    BOOL Read(const char* fileName) override;
    BOOL GetValue(int id, void* destination) const override;
    BOOL SetValue(int id, const void* source) override;
    int GetSize(int id) const override;
    void Reset() override;
    // Library, file and member of the target table.
    void SplitName(std::vector<std::string>& parts) const override;
    // Library and file of the reference file: the texts before and after the first "/" (both empty without one).
    void SplitRefFileName(std::vector<std::string>& parts) const override;

protected:
    explicit CZRHostRequestSqlP2H(const ZRSqlConnection& connection);

    // Takes the foreign request's texts that are set, its host file type and its write mode.
    BOOL ImportTarget(const ZRForeignRequest& record);

private:
    // Longest file text and member text.
    static constexpr size_t kTextLength = 50;

    BOOL ReadKeys(const CZRIniFile& ini);
    BOOL WriteKeys(const CZRIniFile& ini) const;
    BOOL ReadRecordLength(const CZRIniFile& ini);
    // The storage of a text item held in the object, with its capacity; null for any other id.
    char* FindFixedText(int id, size_t* size);
    const char* FindFixedText(int id) const;
    CZROwnedText* FindText(int id);
    const CZROwnedText* FindText(int id) const;
    int* FindNumber(int id);
    const int* FindNumber(int id) const;
    BOOL StoreText(CZROwnedText& text, const char* value) const;

    const ZRSqlConnection& m_connection;
    char m_systemName[kSqlSystemNameLength + 1] = "";
    CZROwnedText m_replace;
    CZROwnedText m_target;
    CZROwnedText m_referenceFile;
    CZROwnedText m_extra;
    int m_hostFileType;
    int m_writeMode;
    int m_recordLength;
    char m_fileText[kTextLength + 1] = "";
    char m_memberText[kTextLength + 1] = "";
    int m_authority;
};
