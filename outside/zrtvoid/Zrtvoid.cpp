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

ZRT_DATA_SOURCE_LIBRARY(MakeVoid)
