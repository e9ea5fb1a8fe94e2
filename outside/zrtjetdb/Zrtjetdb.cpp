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

ZRT_DATA_SOURCE_LIBRARY(MakeJetDb)
