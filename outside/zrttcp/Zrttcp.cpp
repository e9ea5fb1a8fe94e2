// Zrttcp's export and entry point.
#include "SqlStandIn.h"

#include "DataSourceLibrary.h"

namespace
{
constexpr SqlStandInKind kTcpip{"Zrttcp", TableSyntax::Tcpip};

CDataSource* MakeTcpip(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    return MakeSqlDataSource(kTcpip, profile, errorSink, module);
}
}

ZRT_DATA_SOURCE_LIBRARY(MakeTcpip)
