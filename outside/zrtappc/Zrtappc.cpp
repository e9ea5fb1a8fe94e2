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

ZRT_DATA_SOURCE_LIBRARY(MakeAppc)
