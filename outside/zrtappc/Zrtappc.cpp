// Zrtappc's export and entry point.
#include "SqlStandIn.h"

#include "DataSourceLibrary.h"

namespace
{
constexpr SqlStandInKind kAppc{"Zrtappc", TableSyntax::Appc};

CDataSource* MakeAppc(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    return MakeSqlDataSource(kAppc, profile, errorSink, module);
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks* options, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    return CreateDataSourceObject(MakeAppc, profile, errorSink, options, environment, functions, replace);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DataSourceProcessAttach(instance);
    else if (reason == DLL_PROCESS_DETACH)
        DataSourceProcessDetach(reserved != nullptr);
    return TRUE;
}
