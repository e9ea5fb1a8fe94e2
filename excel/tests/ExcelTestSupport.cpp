#include "ExcelTestSupport.h"

namespace
{
std::wstring WidePath(const std::string& path)
{
    return std::wstring(path.begin(), path.end());
}
}

Cell TextCell(const std::wstring& text)
{
    Cell cell;
    cell.kind = CellKind::Text;
    cell.text = text;
    return cell;
}

Cell NumberCell(double number)
{
    Cell cell;
    cell.number = number;
    return cell;
}

Book BookOf(const std::vector<std::vector<Cell>>& rows)
{
    Book book = NewBook();
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c].kind != CellKind::Text || !rows[r][c].text.empty())
                book.sheets[0].cells[{static_cast<int>(r + 1), static_cast<int>(c + 1)}] = rows[r][c];
    return book;
}

std::vector<std::vector<std::wstring>> SheetTexts(const Sheet& sheet)
{
    const CellBlock used = UsedBlock(sheet);
    std::vector<std::vector<std::wstring>> texts;
    for (int r = 1; r < used.top + used.rows; ++r)
    {
        std::vector<std::wstring> row;
        for (int c = 1; c < used.left + used.columns; ++c)
        {
            auto found = sheet.cells.find({r, c});
            if (found == sheet.cells.end())
                row.emplace_back();
            else if (found->second.kind == CellKind::Text)
                row.push_back(found->second.text);
            else
            {
                wchar_t number[40];
                swprintf(number, 40, L"#%.17g", found->second.number);
                row.push_back(number);
            }
        }
        texts.push_back(row);
    }
    return texts;
}

TransferOutcome ExcelTransfer::Write(const std::string& name, const std::vector<HostFieldDefinition>& fields,
                                     const Records& records, int writeMode)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_EXCEL97;
    transfer.fileName = name;
    transfer.fields = fields;
    transfer.records = records;
    transfer.profile = {{ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ANSI}, {ZRP_PC_WRITE_MODE, writeMode}};
    transfer.fileBefore = ReadWholeFile(Path(name));
    return m_runner.ToPc(transfer);
}

TransferOutcome ExcelTransfer::Read(const std::string& name, const std::vector<HostFieldDefinition>& fields)
{
    PcTransfer transfer;
    transfer.fileType = PCFT_EXCEL97;
    transfer.fileName = name;
    transfer.fields = fields;
    transfer.profile = {{ZRP_CHARACTER_SET, ZRCS_EBCDIC_TO_ANSI}};
    transfer.fileBefore = ReadWholeFile(Path(name));
    return m_runner.FromPc(transfer);
}

void ExcelTransfer::SaveBook(const std::string& name, const Book& book)
{
    FileProblem problem;
    ASSERT_TRUE(SaveBookFile(book, WidePath(Path(name)), problem)) << problem.text << " " << Utf8(problem.detail);
}

Book ExcelTransfer::LoadBook(const std::string& name)
{
    Book book;
    FileProblem problem;
    EXPECT_TRUE(LoadBookFile(WidePath(Path(name)), book, problem)) << problem.text << " " << Utf8(problem.detail);
    return book;
}
