#include "Objects.h"

#include "Book.h"
#include "ServerTexts.h"
#include "SpreadsheetXml.h"
#include "Trace.h"
#include "XlServerTexts.h"

#include <algorithm>

namespace
{
// Value gets and puts move at most this many cells at once (a whole row of the grid is 256).
constexpr long kMaxValueCells = 65536;

enum : DISPID
{
    kValue = 6,
    kClear = 111,
    kCount = 118,
    kItem = 170,
    kAdd = 181,
    kCells = 238,
    kColumn = 240,
    kColumns = 241,
    kEntireRow = 247,
    kClose = 277,
    kSave = 283,
    kSaveAs = 284,
    kQuit = 302,
    kActiveSheet = 307,
    kUsedRange = 412,
    kWorkbooks = 572,
    kOpen = 682,
};

bool IsOpen(const ExcelState& state, const std::shared_ptr<Book>& book)
{
    return std::find(state.books.begin(), state.books.end(), book) != state.books.end();
}

class CRange : public CAutomationObject
{
public:
    CRange(std::shared_ptr<ExcelState> state, std::shared_ptr<Book> book, int sheet, CellBlock block,
           bool columns = false)
        : CAutomationObject(std::move(state)), m_book(std::move(book)), m_sheet(sheet), m_block(block),
          m_columns(columns)
    {
    }

protected:
    const char* TypeName() const override { return "Range"; }
    const std::vector<Member>& Members() const override
    {
        static const std::vector<Member> members = {
            {kValue, L"Value", MemberKind::GetPut, 0}, {kClear, L"Clear", MemberKind::Method, 0},
            {kCount, L"Count", MemberKind::Get, 0},    {kColumns, L"Columns", MemberKind::Get, 0},
            {kItem, L"Item", MemberKind::Get, 2},      {kEntireRow, L"EntireRow", MemberKind::Get, 0},
            {kColumn, L"Column", MemberKind::Get, 0}};
        return members;
    }
    Outcome Call(DISPID id, bool put, const std::vector<VARIANT*>& arguments, VARIANT* result) override
    {
        if (!IsOpen(*m_state, m_book))
            return Raise(ServerText(IDS_RANGE_CLOSED));
        Sheet& sheet = m_book->sheets[static_cast<size_t>(m_sheet)];
        switch (id)
        {
        case kClear:
            for (auto at = sheet.cells.begin(); at != sheet.cells.end();)
                at = Inside(at->first) ? sheet.cells.erase(at) : std::next(at);
            return Outcome{};
        case kCount:
            V_VT(result) = VT_I4;
            V_I4(result) = m_columns ? m_block.columns : m_block.rows * m_block.columns;
            return Outcome{};
        case kColumn:
            V_VT(result) = VT_I4;
            V_I4(result) = m_block.left;
            return Outcome{};
        case kColumns:
            ReturnObject(new CRange(m_state, m_book, m_sheet, m_block, true), result);
            return Outcome{};
        case kItem:
            return Item(arguments, result);
        case kEntireRow:
            ReturnObject(new CRange(m_state, m_book, m_sheet, CellBlock{m_block.top, 1, m_block.rows, kSheetColumns}),
                         result);
            return Outcome{};
        default:
            return put ? PutValue(sheet, *arguments[0]) : GetValue(sheet, result);
        }
    }

private:
    bool Inside(const std::pair<int, int>& at) const
    {
        return at.first >= m_block.top && at.first < m_block.top + m_block.rows && at.second >= m_block.left &&
               at.second < m_block.left + m_block.columns;
    }

    // Item(row, column): the one cell at that place counted from the range's first cell, inside the range or not.
    Outcome Item(const std::vector<VARIANT*>& arguments, VARIANT* result)
    {
        long row = 0, column = 0;
        Outcome outcome = ArgumentAsLong(arguments, 0, row);
        if (outcome.code == S_OK)
            outcome = ArgumentAsLong(arguments, 1, column);
        if (outcome.code != S_OK)
            return outcome;
        const long top = m_block.top + row - 1;
        const long left = m_block.left + column - 1;
        if (top < 1 || top > kSheetRows || left < 1 || left > kSheetColumns)
            return Raise(ServerText(IDS_ITEM_OUTSIDE, row, column));
        const CellBlock cell{static_cast<int>(top), static_cast<int>(left), 1, 1};
        ReturnObject(new CRange(m_state, m_book, m_sheet, cell), result);
        return Outcome{};
    }

