// What the tests of Zrtexcel share: the stand-in server registered, transfers through the data source's table,
// and workbook files made and read through the stand-in's own file code.
#pragma once

#include "AutomationServer.h"
#include "Book.h"
#include "SpreadsheetXml.h"
#include "TransferRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Records = std::vector<std::vector<std::string>>;

Cell TextCell(const std::wstring& text);
Cell NumberCell(double number);
// A workbook whose first sheet holds the rows from A1 on (an empty text leaves its cell empty).
Book BookOf(const std::vector<std::vector<Cell>>& rows);
// The cells of a sheet row by row from A1 to the last used cell, empty cells as empty texts.
std::vector<std::vector<std::wstring>> SheetTexts(const Sheet& sheet);

class ExcelTransfer : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterAutomationServer()); }

    // Host to PC into the workbook `name` of the runner's folder, or PC to host from it.
    TransferOutcome Write(const std::string& name, const std::vector<HostFieldDefinition>& fields,
                          const Records& records, int writeMode = ZRPCWM_CREATE);
    TransferOutcome Read(const std::string& name, const std::vector<HostFieldDefinition>& fields);

    std::string Path(const std::string& name) const { return m_runner.PathOf(name); }
    void SaveBook(const std::string& name, const Book& book);
    // The workbook as the stand-in reads it back; fails the test when it cannot.
    Book LoadBook(const std::string& name);

    TransferRunner m_runner{"Zrtexcel.dll"};
};
