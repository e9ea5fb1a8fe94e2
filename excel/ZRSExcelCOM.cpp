#include "ZRSExcelCOM.h"

#include "ExcelReport.h"

#include <objbase.h>

#include <string>

namespace
{
const wchar_t kExcel70ClassId[] = L"{00020841-0000-0000-C000-000000000046}";
const wchar_t kExcel97ClassId[] = L"{00024500-0000-0000-C000-000000000046}";

VARIANT LongArgument(long value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = value;
    return argument;
}
}

CZRSExcelCOM::CZRSExcelCOM()
{
    for (VARIANT& result : m_results)
        VariantInit(&result);
}

CZRSExcelCOM::~CZRSExcelCOM()
{
    CZRSExcelCOM::ReleaseResults();
}

BOOL CZRSExcelCOM::Connect()
{
    if (m_application)
        return TRUE;
    int type = 0;
    m_profile->GetPc(ZRP_PC_FILE_TYPE, &type);
    HRESULT code = CoInitialize(nullptr);
    if (FAILED(code))
        return ZRX_FAIL(IDS_ZRX011, static_cast<unsigned>(code));
    CLSID classId = {};
    UINT failure = 0;
    {
        // The application's IUnknown goes as soon as its IDispatch is there.
        ComPtr<IUnknown> excel;
        if (FAILED(code = CLSIDFromString(type == PCFT_EXCEL70 ? kExcel70ClassId : kExcel97ClassId, &classId)))
            failure = IDS_ZRX020;
        else if (FAILED(code = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                                IID_IUnknown, reinterpret_cast<void**>(excel.Receive()))))
            failure = IDS_ZRX018;
        else if (FAILED(code = excel->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(m_application.Receive()))))
            failure = IDS_ZRX019;
    }
    if (failure)
    {
        // The thread leaves COM as it found it.
        m_application.Reset();
        CoUninitialize();
        return ZRX_FAIL(failure, static_cast<unsigned>(code));
    }
    return TRUE;
}

BOOL CZRSExcelCOM::QueryInfo(char*, int*, int*)
{
    return FALSE;
}

BOOL CZRSExcelCOM::Disconnect()
{
    if (!m_application)
        return TRUE;
    const bool quit = Call(m_application.Get(), ExcelMembers::Quit);
    if (!quit)
        ReportError(kSourceDataSource, __LINE__, m_errorSink, m_module, IDS_ZRX013);
    // Every object goes before COM does: the server may leave the process with it.
    ReleaseResults();
    m_current = nullptr;
    m_application.Reset();
    CoUninitialize();
    return quit;
}

void CZRSExcelCOM::Reset()
{
    ReleaseResults();
    m_current = nullptr;
    m_recordCount = 0;
    m_rowCount = 0;
    m_columnCount = 0;
    m_firstColumn = 1;
    m_fileName[0] = '\0';
}

void CZRSExcelCOM::ReleaseResults()
{
    for (VARIANT& result : m_results)
        VariantClear(&result);
    m_current = nullptr;
}

IDispatch* CZRSExcelCOM::Saved(ExcelObject object) const
{
    const VARIANT& result = m_results[object];
    return V_VT(&result) == VT_DISPATCH ? V_DISPATCH(&result) : nullptr;
}

void CZRSExcelCOM::ReleaseObject(ExcelObject object)
{
    if (m_current && m_current == Saved(object))
        m_current = nullptr;
    VariantClear(&m_results[object]);
}

bool CZRSExcelCOM::Call(IDispatch* object, const ExcelMember& member, const VARIANT* arguments, UINT count,
                        VARIANT* result)
{
    return CallExcel(Reporter(), object, member, arguments, count, result);
}

