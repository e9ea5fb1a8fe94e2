// The members of the spreadsheet application's automation objects that the Excel data source calls, by their fixed
// dispatch ids, and the one routine that calls them and reports a failed call.
#pragma once

#include "ZRContracts.h"

#include <oleauto.h>

struct ExcelMember
{
    const char* name;
    DISPID id;
    WORD kind;  // DISPATCH_PROPERTYGET, DISPATCH_METHOD or DISPATCH_PROPERTYPUT
};

namespace ExcelMembers
{
inline constexpr ExcelMember Workbooks{"Workbooks", 572, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Open{"Open", 682, DISPATCH_METHOD};
inline constexpr ExcelMember Add{"Add", 181, DISPATCH_METHOD};
inline constexpr ExcelMember SaveAs{"SaveAs", 284, DISPATCH_METHOD};
inline constexpr ExcelMember ActiveSheet{"ActiveSheet", 307, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Cells{"Cells", 238, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Clear{"Clear", 111, DISPATCH_METHOD};
inline constexpr ExcelMember UsedRange{"UsedRange", 412, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Count{"Count", 118, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Columns{"Columns", 241, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Column{"Column", 240, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Item{"Item", 170, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember EntireRow{"EntireRow", 247, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember Value{"Value", 6, DISPATCH_PROPERTYGET};
inline constexpr ExcelMember ValuePut{"Value", 6, DISPATCH_PROPERTYPUT};
inline constexpr ExcelMember Save{"Save", 283, DISPATCH_METHOD};
inline constexpr ExcelMember Close{"Close", 277, DISPATCH_METHOD};
inline constexpr ExcelMember Quit{"Quit", 302, DISPATCH_METHOD};
}

// The sink and module that a failed call is reported through.
struct ExcelReporter
{
    const ErrorSinkFunctions* errorSink;
    HMODULE module;
};

// Calls the member on the object with `count` arguments given in their logical order (a put takes its value as
// the one argument); the result goes to `result` when it is not null. A failed call is reported as ZRX021 with the
// member's name, the result code and the description of the exception when it carries one, else as ZRX017.
bool CallExcel(const ExcelReporter& reporter, IDispatch* object, const ExcelMember& member, const VARIANT* arguments,
               UINT count, VARIANT* result);
// Reports ZRX017 for the member with the code.
void ReportExcelError(const ExcelReporter& reporter, const char* member, HRESULT code);
