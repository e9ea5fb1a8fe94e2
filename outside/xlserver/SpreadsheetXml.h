// Workbook files of the stand-in: SpreadsheetML 2003 (XML Spreadsheet), a public format that other spreadsheet
// programs read. Written: every sheet with its name, the active sheet, and each cell with its row and column index
// and its type (Number, String, Boolean, DateTime, Error). Read: such files, whether the stand-in wrote them or not,
// as far as sheets, rows, cells and their data go; styles, formulas and everything else are passed over.
#pragma once

#include "Book.h"
#include "XmlReader.h"

#include <string>

std::string WorkbookXml(const Book& book);
// False with the problem when the text is not such a workbook.
bool ReadWorkbookXml(const std::string& text, Book& book, FileProblem& problem);

// The file as a whole, opened without sharing. False with the problem (the system's message or the format's).
bool SaveBookFile(const Book& book, const std::wstring& path, FileProblem& problem);
bool LoadBookFile(const std::wstring& path, Book& book, FileProblem& problem);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);