bool CZRSExcelCOM::Navigate(IDispatch* on, const ExcelMember& member, ExcelObject object, const VARIANT* arguments,
                            UINT count)
{
    VARIANT result;
    VariantInit(&result);
    if (!Call(on, member, arguments, count, &result))
        return false;
    if (V_VT(&result) != VT_DISPATCH || !V_DISPATCH(&result))
    {
        VariantClear(&result);
        ReportExcelError(Reporter(), member.name, S_OK);
        return false;
    }
    ReleaseObject(object);
    m_results[object] = result;
    m_current = V_DISPATCH(&result);
    return true;
}

bool CZRSExcelCOM::GetNumber(IDispatch* on, const ExcelMember& member, long& count)
{
    VARIANT result;
    VariantInit(&result);
    if (!Call(on, member, nullptr, 0, &result))
        return false;
    bool number = true;
    switch (V_VT(&result))
    {
    case VT_I2:
        count = V_I2(&result);
        break;
    case VT_I4:
        count = V_I4(&result);
        break;
    case VT_R4:
        count = static_cast<long>(V_R4(&result));
        break;
    case VT_R8:
        count = static_cast<long>(V_R8(&result));
        break;
    case VT_UI1:
        count = V_UI1(&result);
        break;
    default:
        number = false;
    }
    VariantClear(&result);
    if (!number)
        ReportExcelError(Reporter(), member.name, S_OK);
    return number;
}

