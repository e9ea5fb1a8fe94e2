// The workbooks of the stand-in: sheets of cells kept by row and column, each cell a number, a text, a Boolean, a
// date (an OLE date serial) or an error value.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// The worksheet grid of the workbooks the stand-in plays: 65,536 rows of 256 columns, counted from 1.
constexpr int kSheetRows = 65536;
constexpr int kSheetColumns = 256;

enum class CellKind
{
    Number,
    Text,
    Boolean,
    Date,
    Error,
};

struct Cell
{
    CellKind kind = CellKind::Number;
    double number = 0;  // Number, Date (serial), Boolean (0 or 1), Error (the error code, as 2042 for #N/A)
    std::wstring text;  // Text
};

struct Sheet
{
    std::wstring name;
    std::map<std::pair<int, int>, Cell> cells;  // by (row, column)
};

// The smallest block of a sheet that holds every cell; rows and columns 0 when the sheet is empty.
struct CellBlock
{
    int top = 1;
    int left = 1;
    int rows = 0;
    int columns = 0;
};
CellBlock UsedBlock(const Sheet& sheet);

struct Book
{
    std::vector<Sheet> sheets;
    int active = 0;
    std::wstring path;  // empty until the book is saved or was opened
};

// A new workbook: three empty sheets, the first active, no path.
Book NewBook();
