#include "VersionLibrary.h"

#include <cstring>
#include <new>
#include <type_traits>

#include "CodeTableFile.h"
#include "PathUtilities.h"
#include "RegistryKey.h"
#include "ZRResourceIds.h"
#include "ZRCallerTables.h"

namespace
{

const char kLibraryFileName[] = "ZRTVER.DLL";
const char kHelpPathValue[] = "HelpPath";
// Every text handed out fits a MAX_PATH buffer with its terminating zero.
const size_t kMaxText = MAX_PATH - 1;

std::string JoinPath(const std::string& folder, const char* name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

// Whether `folder` itself (not the system's search path) holds `name`.
bool SearchFolder(const std::string& folder, const char* name)
{
    char path[MAX_PATH];
    char* filePart = nullptr;
    const std::string searchFolder = !folder.empty() && folder.back() == ':' ? folder + "\\" : folder;
    DWORD length = SearchPathA(searchFolder.c_str(), name, nullptr, MAX_PATH, path, &filePart);
    return length > 0 && length < MAX_PATH;
}

// The program folder, or its parent, whichever holds `name` first; empty when neither does.
std::string FindInProgramFolderOrParent(const std::string& programFolder, const char* name)
{
    if (SearchFolder(programFolder, name))
        return programFolder;
    const std::string parent = GetDirectoryOfPath(programFolder.c_str());
    if (!parent.empty() && SearchFolder(parent, name))
        return parent;
    return std::string();
}

// A text from a fixed buffer that the entry may have filled to the last byte.
std::string TextOf(char* buffer, int size)
{
    buffer[size - 1] = '\0';
    return std::string(buffer);
}

bool LoadProgramString(UINT id, std::string& text)
{
    char buffer[MAX_PATH];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    if (length <= 0)
        return false;
    text.assign(buffer, length);
    return true;
}

}

CVersionLibrary::CVersionLibrary(const char* helpFileName, const char* programFolder) : m_helpFileName(helpFileName)
{
    bool ready = FindProgramFolder(programFolder) && LoadLibraryFile() && LookUpEntries() && ReadInstallationKey() &&
                 ReadProductNames();
    if (ready)
    {
        ReadTexts();
        FindHelpFile();
        ready = ReadANSITables() && ReadASCIITables();
    }
    if (ready)
    {
        CheckRightToLeft();
        ReadAPPCLanguage();
    }
    m_status = ready ? ZRVL_READY : ZRVL_FAILED;
    BuildPairTables();
}

bool CVersionLibrary::FindProgramFolder(const char* programFolder)
{
    if (programFolder != nullptr)
    {
        m_programFolder = programFolder;
        return m_programFolder.size() <= kMaxText;
    }
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const char* lastBackslash = std::strrchr(path, '\\');
    if (lastBackslash == nullptr)
        return false;
    m_programFolder.assign(path, static_cast<size_t>(lastBackslash - path));
    return true;
}

bool CVersionLibrary::LoadLibraryFile()
{
    m_libraryFolder = FindInProgramFolderOrParent(m_programFolder, kLibraryFileName);
    if (m_libraryFolder.empty())
        return false;
    m_library.Reset(LoadLibraryA(JoinPath(m_libraryFolder, kLibraryFileName).c_str()));
    return m_library.IsValid();
}

bool CVersionLibrary::LookUpEntries()
{
    auto entry = [this](auto& slot, const char* name) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
            reinterpret_cast<void*>(GetProcAddress(m_library.Get(), name)));
        return slot != nullptr;
    };
    // The two table entries are required only when the tables are built.
    entry(m_entries.getANSItoEBCDICtable, "GetANSItoEBCDICtable");
    entry(m_entries.getEBCDICtoANSItable, "GetEBCDICtoANSItable");
    return entry(m_entries.getInstallationRegistryKey, "GetInstallationRegistryKey") &&
           entry(m_entries.getCopyright, "GetCopyright") && entry(m_entries.getProductVersion, "GetProductVersion") &&
           entry(m_entries.getUILanguage, "GetUILanguage") && entry(m_entries.getProductName, "GetProductName") &&
           entry(m_entries.getGenericCaption, "GetGenericCaption") && entry(m_entries.getFileData, "GetFileData") &&
           entry(m_entries.getSupportData, "GetSupportData") && entry(m_entries.getConnectionID, "GetConnectionID") &&
           entry(m_entries.getAPPCLanguage, "GetAPPCLanguage");
}

bool CVersionLibrary::ReadInstallationKey()
{
    char path[kZrtverKeyPathSize] = {};
    DWORD root = 0;
    m_entries.getInstallationRegistryKey(path, &root, kZrtverKeyPathSize);
    m_installKeyPath = TextOf(path, kZrtverKeyPathSize);
    m_installRoot = root;
    return root != 0;
}

bool CVersionLibrary::ReadProductNames()
{
    return LoadProgramString(IDS_ZR_PRODUCT_LONG_NAME, m_longProductName) &&
           LoadProgramString(IDS_ZR_PRODUCT_SHORT_NAME, m_shortProductName);
}

