#include "Excel.h"

#include "ExcelReport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// The locale of every call (LOCALE_SYSTEM_DEFAULT).
constexpr LCID kCallLocale = 0x800;
// Descriptions are quoted up to this many bytes.
constexpr int kDescriptionSize = 400;

void ReportDescribed(const ExcelReporter& reporter, const char* member, HRESULT code, BSTR description)
{
    char text[kDescriptionSize] = {};
    WideCharToMultiByte(CP_ACP, 0, description, static_cast<int>(SysStringLen(description)), text, kDescriptionSize - 1,
                        nullptr, nullptr);
    ReportError(kSourceExcel, __LINE__, reporter.errorSink, reporter.module, IDS_ZRX021, member,
                static_cast<unsigned>(code), text);
}
}

void ReportExcelError(const ExcelReporter& reporter, const char* member, HRESULT code)
{
    ReportError(kSourceExcel, __LINE__, reporter.errorSink, reporter.module, IDS_ZRX017, member,
                static_cast<unsigned>(code));
}

bool CallExcel(const ExcelReporter& reporter, IDispatch* object, const ExcelMember& member, const VARIANT* arguments,
               UINT count, VARIANT* result)
{
    if (!object)
    {
        ReportExcelError(reporter, member.name, E_POINTER);
        return false;
    }
    // Invoke takes the arguments last to first.
    std::vector<VARIANT> reversed(arguments ? arguments : nullptr, arguments ? arguments + count : nullptr);
    std::reverse(reversed.begin(), reversed.end());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {reversed.data(), nullptr, count, 0};
    if (member.kind == DISPATCH_PROPERTYPUT)
    {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }
    VARIANT ignored;
    VariantInit(&ignored);
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    const HRESULT code = object->Invoke(member.id, IID_NULL, kCallLocale, member.kind, &parameters,
                                        result ? result : &ignored, &exception, &argumentError);
    VariantClear(&ignored);
    if (SUCCEEDED(code))
        return true;
    if (code == DISP_E_EXCEPTION && exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    if (code == DISP_E_EXCEPTION && exception.bstrDescription && SysStringLen(exception.bstrDescription) > 0)
        ReportDescribed(reporter, member.name, code, exception.bstrDescription);
    else
        ReportExcelError(reporter, member.name, code);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return false;
}
