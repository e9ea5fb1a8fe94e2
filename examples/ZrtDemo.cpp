// Loads the version library as the programs do at start-up, reads the global options and prints both.
#include <windows.h>

#include <cstdio>

#include "VersionLibrary.h"
#include "ZRCallerTables.h"
#include "ZROptions.h"

namespace
{

const char* RootName(HKEY root)
{
    if (root == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (root == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_USERS)
        return "HKEY_USERS";
    return "?";
}

void PrintTexts(const CVersionLibrary& library)
{
    std::printf("%s%s %s\n", library.GetGenericCaption().c_str(), library.GetLongProductName().c_str(),
                library.GetVersion().c_str());
    std::printf("%s\n\n", library.GetCopyright().c_str());
    std::printf("Product name      %s\n", library.GetProductName().c_str());
    std::printf("Short name        %s\n", library.GetShortProductName().c_str());
    std::printf("Version library   %s\\Zrtver.dll\n", library.GetLibraryFolder().c_str());
    std::printf("Program folder    %s\n", library.GetProgramFolder().c_str());
    std::printf("Installation key  %s\\%s\n", RootName(library.GetInstallRootKey()),
                library.GetInstallKeyPath().c_str());
    std::printf("Help file         %s\n", library.GetHelpFilePath().c_str());
    std::printf("APPC language     %s\n", library.GetAPPCLanguage().c_str());
    const unsigned char* toEbcdic = library.GetCodeTable(ZRCM_ANSI_TO_EBCDIC);
    std::printf("\"ZRT\" in EBCDIC   %02X %02X %02X\n\n", toEbcdic['Z'], toEbcdic['R'], toEbcdic['T']);
}

void PrintOptions(const CZROptions& options)
{
    const struct
    {
        int id;
        const char* name;
    } numbers[] = {{ZRO_HLLAPI_TIMEOUT_DDS, "HLLAPI timeout DDS"},
                   {ZRO_HLLAPI_TIMEOUT_SENDKEY, "HLLAPI timeout SendKey"},
                   {ZRO_REMOVE_BLANKS, "Remove blanks"},
                   {ZRO_CONFIRM_CREATING, "Confirm PC file creating"},
                   {ZRO_CONFIRM_REPLACING, "Confirm PC file replacing"},
                   {ZRO_DECIMAL_CHAR_IS_DOT, "Decimal char is dot"}};
    for (const auto& number : numbers)
    {
        DWORD value = 0;
        options.GetValue(number.id, &value);
        std::printf("  %-26s %lu\n", number.name, value);
    }
    char folder[MAX_PATH] = {};
    options.GetValue(ZRO_DEFAULT_DIRECTORY, folder);
    std::printf("  %-26s %s\n", "Default directory", folder);
}

}

int main()
{
    CVersionLibrary library("\\Zrthelp.hlp");
    if (library.GetStatus() != ZRVL_READY)
    {
        std::printf("Unable to load Zrtver.dll: it or its code-table file is missing or damaged.\n");
        return 1;
    }
    PrintTexts(library);

    CZROptions options;
    options.Read(library);
    std::printf("Options under %s\\%s\\ZRT:\n", RootName(library.GetInstallRootKey()),
                library.GetInstallKeyPath().c_str());
    PrintOptions(options);
    if (options.IsModified())
    {
        if (!options.Write(library))
        {
            std::printf("Unable to save options in the registry.\n");
            return 1;
        }
        std::printf("Missing or unusable options were written back with these values.\n");
    }
    return 0;
}