    static void CellValue(const Sheet& sheet, int row, int column, VARIANT* value)
    {
        VariantInit(value);
        auto found = sheet.cells.find({row, column});
        if (found == sheet.cells.end())
            return;
        const Cell& cell = found->second;
        switch (cell.kind)
        {
        case CellKind::Number:
            V_VT(value) = VT_R8;
            V_R8(value) = cell.number;
            break;
        case CellKind::Text:
            V_VT(value) = VT_BSTR;
            V_BSTR(value) = SysAllocStringLen(cell.text.data(), static_cast<UINT>(cell.text.size()));
            break;
        case CellKind::Boolean:
            V_VT(value) = VT_BOOL;
            V_BOOL(value) = cell.number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case CellKind::Date:
            V_VT(value) = VT_DATE;
            V_DATE(value) = cell.number;
            break;
        case CellKind::Error:
            V_VT(value) = VT_ERROR;
            V_ERROR(value) = static_cast<SCODE>(0x800A0000 + static_cast<int>(cell.number));
            break;
        }
    }

    // One cell: its value. More: a two-dimensional array of VARIANT, rows by columns, both counted from 1.
    Outcome GetValue(const Sheet& sheet, VARIANT* result)
    {
        if (m_block.rows == 1 && m_block.columns == 1)
        {
            CellValue(sheet, m_block.top, m_block.left, result);
            return Outcome{};
        }
        if (static_cast<long>(m_block.rows) * m_block.columns > kMaxValueCells)
            return Raise(ServerText(IDS_TOO_MANY_CELLS));
        SAFEARRAYBOUND bounds[2] = {{static_cast<ULONG>(m_block.rows), 1}, {static_cast<ULONG>(m_block.columns), 1}};
        SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
        if (!array)
            return Outcome{E_OUTOFMEMORY, L"", 0};
        for (int r = 0; r < m_block.rows; ++r)
            for (int c = 0; c < m_block.columns; ++c)
            {
                LONG index[2] = {r + 1, c + 1};
                VARIANT value;
                CellValue(sheet, m_block.top + r, m_block.left + c, &value);
                SafeArrayPutElement(array, index, &value);
                VariantClear(&value);
            }
        V_VT(result) = VT_ARRAY | VT_VARIANT;
        V_ARRAY(result) = array;
        return Outcome{};
    }

    static Outcome StoreCell(Sheet& sheet, int row, int column, const VARIANT& value)
    {
        Cell cell;
        VARIANT number;
        VariantInit(&number);
        switch (V_VT(&value))
        {
        case VT_EMPTY:
            sheet.cells.erase({row, column});
            return Outcome{};
        case VT_BSTR:
            cell.kind = CellKind::Text;
            cell.text.assign(V_BSTR(&value) ? V_BSTR(&value) : L"", SysStringLen(V_BSTR(&value)));
            break;
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
            // Numbers are kept as doubles, as a worksheet keeps them.
            VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_R8);
            cell.number = V_R8(&number);
            break;
        default:
            return Raise(ServerText(IDS_CELL_TYPE, static_cast<unsigned>(V_VT(&value))));
        }
        sheet.cells[{row, column}] = cell;
        return Outcome{};
    }

    // The array's elements, from its lower bounds on, go into the range's cells from its first cell on; elements
    // beyond the range are passed over.
    Outcome PutValue(Sheet& sheet, const VARIANT& argument)
    {
        const VARIANT* value = &argument;
        if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value))
            value = V_VARIANTREF(value);
        if (V_VT(value) != (VT_ARRAY | VT_VARIANT) || !V_ARRAY(value) || SafeArrayGetDim(V_ARRAY(value)) != 2)
            return Raise(ServerText(IDS_VALUE_ARRAY_ONLY));
        SAFEARRAY* array = V_ARRAY(value);
        LONG low[2] = {}, high[2] = {};
        for (UINT d = 0; d < 2; ++d)
        {
            SafeArrayGetLBound(array, d + 1, &low[d]);
            SafeArrayGetUBound(array, d + 1, &high[d]);
        }
        const LONG rows = std::min<LONG>(high[0] - low[0] + 1, m_block.rows);
        const LONG columns = std::min<LONG>(high[1] - low[1] + 1, m_block.columns);
        if (static_cast<long>(rows) * columns > kMaxValueCells)
            return Raise(ServerText(IDS_TOO_MANY_CELLS));
        for (LONG r = 0; r < rows; ++r)
            for (LONG c = 0; c < columns; ++c)
            {
                LONG index[2] = {low[0] + r, low[1] + c};
                VARIANT element;
                VariantInit(&element);
                if (FAILED(SafeArrayGetElement(array, index, &element)))
                    return Raise(ServerText(IDS_ELEMENT_UNREADABLE));
                Outcome stored = StoreCell(sheet, m_block.top + r, m_block.left + c, element);
                VariantClear(&element);
                if (stored.code != S_OK)
                    return stored;
            }
        return Outcome{};
    }

    std::shared_ptr<Book> m_book;
    int m_sheet;
    CellBlock m_block;
    bool m_columns;
};

