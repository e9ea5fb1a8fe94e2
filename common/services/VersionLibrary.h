// CVersionLibrary: finds and loads the outside version library Zrtver, calls each of its entries once and keeps
// the results for the whole program. Every text it hands out fits a MAX_PATH buffer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "OwnedHandles.h"
#include "ZRTranslate.h"
#include "ZrtverEntries.h"

enum VersionLibraryStatus
{
    ZRVL_READY = 1,
    ZRVL_FAILED = 2,
};

class CVersionLibrary
{
public:
    // One code table for each ConverterMode.
    static constexpr int kCodeTables = 4;

    // `helpFileName` is appended to the help folder, e.g. "\Zrthelp.hlp". The program folder is the folder of the
    // program file unless `programFolder` names one.
    explicit CVersionLibrary(const char* helpFileName, const char* programFolder = nullptr);
    CVersionLibrary(const CVersionLibrary&) = delete;
    CVersionLibrary& operator=(const CVersionLibrary&) = delete;

    int GetStatus() const { return m_status; }
    const std::string& GetProgramFolder() const { return m_programFolder; }
    const std::string& GetLibraryFolder() const { return m_libraryFolder; }
    const std::string& GetInstallKeyPath() const { return m_installKeyPath; }
    DWORD GetInstallRootWord() const { return m_installRoot; }
    HKEY GetInstallRootKey() const;
    const std::string& GetLongProductName() const { return m_longProductName; }
    const std::string& GetShortProductName() const { return m_shortProductName; }
    const std::string& GetVersion() const { return m_version; }
    const std::string& GetCopyright() const { return m_copyright; }
    const std::string& GetUILanguage() const { return m_uiLanguage; }
    const std::string& GetProductName() const { return m_productName; }
    const std::string& GetGenericCaption() const { return m_genericCaption; }
    const std::string& GetHelpFilePath() const { return m_helpFilePath; }
    const std::string& GetHelpFileName() const { return m_helpFileName; }
    // Whether `mode` is a ConverterMode (0-3), one with a code table.
    static bool IsConverterMode(int mode) { return mode >= 0 && mode < kCodeTables; }
    // The 256-byte table of a ConverterMode (0-3), or null for another mode.
    const unsigned char* GetCodeTable(int mode) const { return IsConverterMode(mode) ? m_tables[mode] : nullptr; }
    // The pair table (kPairTableSize entries) made from the code table of a ConverterMode (0-3), or null when there
    // was no memory for the pair tables.
    const uint16_t* GetPairTable(int mode) const { return m_pairTables[mode]; }
    BOOL IsRightToLeft() const { return m_rightToLeft; }
    HDC GetReorderDC() const { return m_reorderDC.Get(); }
    const std::string& GetAPPCLanguage() const { return m_appcLanguage; }

    // Zrtver's version (16 bytes) and description (64 bytes) texts of a module file; 1 while the status is ready.
    BOOL GetFileData(const char* modulePath, char* version, char* description) const;
    int GetConnectionId() const;

private:
    struct Entries
    {
        ZrtverGetInstallationRegistryKey getInstallationRegistryKey;
        ZrtverGetText getCopyright;
        ZrtverGetText getProductVersion;
        ZrtverGetUILanguage getUILanguage;
        ZrtverGetText getProductName;
        ZrtverGetText getGenericCaption;
        ZrtverGetFileData getFileData;
        ZrtverGetSupportData getSupportData;
        ZrtverGetTable getANSItoEBCDICtable;
        ZrtverGetTable getEBCDICtoANSItable;
        ZrtverGetConnectionID getConnectionID;
        ZrtverGetAPPCLanguage getAPPCLanguage;
    };

    bool FindProgramFolder(const char* programFolder);
    bool LoadLibraryFile();
    bool LookUpEntries();
    bool ReadInstallationKey();
    bool ReadProductNames();
    void ReadTexts();
    void FindHelpFile();
    bool ReadANSITables();
    bool ReadASCIITables();
    void BuildPairTables();
    void CheckRightToLeft();
    void ReadAPPCLanguage();

    std::string m_programFolder;
    std::string m_libraryFolder;
    std::string m_installKeyPath;
    DWORD m_installRoot = 0;
    std::string m_longProductName;
    std::string m_shortProductName;
    std::string m_version;
    std::string m_copyright;
    std::string m_uiLanguage;
    std::string m_productName;
    std::string m_genericCaption;
    std::string m_helpFilePath;
    std::string m_helpFileName;
    unsigned char m_tables[kCodeTables][256] = {};
    std::unique_ptr<uint16_t[]> m_pairMemory;
    const uint16_t* m_pairTables[kCodeTables] = {};
    bool m_rightToLeft = false;
    WindowDC m_reorderDC;
    std::string m_appcLanguage;
    int m_status = ZRVL_READY;
    OwnedModule m_library;
    Entries m_entries = {};
};

// The program's one wrapper, or null when none is loaded.
extern CVersionLibrary* g_versionLibrary;
inline CVersionLibrary* GetVersionLibrary()
{
    return g_versionLibrary;
}
void SetVersionLibrary(CVersionLibrary* library);

// The pair tables of the program's wrapper by ConverterMode (0-3), kept beside it by SetVersionLibrary; null while
// no wrapper is loaded or it has no pair tables.
extern const uint16_t* g_pairTables[CVersionLibrary::kCodeTables];
inline const uint16_t* GetCurrentPairTable(int mode)
{
    return g_pairTables[mode];
}