void CVersionLibrary::ReadTexts()
{
    char text[kZrtverTextSize] = {};
    m_entries.getCopyright(text, kZrtverTextSize);
    m_copyright = TextOf(text, kZrtverTextSize);

    char version[kZrtverVersionSize] = {};
    m_entries.getProductVersion(version, kZrtverVersionSize);
    m_version = TextOf(version, kZrtverVersionSize);

    std::memset(text, 0, sizeof text);
    m_entries.getUILanguage(text);
    m_uiLanguage = TextOf(text, kZrtverTextSize);

    std::memset(text, 0, sizeof text);
    m_entries.getProductName(text, kZrtverTextSize);
    m_productName = TextOf(text, kZrtverTextSize);

    std::memset(text, 0, sizeof text);
    m_entries.getGenericCaption(text, kZrtverTextSize);
    m_genericCaption = TextOf(text, kZrtverTextSize);
}

void CVersionLibrary::FindHelpFile()
{
    CRegistryKey key(m_installKeyPath.c_str(), GetInstallRootKey(), ZRRK_READ_ONLY);
    std::string folder;
    if (!key.IsOpen() || !key.GetString(folder, kHelpPathValue) || folder.size() + m_helpFileName.size() > kMaxText)
        folder = m_programFolder;
    m_helpFilePath = folder + m_helpFileName;
    if (m_helpFilePath.size() > kMaxText)
        m_helpFilePath.clear();
}

bool CVersionLibrary::ReadANSITables()
{
    if (m_entries.getANSItoEBCDICtable == nullptr || m_entries.getEBCDICtoANSItable == nullptr)
        return false;
    DWORD words[256] = {};
    m_entries.getANSItoEBCDICtable(0, words);
    for (int i = 0; i < 256; ++i)
        m_tables[ZRCM_ANSI_TO_EBCDIC][i] = static_cast<unsigned char>(words[i] & 0xFF);
    std::memset(words, 0, sizeof words);
    m_entries.getEBCDICtoANSItable(0, words);
    for (int i = 0; i < 256; ++i)
        m_tables[ZRCM_EBCDIC_TO_ANSI][i] = static_cast<unsigned char>(words[i] & 0xFF);
    return true;
}

bool CVersionLibrary::ReadASCIITables()
{
    unsigned char record[kZrtverSupportRecordSize] = {};
    m_entries.getSupportData(0, record);
    int index = 0;
    std::memcpy(&index, record + kZrtverSupportIndexOffset, sizeof index);
    if (index < 0 || index >= kZrtverSupportNameCount)
        return false;
    char name[kZrtverSupportNameSize + 1] = {};
    std::memcpy(name, record + kZrtverSupportNamesOffset + index * kZrtverSupportNameSize, kZrtverSupportNameSize);
    if (name[0] == '\0')
        return false;

    const std::string folder = FindInProgramFolderOrParent(m_programFolder, name);
    if (folder.empty())
        return false;
    return ReadCodeTableFile(JoinPath(folder, name).c_str(), m_tables[ZRCM_ASCII_TO_EBCDIC],
                             m_tables[ZRCM_EBCDIC_TO_ASCII]);
}

// Whatever the status, the pair tables follow the code tables as they were read.
void CVersionLibrary::BuildPairTables()
{
    m_pairMemory.reset(new (std::nothrow) uint16_t[kCodeTables * kPairTableSize]);
    if (m_pairMemory == nullptr)
        return;
    for (int mode = 0; mode < kCodeTables; ++mode)
    {
        uint16_t* pairs = m_pairMemory.get() + mode * kPairTableSize;
        BuildPairTable(m_tables[mode], pairs);
        m_pairTables[mode] = pairs;
    }
}

void CVersionLibrary::CheckRightToLeft()
{
    LANGID language = GetUserDefaultLangID();
    if (language == 0)
        language = GetSystemDefaultLangID();
    if (PRIMARYLANGID(language) != LANG_HEBREW)
        return;
    m_reorderDC = WindowDC(GetDesktopWindow());
    m_rightToLeft = m_reorderDC && (GetFontLanguageInfo(m_reorderDC.Get()) & GCP_REORDER) != 0;
}

void CVersionLibrary::ReadAPPCLanguage()
{
    char first[kZrtverAPPCTextSize] = {};
    char second[kZrtverAPPCTextSize] = {};
    char language[kZrtverAPPCTextSize] = {};
    m_entries.getAPPCLanguage(0, first, second, language);
    m_appcLanguage = TextOf(language, kZrtverAPPCTextSize);
}

HKEY CVersionLibrary::GetInstallRootKey() const
{
    return RootKeyFromWord(m_installRoot);
}

BOOL CVersionLibrary::GetFileData(const char* modulePath, char* version, char* description) const
{
    if (m_status != ZRVL_READY || m_entries.getFileData == nullptr)
        return FALSE;
    m_entries.getFileData(modulePath, version, description);
    return TRUE;
}

int CVersionLibrary::GetConnectionId() const
{
    return m_entries.getConnectionID != nullptr ? m_entries.getConnectionID() : 0;
}

CVersionLibrary* g_versionLibrary = nullptr;

void SetVersionLibrary(CVersionLibrary* library)
{
    g_versionLibrary = library;
    for (int mode = 0; mode < CVersionLibrary::kCodeTables; ++mode)
        g_pairTables[mode] = library != nullptr ? library->GetPairTable(mode) : nullptr;
}