class CWorksheet : public CAutomationObject
{
public:
    CWorksheet(std::shared_ptr<ExcelState> state, std::shared_ptr<Book> book, int sheet)
        : CAutomationObject(std::move(state)), m_book(std::move(book)), m_sheet(sheet)
    {
    }

protected:
    const char* TypeName() const override { return "Worksheet"; }
    const std::vector<Member>& Members() const override
    {
        static const std::vector<Member> members = {{kCells, L"Cells", MemberKind::Get, 0},
                                                    {kUsedRange, L"UsedRange", MemberKind::Get, 0}};
        return members;
    }
    Outcome Call(DISPID id, bool, const std::vector<VARIANT*>&, VARIANT* result) override
    {
        if (!IsOpen(*m_state, m_book))
            return Raise(ServerText(IDS_SHEET_CLOSED));
        CellBlock block{1, 1, kSheetRows, kSheetColumns};
        if (id == kUsedRange)
        {
            // An empty sheet's used range is its first cell.
            block = UsedBlock(m_book->sheets[static_cast<size_t>(m_sheet)]);
            if (block.rows == 0)
                block = CellBlock{1, 1, 1, 1};
        }
        ReturnObject(new CRange(m_state, m_book, m_sheet, block), result);
        return Outcome{};
    }

private:
    std::shared_ptr<Book> m_book;
    int m_sheet;
};

class CWorkbook : public CAutomationObject
{
public:
    CWorkbook(std::shared_ptr<ExcelState> state, std::shared_ptr<Book> book)
        : CAutomationObject(std::move(state)), m_book(std::move(book))
    {
    }

protected:
    const char* TypeName() const override { return "Workbook"; }
    const std::vector<Member>& Members() const override
    {
        static const std::vector<Member> members = {{kActiveSheet, L"ActiveSheet", MemberKind::Get, 0},
                                                    {kSaveAs, L"SaveAs", MemberKind::Method, 1},
                                                    {kSave, L"Save", MemberKind::Method, 0}};
        return members;
    }
    Outcome Call(DISPID id, bool, const std::vector<VARIANT*>& arguments, VARIANT* result) override
    {
        if (!IsOpen(*m_state, m_book))
            return Raise(ServerText(IDS_BOOK_CLOSED));
        if (id == kActiveSheet)
        {
            ReturnObject(new CWorksheet(m_state, m_book, m_book->active), result);
            return Outcome{};
        }
        std::wstring path = m_book->path;
        if (id == kSaveAs)
        {
            Outcome outcome = ArgumentAsText(arguments, 0, path);
            if (outcome.code != S_OK)
                return outcome;
        }
        else if (path.empty())
            return Raise(ServerText(IDS_NO_FILE_NAME));
        FileProblem problem;
        if (!SaveBookFile(*m_book, path, problem))
            return Raise(ServerText(IDS_CANNOT_SAVE, path.c_str(), ProblemText(problem).c_str()));
        m_book->path = path;
        return Outcome{};
    }

private:
    std::shared_ptr<Book> m_book;
};

class CWorkbooks : public CAutomationObject
{
public:
    using CAutomationObject::CAutomationObject;

protected:
    const char* TypeName() const override { return "Workbooks"; }
    const std::vector<Member>& Members() const override
    {
        static const std::vector<Member> members = {{kOpen, L"Open", MemberKind::Method, 1},
                                                    {kAdd, L"Add", MemberKind::Method, 0},
                                                    {kClose, L"Close", MemberKind::Method, 0}};
        return members;
    }
    Outcome Call(DISPID id, bool, const std::vector<VARIANT*>& arguments, VARIANT* result) override
    {
        switch (id)
        {
        case kAdd:
            m_state->books.push_back(std::make_shared<Book>(NewBook()));
            break;
        case kClose:
            m_state->books.clear();
            return Outcome{};
        default:
        {
            std::wstring path;
            Outcome outcome = ArgumentAsText(arguments, 0, path);
            if (outcome.code != S_OK)
                return outcome;
            auto book = std::make_shared<Book>();
            FileProblem problem;
            if (!LoadBookFile(path, *book, problem))
                return Raise(ServerText(IDS_CANNOT_OPEN, path.c_str(), ProblemText(problem).c_str()));
            m_state->books.push_back(book);
        }
        }
        ReturnObject(new CWorkbook(m_state, m_state->books.back()), result);
        return Outcome{};
    }
};

class CApplication : public CAutomationObject
{
public:
    CApplication() : CAutomationObject(std::make_shared<ExcelState>()) {}

protected:
    const char* TypeName() const override { return "Application"; }
    const std::vector<Member>& Members() const override
    {
        static const std::vector<Member> members = {{kWorkbooks, L"Workbooks", MemberKind::Get, 0},
                                                    {kQuit, L"Quit", MemberKind::Method, 0}};
        return members;
    }
    Outcome Call(DISPID id, bool, const std::vector<VARIANT*>&, VARIANT* result) override
    {
        if (id == kQuit)
        {
            // Every workbook is closed unsaved; every object of the application refuses calls from now on.
            m_state->books.clear();
            m_state->quit = true;
            return Outcome{};
        }
        ReturnObject(new CWorkbooks(m_state), result);
        return Outcome{};
    }
};
}

CAutomationObject* NewApplication()
{
    return new CApplication();
}
