// Zrtpcfile.dll: the PC-file data sources, reached through ZRTCreateObject.
#include "DataSourceLibrary.h"
#include "ZRI_DSInternal.h"

#include <type_traits>

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    return CreateDataSourceObject(CreatePcFileDataSource, profile, errorSink, options, environment, functions,
                                  replace);
}

static_assert(std::is_same_v<decltype(ZRTCreateObject), ZRTCreateDataSourceFn>);

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DataSourceProcessAttach(instance);
    else if (reason == DLL_PROCESS_DETACH)
        DataSourceProcessDetach(reserved != nullptr);
    return TRUE;
}
