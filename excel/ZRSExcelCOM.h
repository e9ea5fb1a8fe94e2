// The Excel data source: the spreadsheet application started as an automation server and driven through IDispatch
// by fixed dispatch ids, one worksheet row at a time. This base holds the connection and the navigation that both
// directions share.
#pragma once

#include "DataSource.h"
#include "Excel.h"
#include "OwnedHandles.h"

// Columns of a worksheet of the workbook versions these PC file types name.
constexpr int kMaxWorksheetColumns = 256;

// The objects kept for later calls, each held by the result value of the call that gave it.
enum ExcelObject
{
    EXO_WORKBOOKS,
    EXO_WORKBOOK,
    EXO_WORKSHEET,
    EXO_RANGE,  // the used range, or all cells
    EXO_COLUMNS,
    EXO_CELL,  // from Item
    EXO_ROW,   // from EntireRow
    EXO_COUNT
};

class CZRSExcelCOM : public CDataSource
{
public:
    CZRSExcelCOM();
    ~CZRSExcelCOM() override;

    BOOL Connect() override;
    BOOL QueryInfo(char* text, int* number1, int* number2) override;
    BOOL Disconnect() override;

    // 0 when the PC file opens for this direction's access without sharing, else the system's error code.
    virtual DWORD GetFileStatus() = 0;
    // Forgets everything of the last workbook: objects, counts, file name.
    virtual void Reset();
    // Releases the result values (and the objects they hold).
    virtual void ReleaseResults();

protected:
    ExcelReporter Reporter() const { return ExcelReporter{m_errorSink, m_module}; }
    IDispatch* Saved(ExcelObject object) const;
    void ReleaseObject(ExcelObject object);
    bool Call(IDispatch* object, const ExcelMember& member, const VARIANT* arguments = nullptr, UINT count = 0,
              VARIANT* result = nullptr);
    // Calls a member that gives an object, which becomes the current object and is kept as `object`.
    bool Navigate(IDispatch* on, const ExcelMember& member, ExcelObject object, const VARIANT* arguments = nullptr,
                  UINT count = 0);
    // A number from a get: Count, or Column.
    bool GetNumber(IDispatch* on, const ExcelMember& member, long& number);

    DWORD FileStatus(DWORD access) const;
    // Reads the file name (200) into the member.
    void ReadFileName();
    // Workbooks, Open with the file name, ActiveSheet.
    bool OpenWorkbook();
    // Workbooks, Add, SaveAs with the file name, ActiveSheet.
    bool CreateWorkbook();
    // Cells of the worksheet as the range.
    bool SelectAllCells();
    // The used range, its row and column counts, its first column, and one empty field per column.
    bool ReadSheetGeometry();
    // The Value array of the worksheet row `row` of the kept range (Item(row, 1), EntireRow, Value).
    bool FetchRow(long row, VARIANT& array);

    ComPtr<IDispatch> m_application;
    IDispatch* m_current = nullptr;
    VARIANT m_results[EXO_COUNT];
    long m_rowCount = 0;
    long m_columnCount = 0;
    long m_firstColumn = 1;  // of the used range, from 1
    char m_fileName[MAX_PATH] = {};

private:
    bool ReadGeometryCounts();
};

// The fields of one row as the elements (1, lower bound + i) of its two-dimensional Value array.
class CRowArray
{
public:
    // False when the value is no two-dimensional array of VARIANT. Field 0 is the element `skipped` places after
    // the first of the row.
    bool Attach(VARIANT& value, long skipped);
    // False for a field beyond the array.
    bool Get(int field, VARIANT& element) const;
    bool Put(int field, VARIANT& element);

private:
    SAFEARRAY* m_array = nullptr;
    LONG m_row = 0;
    LONG m_first = 0;
    LONG m_last = -1;
};