DWORD CZRSExcelCOM::FileStatus(DWORD access) const
{
    OwnedFile file(CreateFileA(m_fileName, access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsValid() ? 0 : GetLastError();
}

void CZRSExcelCOM::ReadFileName()
{
    m_fileName[0] = '\0';
    m_profile->GetPc(ZRP_PC_FILE_NAME, m_fileName);
    m_fileName[MAX_PATH - 1] = '\0';
}

namespace
{
// The file name as the text argument of a call, from the ANSI code page.
struct FileNameArgument
{
    explicit FileNameArgument(const char* fileName)
    {
        VariantInit(&argument);
        wchar_t wide[MAX_PATH] = {};
        const int size = MultiByteToWideChar(CP_ACP, 0, fileName, -1, wide, MAX_PATH);
        V_VT(&argument) = VT_BSTR;
        V_BSTR(&argument) = SysAllocString(size > 0 ? wide : L"");
    }
    ~FileNameArgument() { VariantClear(&argument); }
    FileNameArgument(const FileNameArgument&) = delete;
    FileNameArgument& operator=(const FileNameArgument&) = delete;

    VARIANT argument;
};
}

bool CZRSExcelCOM::OpenWorkbook()
{
    FileNameArgument name(m_fileName);
    return Navigate(m_application.Get(), ExcelMembers::Workbooks, EXO_WORKBOOKS) &&
           Navigate(Saved(EXO_WORKBOOKS), ExcelMembers::Open, EXO_WORKBOOK, &name.argument, 1) &&
           Navigate(Saved(EXO_WORKBOOK), ExcelMembers::ActiveSheet, EXO_WORKSHEET);
}

bool CZRSExcelCOM::CreateWorkbook()
{
    FileNameArgument name(m_fileName);
    return Navigate(m_application.Get(), ExcelMembers::Workbooks, EXO_WORKBOOKS) &&
           Navigate(Saved(EXO_WORKBOOKS), ExcelMembers::Add, EXO_WORKBOOK) &&
           Call(Saved(EXO_WORKBOOK), ExcelMembers::SaveAs, &name.argument, 1) &&
           Navigate(Saved(EXO_WORKBOOK), ExcelMembers::ActiveSheet, EXO_WORKSHEET);
}

bool CZRSExcelCOM::SelectAllCells()
{
    if (!Navigate(Saved(EXO_WORKSHEET), ExcelMembers::Cells, EXO_RANGE))
        return false;
    ReleaseObject(EXO_WORKSHEET);
    return true;
}

bool CZRSExcelCOM::ReadSheetGeometry()
{
    m_rowCount = 0;
    m_columnCount = 0;
    m_firstColumn = 1;
    bool read = ReadGeometryCounts();
    // Rows come whole from column A: the fields begin at the used range's first column.
    if (read && m_columnCount != 0)
        read = GetNumber(Saved(EXO_RANGE), ExcelMembers::Column, m_firstColumn) && m_firstColumn >= 1 &&
               m_firstColumn - 1 + m_columnCount <= kMaxWorksheetColumns;
    if (read && m_columnCount != 0)
    {
        read = AllocateLayoutFields(m_layout, static_cast<int>(m_columnCount));
        if (!read)
            m_columnCount = 0;
    }
    if (!read)
        ReportError(kSourceDataSource, __LINE__, m_errorSink, m_module, IDS_ZRX003);
    return read;
}

bool CZRSExcelCOM::ReadGeometryCounts()
{
    if (!Navigate(Saved(EXO_WORKSHEET), ExcelMembers::UsedRange, EXO_RANGE))
        return false;
    ReleaseObject(EXO_WORKSHEET);
    long cells = 0;
    if (!GetNumber(m_current, ExcelMembers::Count, cells))
        return false;
    if (cells == 1)
    {
        VARIANT value;
        VariantInit(&value);
        if (!Call(Saved(EXO_RANGE), ExcelMembers::Value, nullptr, 0, &value))
            return false;
        const VARTYPE type = V_VT(&value);
        VariantClear(&value);
        switch (type)
        {
        case VT_EMPTY:
            return true;
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_BSTR:
            m_rowCount = m_columnCount = 1;
            return true;
        default:
            ReportExcelError(Reporter(), ExcelMembers::Value.name, S_OK);
            return false;
        }
    }
    long columns = 0;
    if (!Navigate(Saved(EXO_RANGE), ExcelMembers::Columns, EXO_COLUMNS) ||
        !GetNumber(m_current, ExcelMembers::Count, columns))
        return false;
    if (columns <= 0 || cells < columns)
    {
        ReportExcelError(Reporter(), ExcelMembers::Count.name, S_OK);
        return false;
    }
    m_columnCount = columns;
    m_rowCount = cells / columns;
    return true;
}

bool CZRSExcelCOM::FetchRow(long row, VARIANT& array)
{
    VARIANT arguments[2] = {LongArgument(row), LongArgument(1)};
    return Navigate(Saved(EXO_RANGE), ExcelMembers::Item, EXO_CELL, arguments, 2) &&
           Navigate(Saved(EXO_CELL), ExcelMembers::EntireRow, EXO_ROW) &&
           Call(Saved(EXO_ROW), ExcelMembers::Value, nullptr, 0, &array);
}

bool CRowArray::Attach(VARIANT& value, long skipped)
{
    m_array = nullptr;
    if (V_VT(&value) != (VT_ARRAY | VT_VARIANT) || !V_ARRAY(&value) || SafeArrayGetDim(V_ARRAY(&value)) != 2)
        return false;
    SAFEARRAY* array = V_ARRAY(&value);
    if (FAILED(SafeArrayGetLBound(array, 1, &m_row)) || FAILED(SafeArrayGetLBound(array, 2, &m_first)) ||
        FAILED(SafeArrayGetUBound(array, 2, &m_last)))
        return false;
    m_first += skipped;
    m_array = array;
    return true;
}

bool CRowArray::Get(int field, VARIANT& element) const
{
    VariantInit(&element);
    if (!m_array || field < 0 || field > m_last - m_first)
        return false;
    LONG index[2] = {m_row, m_first + field};
    return SUCCEEDED(SafeArrayGetElement(m_array, index, &element));
}

bool CRowArray::Put(int field, VARIANT& element)
{
    if (!m_array || field < 0 || field > m_last - m_first)
        return false;
    LONG index[2] = {m_row, m_first + field};
    return SUCCEEDED(SafeArrayPutElement(m_array, index, &element));
}
