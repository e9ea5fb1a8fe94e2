// Zrtjetdb's export and entry point.
#include "JetDbDataSource.h"

#include "DataSourceLibrary.h"

#include <new>

namespace
{
CDataSource* MakeJetDb(const ProfileCallbacks*, const ErrorSinkFunctions*, HMODULE)
{
    return new (std::nothrow) CJetDbDataSource();
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    return CreateDataSourceObject(MakeJetDb, profile, errorSink, options, environment, functions, replace);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DataSourceProcessAttach(instance);
    else if (reason == DLL_PROCESS_DETACH)
        DataSourceProcessDetach(reserved != nullptr);
    return TRUE;
}
