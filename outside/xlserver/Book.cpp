#include "Book.h"

#include <algorithm>

CellBlock UsedBlock(const Sheet& sheet)
{
    CellBlock block;
    if (sheet.cells.empty())
        return block;
    int top = kSheetRows, left = kSheetColumns, bottom = 1, right = 1;
    for (const auto& [at, cell] : sheet.cells)
    {
        top = std::min(top, at.first);
        bottom = std::max(bottom, at.first);
        left = std::min(left, at.second);
        right = std::max(right, at.second);
    }
    block.top = top;
    block.left = left;
    block.rows = bottom - top + 1;
    block.columns = right - left + 1;
    return block;
}

Book NewBook()
{
    Book book;
    for (const wchar_t* name : {L"Sheet1", L"Sheet2", L"Sheet3"})
        book.sheets.push_back(Sheet{name, {}});
    return book;
}
