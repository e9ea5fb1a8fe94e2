#include "ZRI_DSExcelCOM.h"

#include "ExcelReport.h"
#include "ZRSExcelCOMSource.h"
#include "ZRSExcelCOMTarget.h"

#include <new>

CDataSource* CreateExcelDataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink, HMODULE module)
{
    int direction = 0;
    profile->GetGeneral(ZRP_DIRECTION, &direction);
    CDataSource* created = nullptr;
    if (direction == ZRDIR_HOST_TO_PC)
        created = new (std::nothrow) CZRSExcelCOMTarget;
    else if (direction == ZRDIR_PC_TO_HOST)
        created = new (std::nothrow) CZRSExcelCOMSource;
    else
    {
        ReportError(kSourceFactory, __LINE__, errorSink, module, IDS_ZRX002);
        return nullptr;
    }
    if (!created)
        ReportError(kSourceFactory, __LINE__, errorSink, module, IDS_ZRX010);
    return created;
}
