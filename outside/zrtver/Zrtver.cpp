// The twelve entries of the version library.
#include <windows.h>

#include <cstring>
#include <iterator>

#include "CodePage037.h"
#include "FileData.h"
#include "InstallationKey.h"
#include "ZrtverTexts.h"

namespace
{

HMODULE g_module = nullptr;

// The files of the installation that the support record names; the code-table file is at kCodeTableIndex.
constexpr const char* kSupportFiles[] = {"ZRTVER.DLL", "ZRT850.TBL"};
constexpr int kSupportFileCount = static_cast<int>(std::size(kSupportFiles));
constexpr int kCodeTableIndex = 1;
constexpr int kSupportRecordSize = 136;
constexpr int kSupportNameSize = 13;
constexpr int kSupportNamesOffset = 8;
static_assert(kSupportNamesOffset + kSupportFileCount * kSupportNameSize <= kSupportRecordSize);

const int kConnectionId = 1;

void LoadText(UINT id, char* text, int size)
{
    if (size <= 0)
        return;
    if (LoadStringA(g_module, id, text, size) <= 0)
        text[0] = '\0';
}

}

extern "C"
{
    BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
    {
        if (reason == DLL_PROCESS_ATTACH)
            g_module = instance;
        return TRUE;
    }

    // The entries that build strings end in no key and no texts when memory runs out: nothing may throw to the caller.
    void WINAPI GetInstallationRegistryKey(char* path, DWORD* rootKey, int size)
    {
        HKEY root = nullptr;
        try
        {
            root = FindInstallationKey(path, size);
        }
        catch (...)
        {
            if (size > 0)
                path[0] = '\0';
        }
        // A predefined root key is a 32-bit value (sign-extended in a 64-bit HKEY): the word keeps its low half.
        *rootKey = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(root));
    }

    void WINAPI GetCopyright(char* text, int size)
    {
        LoadText(IDS_COPYRIGHT, text, size);
    }

    void WINAPI GetProductVersion(char* text, int size)
    {
        LoadText(IDS_PRODUCT_VERSION, text, size);
    }

    void WINAPI GetUILanguage(char* text)
    {
        // No resource library: the programs run with their own resources.
        text[0] = '\0';
    }

    void WINAPI GetProductName(char* text, int size)
    {
        LoadText(IDS_PRODUCT_NAME, text, size);
    }

    void WINAPI GetGenericCaption(char* text, int size)
    {
        LoadText(IDS_GENERIC_CAPTION, text, size);
    }

    void WINAPI GetFileData(const char* modulePath, char* version, char* description)
    {
        try
        {
            ReadFileData(modulePath, version, description);
        }
        catch (...)
        {
            version[0] = '\0';
            description[0] = '\0';
        }
    }

    void WINAPI GetSupportData(int, unsigned char* record)
    {
        std::memcpy(record, &kSupportFileCount, sizeof kSupportFileCount);
        std::memcpy(record + 4, &kCodeTableIndex, sizeof kCodeTableIndex);
        for (int i = 0; i < kSupportFileCount; ++i)
        {
            unsigned char* name = record + kSupportNamesOffset + i * kSupportNameSize;
            lstrcpynA(reinterpret_cast<char*>(name), kSupportFiles[i], kSupportNameSize);
        }
    }

    void WINAPI GetANSItoEBCDICtable(int, DWORD* table)
    {
        for (int ebcdic = 0; ebcdic < 256; ++ebcdic)
            table[g_ebcdic037ToLatin1[ebcdic]] = static_cast<DWORD>(ebcdic);
    }

    void WINAPI GetEBCDICtoANSItable(int, DWORD* table)
    {
        for (int ebcdic = 0; ebcdic < 256; ++ebcdic)
            table[ebcdic] = g_ebcdic037ToLatin1[ebcdic];
    }

    int WINAPI GetConnectionID()
    {
        return kConnectionId;
    }

    void WINAPI GetAPPCLanguage(int, char* locale, char* codePage, char* language)
    {
        LoadText(IDS_APPC_LOCALE, locale, 12);
        LoadText(IDS_APPC_CODE_PAGE, codePage, 12);
        LoadText(IDS_APPC_LANGUAGE, language, 12);
    }
}
