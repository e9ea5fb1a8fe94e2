#include "ProgramLibraries.h"

#include "FwModule.h"
#include "FwText.h"
#include "VersionLibrary.h"
#include "ZRApi.h"
#include "ZRServiceCallbacks.h"

#include <new>
#include <string>

namespace
{
const char kHelpFileName[] = "\\Zrthelp.hlp";
}

const char CProgramLibraries::kVersionLibraryName[] = "Zrtver.dll";
const char CProgramLibraries::kManagerName[] = "Zrtmgr.dll";

bool CProgramLibraries::LoadVersionLibrary(const char* programFolder)
{
    CVersionLibrary* library = new (std::nothrow) CVersionLibrary(kHelpFileName, programFolder);
    if (!library || library->GetStatus() != ZRVL_READY)
    {
        delete library;
        SetVersionLibrary(nullptr);
        return false;
    }
    SetVersionLibrary(library);
    FwSetHelpFile(library->GetHelpFilePath());
    return true;
}

void CProgramLibraries::LoadLanguageLibrary(const char* programName)
{
    const CVersionLibrary& library = *GetVersionLibrary();
    std::string path = library.GetProgramFolder() +
                       FwFormat("\\%s%s.dll", programName, library.GetUILanguage().c_str());
    m_languageModule.Reset(LoadLibraryA(path.c_str()));
    if (m_languageModule)
    {
        FwSetResourceModule(m_languageModule.Get());
    }
}

void CProgramLibraries::ShareReadingOrder() const
{
    if (CVersionLibrary* library = GetVersionLibrary())
    {
        g_environmentCallbacks.rightToLeft = library->IsRightToLeft();
        g_environmentCallbacks.hdcReorder = library->GetReorderDC();
    }
}

CProgramLibraries::ManagerLoad CProgramLibraries::LoadManager()
{
    std::string path = GetVersionLibrary()->GetProgramFolder() + "\\" + kManagerName;
    m_managerModule.Reset(LoadLibraryA(path.c_str()));
    if (!m_managerModule)
    {
        return ManagerLoad::CannotLoad;
    }
    m_managerFactory = reinterpret_cast<ZRTCreateManagerProc>(
        reinterpret_cast<void*>(GetProcAddress(m_managerModule.Get(), ZRT_CREATE_OBJECT_EXPORT)));
    return m_managerFactory ? ManagerLoad::Loaded : ManagerLoad::NoFactory;
}

void CProgramLibraries::FreeAll()
{
    if (m_languageModule)
    {
        FwSetResourceModule(nullptr);
        m_languageModule.Reset();
    }
    delete GetVersionLibrary();
    SetVersionLibrary(nullptr);
    m_managerFactory = nullptr;
    m_managerModule.Reset();
}
