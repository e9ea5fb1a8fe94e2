// One transfer profile in memory, and the reader and writer of its file.
#pragma once

#include "ZRPcRequest.h"
#include "ZRProfileGroups.h"
#include "ZRRequestPart.h"

class CZRIniFile;

class CZRProfile
{
public:
    // A new profile: character set EBCDIC to ANSI (host to PC) or ANSI to EBCDIC, auto close on, no request parts.
    CZRProfile(int connectionType, int hostType, int direction, int transferType);
    // A profile to be read from `fileName`: every general value 0 except auto close 1.
    explicit CZRProfile(const char* fileName);
    CZRProfile(const CZRProfile&) = delete;
    CZRProfile& operator=(const CZRProfile&) = delete;
    // Deletes the request parts; a current profile stops being current.
    virtual ~CZRProfile();

    // Makes the host part that the profile's kind and values call for, in place of the old one.
    virtual BOOL CreateHostRequest() = 0;
    // Whether the parameter matters for the profile's values (asked for the ids the kind names).
    virtual BOOL IsParameterUsed(int id) = 0;
    // Sets the parameters that do not matter to their neutral values; run before writing.
    virtual void ResetUnusedParameters() = 0;

    BOOL SetFileName(const char* fileName);
    const char* GetFileName() const { return m_fileName; }
    // Opens the file for reading and writing, unshared, and closes it; reports the failure.
    BOOL CheckFileAccess();
    // Reads the "General" section, then makes and reads both request parts. The notification texts are not stored.
    BOOL Read();
    // Writes the profile beside its file and then puts it in the file's place, so that a failure leaves the old file
    // as it was. Fails without a message (the caller reports). The caller clears the modified flag.
    BOOL Write();
    // Makes the PC part for the direction, in place of the old one.
    BOOL CreatePcRequest();

    CZRGeneralParams& General() { return m_general; }
    const CZRGeneralParams& General() const { return m_general; }
    CZRNotifyParams& Notify() { return m_notify; }
    CZRParamGroup400& Group400() { return m_group400; }
    CZRHostBrowseParams& Browse() { return m_browse; }
    CZRRequestPart* HostRequest() const { return m_hostRequest; }
    CZRPcRequest* PcRequest() const { return m_pcRequest; }

    BOOL IsModified() const { return m_modified; }
    void SetModified(BOOL modified) { m_modified = modified; }

protected:
    // Takes ownership of `part` (deleting the old host part); reports the failure when `part` is null.
    BOOL SetHostRequest(CZRRequestPart* part, const char* source);
    // "General" keys of the reading order; the first failing key stops the section.
    BOOL ReadGeneralSection(const CZRIniFile& ini);
    BOOL WriteGeneralSection(const CZRIniFile& ini) const;

private:
    // Writes every section into `fileName`.
    BOOL WriteSections(const char* fileName);

    CZRGeneralParams m_general;
    CZRNotifyParams m_notify;
    CZRParamGroup400 m_group400;
    CZRRequestPart* m_hostRequest = nullptr;
    CZRPcRequest* m_pcRequest = nullptr;
    CZRHostBrowseParams m_browse;
    char m_fileName[MAX_PATH] = "";
    bool m_modified = false;
};
