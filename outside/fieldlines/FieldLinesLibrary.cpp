// Export and entry point of Zrtfieldspec.dll.
#include "FieldLinesDataSource.h"
#include "FieldLinesStrings.h"

#include "DataSourceLibrary.h"
#include <ReportError.h>

#include <new>

namespace
{
CDataSource* MakeFieldLines(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return nullptr;
    if (direction != ZRDIR_HOST_TO_PC && direction != ZRDIR_PC_TO_HOST)
    {
        ReportError("Zrtfieldspec", __LINE__, errorSink, module, IDS_FMT_DIRECTION, direction);
        return nullptr;
    }
    return new (std::nothrow) CFieldLinesDataSource(direction == ZRDIR_HOST_TO_PC);
}
}

ZRT_DATA_SOURCE_LIBRARY(MakeFieldLines)
