// Zrtvoid's export and entry point.
#include "VoidDataSource.h"

#include "DataSourceLibrary.h"

#include <new>

namespace
{
CDataSource* MakeVoid(const ProfileCallbacks* profile, const ErrorSinkFunctions*, HMODULE)
{
    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return nullptr;
    return new (std::nothrow) CVoidDataSource(direction == ZRDIR_HOST_TO_PC);
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    return CreateDataSourceObject(MakeVoid, profile, errorSink, options, environment, functions, replace);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DataSourceProcessAttach(instance);
    else if (reason == DLL_PROCESS_DETACH)
        DataSourceProcessDetach(reserved != nullptr);
    return TRUE;
}
