// CZROptions: the program's global options, kept in the registry under the "ZRT" subkey of the installation key.
#pragma once

#include <windows.h>

#include "ZROptionIds.h"

class CVersionLibrary;

class CZROptions
{
public:
    CZROptions();

    // Ids 0, 1 and 4-7 as 32-bit integers, id 2 as a text of up to 259 characters; 0 for any other id.
    BOOL SetValue(int id, const void* source);
    BOOL GetValue(int id, void* destination) const;
    // 4, the text length + 1 for id 2, or -1 for any other id.
    int GetSize(int id) const;

    // Reads every option from the registry; a missing or unusable value takes its fallback and marks the options
    // modified. Never fails.
    BOOL Read(const CVersionLibrary& versionLibrary);
    // Writes every option, creating the key when it is missing; 0 at the first value that cannot be written.
    BOOL Write(const CVersionLibrary& versionLibrary) const;

    BOOL IsModified() const { return m_modified; }
    void SetModified(BOOL modified) { m_modified = modified; }

private:
    DWORD* NumberSlot(int id);
    const DWORD* NumberSlot(int id) const;

    DWORD m_timeoutDDS;
    DWORD m_timeoutSendKey;
    char m_defaultDirectory[MAX_PATH];
    DWORD m_removeBlanks;
    DWORD m_confirmCreating;
    DWORD m_confirmReplacing;
    DWORD m_decimalCharIsDot;
    bool m_modified;
};
