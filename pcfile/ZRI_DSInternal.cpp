#include "ZRI_DSInternal.h"

#include "InternalDBF.h"
#include "InternalDIF.h"
#include "InternalDosRandom.h"
#include "InternalWKS.h"
#include "InternalXLS.h"
#include "InternalDLM.h"
#include "InternalDelimited.h"
#include "InternalTXT.h"
#include "PcFileReport.h"

#include <new>

namespace
{
const char kSource[] = "ZRI_DSInternal";

template <typename Class>
CDataSource* Make()
{
    return new (std::nothrow) Class;
}

struct PcFileClasses
{
    int type;
    CDataSource* (*target)();
    CDataSource* (*source)();  // null for the types that are only written
};

const PcFileClasses kClasses[] = {
    {PCFT_TXT, Make<CInternalTXTTarget>, Make<CInternalTXTSource>},
    {PCFT_TAB, Make<CInternalTABTarget>, Make<CInternalTABSource>},
    {PCFT_CSV, Make<CInternalCSVTarget>, Make<CInternalCSVSource>},
    {PCFT_PRN, Make<CInternalPRNTarget>, Make<CInternalPRNSource>},
    {PCFT_DLM, Make<CInternalDLMTarget>, Make<CInternalDLMSource>},
    {PCFT_DIF, Make<CInternalDIFTarget>, Make<CInternalDIFSource>},
    {PCFT_DBF, Make<CInternalDBFTarget>, Make<CInternalDBFSource>},
    {PCFT_DR1, Make<CInternalDR1Target>, Make<CInternalDR1Source>},
    {PCFT_DR2, Make<CInternalDR2Target>, Make<CInternalDR2Source>},
    {PCFT_WKQ, Make<CInternalWKQTarget>, nullptr},
    {PCFT_WKS, Make<CInternalWKSTarget>, nullptr},
    {PCFT_XLS, Make<CInternalXLSTarget>, nullptr},
};
}

CDataSource* CreatePcFileDataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                    HMODULE module)
{
    int direction = 0;
    int type = 0;
    profile->GetGeneral(ZRP_DIRECTION, &direction);
    profile->GetPc(ZRP_PC_FILE_TYPE, &type);
    if (direction != ZRDIR_HOST_TO_PC && direction != ZRDIR_PC_TO_HOST)
    {
        ReportError(kSource, __LINE__, errorSink, module, IDS_ZRI002);
        return nullptr;
    }
    CDataSource* (*make)() = nullptr;
    for (const PcFileClasses& classes : kClasses)
        if (classes.type == type)
            make = direction == ZRDIR_HOST_TO_PC ? classes.target : classes.source;
    if (!make)
    {
        ReportError(kSource, __LINE__, errorSink, module, IDS_ZRI001);
        return nullptr;
    }
    CDataSource* made = make();
    if (!made)
        ReportError(kSource, __LINE__, errorSink, module, IDS_ZRI003);
    return made;
}
