// Zrtrawfile's export and entry point.
#include "RawFileDataSource.h"
#include "RawFileStrings.h"

#include "DataSourceLibrary.h"
#include <ReportError.h>

#include <new>

namespace
{
CDataSource* MakeRawFile(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return nullptr;
    if (direction != ZRDIR_HOST_TO_PC && direction != ZRDIR_PC_TO_HOST)
    {
        ReportError("Zrtrawfile", __LINE__, errorSink, module, IDS_RAW_DIRECTION, direction);
        return nullptr;
    }
    return new (std::nothrow) CRawFileDataSource(direction == ZRDIR_HOST_TO_PC);
}
}

ZRT_DATA_SOURCE_LIBRARY(MakeRawFile)
