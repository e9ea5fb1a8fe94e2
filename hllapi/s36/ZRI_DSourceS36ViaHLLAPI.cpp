// Zrts36.dll: the factory export and the library's entry point.
#include "DSS36ViaHLLAPI.h"
#include "DataSourceLibrary.h"
#include "ReportError.h"
#include "S36Messages.h"

#include <new>

namespace
{
constexpr char kReportSource[] = "ZRI_DSourceS36ViaHLLAPI";

CDataSource* CreateS36DataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction))
        return nullptr;
    CDataSource* created;
    if (direction == ZRDIR_HOST_TO_PC)
    {
        created = new (std::nothrow) CDSS36ViaHLLAPISource;
    }
    else if (direction == ZRDIR_PC_TO_HOST)
    {
        created = new (std::nothrow) CDSS36ViaHLLAPITarget;
    }
    else
    {
        ReportError(kReportSource, __LINE__, errorSink, module, IDS_S36_BAD_DIRECTION);
        return nullptr;
    }
    if (!created)
        ReportError(kReportSource, __LINE__, errorSink, module, IDS_S36_NO_OBJECT_MEMORY);
    return created;
}
}

ZRT_DATA_SOURCE_LIBRARY(CreateS36DataSource)
