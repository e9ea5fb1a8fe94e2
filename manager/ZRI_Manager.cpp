// Zrtmgr's export and entry point: the factory makes the one manager object, its table and its worker thread.
#include "ZRManagerModule.h"
#include "ZRManagerStrings.h"

#include <ReportError.h>

#include <new>

HMODULE g_managerModule = nullptr;
CZRManager* g_manager = nullptr;

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                       ZRMFunctions** functions)
{
    if (!functions)
        return FALSE;
    *functions = nullptr;
    if (!profile || !errorSink || !options || !environment)
        return FALSE;
    // A manager still present is released first; its thread and libraries would be lost otherwise.
    ReleaseManager();

    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return FALSE;
    CZRManager* manager = nullptr;
    if (direction == ZRDIR_HOST_TO_PC)
        manager = new (std::nothrow) CZRManagerHostToPc(profile, errorSink, options, environment);
    else if (direction == ZRDIR_PC_TO_HOST)
        manager = new (std::nothrow) CZRManagerPcToHost(profile, errorSink, options, environment);
    else
    {
        ReportError(ZRM_SOURCE_INTERNAL, __LINE__, errorSink, g_managerModule, IDS_ZRM002);
        return FALSE;
    }
    if (!manager)
    {
        ReportError(ZRM_SOURCE_INTERNAL, __LINE__, errorSink, g_managerModule, IDS_ZRM001);
        return FALSE;
    }
    g_manager = manager;
    FillManagerFunctions();
    *functions = &g_managerFunctions;
    manager->ReadMessageNumber();
    // A failed start leaves object and table in place: the program releases them.
    return StartManagerThread(errorSink);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_managerModule = instance;
    else if (reason == DLL_PROCESS_DETACH)
    {
        // The worker is not stopped here: no thread may be waited for while the loader lock is held.
        delete g_manager;
        g_manager = nullptr;
    }
    return TRUE;
}
