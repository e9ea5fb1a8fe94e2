// CProgramLibraries: the libraries that both programs load at start-up and free at exit: the version library
// (Zrtver.dll), the program's language library and the transfer manager (Zrtmgr.dll). Nothing here reports: each
// program reports a failure with its own message and code.
#pragma once

#include "OwnedHandles.h"
#include "ZRManagerTable.h"

#include <windows.h>

class CProgramLibraries
{
public:
    // The file names that the programs' messages name.
    static const char kVersionLibraryName[];
    static const char kManagerName[];

    enum class ManagerLoad
    {
        Loaded,
        CannotLoad,
        NoFactory,  // the library lacks its create function: it is corrupted
    };

    CProgramLibraries() = default;
    CProgramLibraries(const CProgramLibraries&) = delete;
    CProgramLibraries& operator=(const CProgramLibraries&) = delete;

    // The version library of `programFolder` (null: the program file's folder) becomes the program's, and its help
    // file the program's help file; false when it cannot be loaded.
    bool LoadVersionLibrary(const char* programFolder);
    // "<program folder>\<programName><UI language>.dll" becomes the resource module when it loads; without it the
    // program's own resources serve.
    void LoadLanguageLibrary(const char* programName);
    // Hands the version library's reading order to the environment table.
    void ShareReadingOrder() const;
    // The manager library of the program folder and its create function.
    ManagerLoad LoadManager();
    ZRTCreateManagerProc GetManagerFactory() const { return m_managerFactory; }
    // Frees the language library, the version library and the manager library.
    void FreeAll();

private:
    OwnedModule m_languageModule;
    OwnedModule m_managerModule;
    ZRTCreateManagerProc m_managerFactory = nullptr;
};
