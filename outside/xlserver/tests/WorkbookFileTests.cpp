// The stand-in's workbook files: SpreadsheetML written and read back, files of other writers read, others refused.
#include "SpreadsheetXml.h"
#include "XlServerTexts.h"

#include <gtest/gtest.h>

namespace
{
Cell Of(CellKind kind, double number, const std::wstring& text = L"")
{
    Cell cell;
    cell.kind = kind;
    cell.number = number;
    cell.text = text;
    return cell;
}

bool SameCells(const Sheet& a, const Sheet& b)
{
    if (a.cells.size() != b.cells.size())
        return false;
    for (const auto& [at, cell] : a.cells)
    {
        auto found = b.cells.find(at);
        if (found == b.cells.end() || found->second.kind != cell.kind || found->second.number != cell.number ||
            found->second.text != cell.text)
            return false;
    }
    return true;
}
}

TEST(WorkbookFile, EveryKindOfCellAndEverySheetComesBack)
{
    Book book = NewBook();
    book.active = 1;
    book.sheets[1].name = L"Q&A <\"2\">";
    Sheet& sheet = book.sheets[0];
    sheet.cells[{1, 1}] = Of(CellKind::Text, 0, L"  blanks kept  ");
    sheet.cells[{1, 256}] = Of(CellKind::Text, 0, L"a&b<c>\"d\"\ttab\r\nline \u00e9\u20ac");
    sheet.cells[{2, 2}] = Of(CellKind::Number, 0.1);
    sheet.cells[{2, 3}] = Of(CellKind::Number, -12345678901234.5);
    sheet.cells[{65536, 1}] = Of(CellKind::Number, 1e300);
    sheet.cells[{3, 1}] = Of(CellKind::Boolean, 1);
    sheet.cells[{3, 2}] = Of(CellKind::Date, 45000.5);
    sheet.cells[{3, 3}] = Of(CellKind::Error, 2042);
    book.sheets[2].cells[{7, 7}] = Of(CellKind::Text, 0, L"");

    Book read;
    FileProblem problem;
    ASSERT_TRUE(ReadWorkbookXml(WorkbookXml(book), read, problem)) << problem.text;
    ASSERT_EQ(3u, read.sheets.size());
    EXPECT_EQ(1, read.active);
    EXPECT_EQ(book.sheets[1].name, read.sheets[1].name);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(SameCells(book.sheets[i], read.sheets[i])) << i;
}

TEST(WorkbookFile, RowsAndCellsWithoutIndexFollowTheOnesBefore)
{
    const std::string xml = "<?xml version=\"1.0\"?><!-- another writer -->"
                            "<ss:Workbook xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">"
                            "<ss:Styles><ss:Style ss:ID=\"s1\"/></ss:Styles><ss:Worksheet ss:Name=\"S\"><ss:Table>"
                            "<ss:Row><ss:Cell><ss:Data ss:Type=\"String\"><![CDATA[x<y]]></ss:Data></ss:Cell>"
                            "<ss:Cell ss:Index=\"3\"><ss:Data ss:Type=\"Number\">7</ss:Data></ss:Cell>"
                            "<ss:Cell><ss:Data ss:Type=\"String\">&#65;&#x42;</ss:Data></ss:Cell></ss:Row>"
                            "<ss:Row ss:Index=\"5\"><ss:Cell/><ss:Cell><ss:Data ss:Type=\"Boolean\">0</ss:Data>"
                            "</ss:Cell></ss:Row></ss:Table></ss:Worksheet></ss:Workbook>";
    Book book;
    FileProblem problem;
    ASSERT_TRUE(ReadWorkbookXml(xml, book, problem)) << problem.text;
    const Sheet& sheet = book.sheets.at(0);
    EXPECT_EQ(L"x<y", sheet.cells.at({1, 1}).text);
    EXPECT_EQ(7, sheet.cells.at({1, 3}).number);
    EXPECT_EQ(L"AB", sheet.cells.at({1, 4}).text);
    EXPECT_EQ(CellKind::Boolean, sheet.cells.at({5, 2}).kind);
    EXPECT_EQ(4u, sheet.cells.size());
}

TEST(WorkbookFile, WhatIsNoWorkbookIsRefusedWithItsReason)
{
    const std::pair<const char*, FileProblem> refused[] = {
        {"", {IDS_XML_UNEXPECTED, 1, L""}},
        {"PK\x03\x04", {IDS_XML_UNEXPECTED, 1, L""}},
        {"<Workbook>\n<Worksheet></Workbook>", {IDS_XML_MISMATCHED_END_TAG, 2, L""}},
        {"<Table/>", {IDS_BOOK_NOT_SPREADSHEETML, 0, L""}},
        {"<Workbook/>", {IDS_BOOK_NO_WORKSHEET, 0, L""}},
        {"<!DOCTYPE x><Workbook/>", {IDS_XML_DOCUMENT_TYPE, 1, L""}},
        {"<Workbook><Worksheet><Table><Row><Cell><Data ss:Type=\"Number\">1,5</Data></Cell></Row></Table>"
         "</Worksheet></Workbook>",
         {IDS_BOOK_BAD_DATA, 0, L"\"Number\": \"1,5\""}},
        {"<Workbook><Worksheet><Table><Row ss:Index=\"65537\"/></Table></Worksheet></Workbook>",
         {IDS_BOOK_BEYOND_SHEET, 0, L"Row 65537"}},
        {"<Workbook><Worksheet><Table><Row><Cell ss:Index=\"2\"/><Cell ss:Index=\"1\"/></Row></Table></Worksheet>"
         "</Workbook>",
         {IDS_BOOK_BAD_INDEX, 0, L"Cell \"1\""}},
    };
    for (const auto& [xml, expected] : refused)
    {
        Book book;
        FileProblem problem;
        EXPECT_FALSE(ReadWorkbookXml(xml, book, problem)) << xml;
        EXPECT_EQ(expected.text, problem.text) << xml;
        EXPECT_EQ(expected.line, problem.line) << xml;
        EXPECT_EQ(expected.detail, problem.detail) << xml;
    }
}
