#include "ZROptions.h"

#include <cstring>
#include <string>

#include "PathUtilities.h"
#include "RegistryKey.h"
#include "VersionLibrary.h"

namespace
{

const char kOptionsSubkey[] = "ZRT";

const char kTimeoutDDSValue[] = "HLLAPI timeout DDS";
const char kTimeoutSendKeyValue[] = "HLLAPI timeout SendKey";
const char kDefaultDirectoryValue[] = "Default directory";
const char kRemoveBlanksValue[] = "Remove blanks";
const char kConfirmCreatingValue[] = "Confirm PC file creating";
const char kConfirmReplacingValue[] = "Confirm PC file replacing";
const char kDecimalCharIsDotValue[] = "Decimal char is dot";

const DWORD kTimeoutMin = 1;
const DWORD kTimeoutMax = 180;
const DWORD kTimeoutDefault = 60;
const DWORD kFlagDefault = 1;

std::string OptionsKeyPath(const CVersionLibrary& versionLibrary)
{
    return versionLibrary.GetInstallKeyPath() + "\\" + kOptionsSubkey;
}

void CopyDirectory(char* destination, const char* source)
{
    lstrcpynA(destination, source, MAX_PATH);
}

}

CZROptions::CZROptions()
    : m_timeoutDDS(kTimeoutDefault), m_timeoutSendKey(kTimeoutDefault), m_defaultDirectory(),
      m_removeBlanks(kFlagDefault), m_confirmCreating(kFlagDefault), m_confirmReplacing(kFlagDefault),
      m_decimalCharIsDot(kFlagDefault), m_modified(false)
{
}

DWORD* CZROptions::NumberSlot(int id)
{
    switch (id)
    {
    case ZRO_HLLAPI_TIMEOUT_DDS:
        return &m_timeoutDDS;
    case ZRO_HLLAPI_TIMEOUT_SENDKEY:
        return &m_timeoutSendKey;
    case ZRO_REMOVE_BLANKS:
        return &m_removeBlanks;
    case ZRO_CONFIRM_CREATING:
        return &m_confirmCreating;
    case ZRO_CONFIRM_REPLACING:
        return &m_confirmReplacing;
    case ZRO_DECIMAL_CHAR_IS_DOT:
        return &m_decimalCharIsDot;
    default:
        return nullptr;
    }
}

const DWORD* CZROptions::NumberSlot(int id) const
{
    return const_cast<CZROptions*>(this)->NumberSlot(id);
}

BOOL CZROptions::SetValue(int id, const void* source)
{
    if (id == ZRO_DEFAULT_DIRECTORY)
    {
        CopyDirectory(m_defaultDirectory, static_cast<const char*>(source));
        return TRUE;
    }
    DWORD* slot = NumberSlot(id);
    if (slot == nullptr)
        return FALSE;
    std::memcpy(slot, source, sizeof *slot);
    return TRUE;
}

BOOL CZROptions::GetValue(int id, void* destination) const
{
    if (id == ZRO_DEFAULT_DIRECTORY)
    {
        std::memcpy(destination, m_defaultDirectory, std::strlen(m_defaultDirectory) + 1);
        return TRUE;
    }
    const DWORD* slot = NumberSlot(id);
    if (slot == nullptr)
        return FALSE;
    std::memcpy(destination, slot, sizeof *slot);
    return TRUE;
}

int CZROptions::GetSize(int id) const
{
    if (id == ZRO_DEFAULT_DIRECTORY)
        return static_cast<int>(std::strlen(m_defaultDirectory) + 1);
    return NumberSlot(id) != nullptr ? static_cast<int>(sizeof(DWORD)) : -1;
}

BOOL CZROptions::Read(const CVersionLibrary& versionLibrary)
{
    CRegistryKey key(OptionsKeyPath(versionLibrary).c_str(), versionLibrary.GetInstallRootKey(), ZRRK_READ_ONLY);
    if (!key.IsOpen())
    {
        *this = CZROptions();
        m_modified = true;
        return TRUE;
    }

    auto readTimeout = [&](DWORD& timeout, const char* name) {
        DWORD value = 0;
        if (key.GetDword(value, name) && value >= kTimeoutMin && value <= kTimeoutMax)
            timeout = value;
        else
        {
            timeout = kTimeoutDefault;
            m_modified = true;
        }
    };
    auto readFlag = [&](DWORD& flag, const char* name) {
        BOOL value = FALSE;
        if (key.GetBool(value, name))
            flag = value;
        else
        {
            flag = kFlagDefault;
            m_modified = true;
        }
    };

    readTimeout(m_timeoutDDS, kTimeoutDDSValue);
    readTimeout(m_timeoutSendKey, kTimeoutSendKeyValue);
    std::string directory;
    if (key.GetString(directory, kDefaultDirectoryValue) && directory.size() < MAX_PATH &&
        EnsureDirectory(directory.c_str(), FALSE))
        CopyDirectory(m_defaultDirectory, directory.c_str());
    else
    {
        CopyDirectory(m_defaultDirectory, versionLibrary.GetProgramFolder().c_str());
        m_modified = true;
    }
    readFlag(m_removeBlanks, kRemoveBlanksValue);
    readFlag(m_confirmCreating, kConfirmCreatingValue);
    readFlag(m_confirmReplacing, kConfirmReplacingValue);
    readFlag(m_decimalCharIsDot, kDecimalCharIsDotValue);
    key.Close();
    return TRUE;
}

BOOL CZROptions::Write(const CVersionLibrary& versionLibrary) const
{
    CRegistryKey key(OptionsKeyPath(versionLibrary).c_str(), versionLibrary.GetInstallRootKey(), ZRRK_CREATE);
    if (!key.IsOpen())
        return FALSE;
    bool written = key.SetDword(m_timeoutDDS, kTimeoutDDSValue) &&
                   key.SetDword(m_timeoutSendKey, kTimeoutSendKeyValue) &&
                   key.SetString(m_defaultDirectory, kDefaultDirectoryValue) &&
                   key.SetDword(m_removeBlanks, kRemoveBlanksValue) &&
                   key.SetDword(m_confirmCreating, kConfirmCreatingValue) &&
                   key.SetDword(m_confirmReplacing, kConfirmReplacingValue) &&
                   key.SetDword(m_decimalCharIsDot, kDecimalCharIsDotValue);
    key.Close();
    return written;
}
