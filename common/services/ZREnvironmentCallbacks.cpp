#include "ZRServiceCallbacks.h"

#include "VersionLibrary.h"
#include "ZROwnedText.h"
#include "ZRTranslate.h"

#include <cstring>

EnvironmentCallbacks g_environmentCallbacks;
// Kept by SetVersionLibrary; defined beside TranslateCodePage, which reads it on every call and so reaches it
// directly rather than through an address that the linker fills in.
const uint16_t* g_pairTables[CVersionLibrary::kCodeTables] = {};

namespace
{
constexpr unsigned char kAsciiBlank = 0x20;
constexpr unsigned char kEbcdicBlank = 0x40;

void CopyText(const std::string& text, void* destination)
{
    CopyBounded(static_cast<char*>(destination), MAX_PATH, text.c_str());
}

// Texts and numbers of the environment; without a version library the texts are empty and the root key 0.
BOOL ZRTAPI GetEnvString(int kind, void* destination)
{
    if (destination == nullptr)
        return TRUE;
    const CVersionLibrary* library = GetVersionLibrary();
    static const std::string empty;
    switch (kind)
    {
    case ZRENV_PROGRAM_FOLDER:
        CopyText(library != nullptr ? library->GetProgramFolder() : empty, destination);
        break;
    case ZRENV_PRODUCT_SHORT_NAME:
        CopyText(library != nullptr ? library->GetShortProductName() : empty, destination);
        break;
    case ZRENV_INSTALL_KEY_PATH:
        CopyText(library != nullptr ? library->GetInstallKeyPath() : empty, destination);
        break;
    case ZRENV_INSTALL_ROOT_KEY:
    {
        DWORD root = library != nullptr ? library->GetInstallRootWord() : 0;
        memcpy(destination, &root, sizeof root);
        break;
    }
    case ZRENV_HELP_FILE:
        CopyText(library != nullptr ? library->GetHelpFilePath() : empty, destination);
        break;
    case ZRENV_APPC_LANGUAGE:
        CopyText(library != nullptr ? library->GetAPPCLanguage() : empty, destination);
        break;
    default:
        break;
    }
    return TRUE;
}

// Any translation that TranslateCodePage leaves: a shorter source, overlapping buffers, no pair table; or no version
// library. The other arguments have been checked. Out of line, so that the common case stays short.
[[gnu::noinline]] BOOL TranslateAnyCase(int mode, const char* source, char* destination, WORD sourceLength,
                                        WORD* destinationLength)
{
    const CVersionLibrary* library = GetVersionLibrary();
    if (library == nullptr)
        return FALSE;
    TranslateWithTable(library->GetCodeTable(mode), library->GetPairTable(mode),
                       (mode & ZRCM_TO_EBCDIC_BIT) ? kEbcdicBlank : kAsciiBlank, source, destination, sourceLength,
                       destinationLength);
    return TRUE;
}

BOOL ZRTAPI TranslateCodePage(int mode, const char* source, char* destination, WORD sourceLength,
                              WORD* destinationLength)
{
    if (!CVersionLibrary::IsConverterMode(mode) || destinationLength == nullptr)
        return FALSE;
    // Mostly the source fills the whole destination and the two are apart: no blanks, and the count is the length
    // that *destinationLength holds already. Past the first test the source length counts no more, so the
    // destination's length stands for it where the common case fails.
    const size_t capacity = *destinationLength;
    if (source == nullptr)
        return FALSE;
    if (destination == nullptr)
        return FALSE;
    if (sourceLength < capacity)
        return TranslateAnyCase(mode, source, destination, sourceLength, destinationLength);
    if (!CanTranslateInPairs(source, destination, capacity) || !LiesOutside(destinationLength, destination, capacity))
        return TranslateAnyCase(mode, source, destination, static_cast<WORD>(capacity), destinationLength);
    const uint16_t* pairs = GetCurrentPairTable(mode);
    if (pairs == nullptr)
        return TranslateAnyCase(mode, source, destination, static_cast<WORD>(capacity), destinationLength);
    TranslateInPairs(pairs, reinterpret_cast<const unsigned char*>(source),
                     reinterpret_cast<unsigned char*>(destination), capacity);
    return TRUE;
}

int ZRTAPI GetConnectionId(int* connectionId)
{
    const CVersionLibrary* library = GetVersionLibrary();
    int id = library != nullptr ? library->GetConnectionId() : 0;
    if (connectionId != nullptr)
        *connectionId = id;
    return id;
}
}

BOOL InstallEnvironmentCallbacks(HWND notifyWindow)
{
    g_environmentCallbacks.GetEnvString = GetEnvString;
    g_environmentCallbacks.TranslateCodePage = TranslateCodePage;
    g_environmentCallbacks.GetConnectionId = GetConnectionId;
    g_environmentCallbacks.hwndNotify = notifyWindow;
    return TRUE;
}
