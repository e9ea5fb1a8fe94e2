// Zrtas400.dll: the factory export and the library's entry point.
#include "As400Messages.h"
#include "DSAs400ViaHLLAPI.h"
#include "DataSourceLibrary.h"
#include "ReportError.h"

#include <new>

namespace
{
constexpr char kReportSource[] = "ZRI_DSourceAs400ViaHLLAPI";

CDataSource* CreateAs400DataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    int transferType = 0;
    if (!profile->GetGeneral(ZRP_DIRECTION, &direction) || !profile->GetGeneral(ZRP_TRANSFER_TYPE, &transferType))
        return nullptr;
    CDataSource* created;
    if (direction == ZRDIR_HOST_TO_PC)
    {
        created = transferType == ZRTT_BINARY ? static_cast<CDataSource*>(new (std::nothrow) CDSAs400ViaHLLAPIBinSource)
                                              : new (std::nothrow) CDSAs400ViaHLLAPISource;
    }
    else if (direction == ZRDIR_PC_TO_HOST)
    {
        created = transferType == ZRTT_BINARY ? static_cast<CDataSource*>(new (std::nothrow) CDSAs400ViaHLLAPIBinTarget)
                                              : new (std::nothrow) CDSAs400ViaHLLAPITarget;
    }
    else
    {
        ReportError(kReportSource, __LINE__, errorSink, module, IDS_AS400_BAD_DIRECTION);
        return nullptr;
    }
    if (!created)
        ReportError(kReportSource, __LINE__, errorSink, module, IDS_AS400_NO_OBJECT_MEMORY);
    return created;
}
}

ZRT_DATA_SOURCE_LIBRARY(CreateAs400DataSource)
