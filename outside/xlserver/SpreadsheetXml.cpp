#include "SpreadsheetXml.h"

#include "OwnedHandles.h"
#include "XlServerTexts.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
struct ErrorName
{
    int code;
    const char* text;
};
// Excel's error values by their codes.
const ErrorName kErrors[] = {{2000, "#NULL!"}, {2007, "#DIV/0!"}, {2015, "#VALUE!"}, {2023, "#REF!"},
                             {2029, "#NAME?"}, {2036, "#NUM!"},   {2042, "#N/A"}};

std::string Escaped(const std::string& text, bool attribute)
{
    std::string out;
    for (unsigned char c : text)
    {
        switch (c)
        {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        default:
            if (c < 0x20)
            {
                char reference[8];
                std::snprintf(reference, sizeof reference, "&#%u;", c);
                out += reference;
            }
            else
                out += static_cast<char>(c);
        }
    }
    return out;
}

// The shortest text that reads back as the same double.
std::string NumberText(double value)
{
    char text[40];
    for (int digits = 15; digits <= 17; ++digits)
    {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

std::string DateText(double serial)
{
    SYSTEMTIME time = {};
    if (!VariantTimeToSystemTime(serial, &time))
        return "1899-12-30T00:00:00.000";
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
    return text;
}

bool ReadDate(const std::string& text, double& serial)
{
    SYSTEMTIME time = {};
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millis = 0;
    if (std::sscanf(text.c_str(), "%4u-%2u-%2uT%2u:%2u:%2u.%3u", &year, &month, &day, &hour, &minute, &second,
                    &millis) < 3)
        return false;
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = static_cast<WORD>(millis);
    return SystemTimeToVariantTime(&time, &serial) != FALSE;
}

std::string CellXml(int column, const Cell& cell)
{
    std::string type;
    std::string data;
    switch (cell.kind)
    {
    case CellKind::Number:
        type = "Number";
        data = NumberText(cell.number);
        break;
    case CellKind::Text:
        type = "String";
        data = Escaped(Utf8(cell.text), false);
        break;
    case CellKind::Boolean:
        type = "Boolean";
        data = cell.number != 0 ? "1" : "0";
        break;
    case CellKind::Date:
        type = "DateTime";
        data = DateText(cell.number);
        break;
    case CellKind::Error:
        type = "Error";
        data = "#N/A";
        for (const ErrorName& error : kErrors)
            if (error.code == static_cast<int>(cell.number))
                data = error.text;
        break;
    }
    return "    <Cell ss:Index=\"" + std::to_string(column) + "\"><Data ss:Type=\"" + type + "\">" + data +
           "</Data></Cell>\n";
}

FileProblem SheetProblem(unsigned text, const std::string& detail)
{
    return FileProblem{text, 0, Wide(detail)};
}

bool ReadIndex(const XmlElement& element, int previous, int limit, int& index, FileProblem& problem)
{
    auto found = element.attributes.find("Index");
    if (found == element.attributes.end())
    {
        index = previous + 1;
    }
    else
    {
        char* end = nullptr;
        long value = std::strtol(found->second.c_str(), &end, 10);
        if (found->second.empty() || *end != '\0' || value <= previous)
        {
            problem = SheetProblem(IDS_BOOK_BAD_INDEX, element.name + " \"" + found->second + "\"");
            return false;
        }
        index = static_cast<int>(value <= limit ? value : limit + 1);
    }
    if (index > limit)
    {
        problem = SheetProblem(IDS_BOOK_BEYOND_SHEET, element.name + " " + std::to_string(index));
        return false;
    }
    return true;
}

bool ReadCellData(const XmlElement& data, Cell& cell, FileProblem& problem)
{
    auto type = data.attributes.find("Type");
    const std::string kind = type == data.attributes.end() ? std::string() : type->second;
    const std::string text = data.AllText();
    if (kind == "String")
    {
        cell.kind = CellKind::Text;
        cell.text = Wide(text);
        return true;
    }
    if (kind == "Number")
    {
        char* end = nullptr;
        cell.kind = CellKind::Number;
        cell.number = std::strtod(text.c_str(), &end);
        if (!text.empty() && *end == '\0' && std::isfinite(cell.number))
            return true;
    }
    else if (kind == "Boolean")
    {
        cell.kind = CellKind::Boolean;
        cell.number = text == "1" ? 1 : 0;
        if (text == "1" || text == "0")
            return true;
    }
    else if (kind == "DateTime")
    {
        cell.kind = CellKind::Date;
        if (ReadDate(text, cell.number))
            return true;
    }
    else if (kind == "Error")
    {
        cell.kind = CellKind::Error;
        for (const ErrorName& error : kErrors)
            if (text == error.text)
            {
                cell.number = error.code;
                return true;
            }
    }
    problem = SheetProblem(IDS_BOOK_BAD_DATA, "\"" + kind + "\": \"" + text + "\"");
    return false;
}

bool ReadSheet(const XmlElement& worksheet, Sheet& sheet, FileProblem& problem)
{
    auto name = worksheet.attributes.find("Name");
    sheet.name = Wide(name == worksheet.attributes.end() ? std::string() : name->second);
    const XmlElement* table = worksheet.Child("Table");
    if (!table)
        return true;
    int row = 0;
    for (const XmlElement& rowElement : table->children)
    {
        if (rowElement.name != "Row")
            continue;
        if (!ReadIndex(rowElement, row, kSheetRows, row, problem))
            return false;
        int column = 0;
        for (const XmlElement& cellElement : rowElement.children)
        {
            if (cellElement.name != "Cell")
                continue;
            if (!ReadIndex(cellElement, column, kSheetColumns, column, problem))
                return false;
            const XmlElement* data = cellElement.Child("Data");
            if (!data)
                continue;
            Cell cell;
            if (!ReadCellData(*data, cell, problem))
                return false;
            sheet.cells[{row, column}] = cell;
        }
    }
    return true;
}

FileProblem SystemProblem(DWORD code)
{
    wchar_t text[512] = {};
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 512,
                        nullptr))
        std::swprintf(text, 512, L"%lu", static_cast<unsigned long>(code));
    std::wstring message = text;
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return FileProblem{IDS_SYSTEM_MESSAGE, 0, message};
}
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
    return out;
}

std::string WorkbookXml(const Book& book)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?mso-application progid=\"Excel.Sheet\"?>\n"
                      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
                      " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\n"
                      " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\n"
                      " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
                      " <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">\n"
                      "  <ActiveSheet>" +
                      std::to_string(book.active) + "</ActiveSheet>\n </ExcelWorkbook>\n";
    for (const Sheet& sheet : book.sheets)
    {
        xml += " <Worksheet ss:Name=\"" + Escaped(Utf8(sheet.name), true) + "\">\n  <Table>\n";
        int row = 0;
        for (const auto& [at, cell] : sheet.cells)
        {
            if (at.first != row)
            {
                if (row != 0)
                    xml += "   </Row>\n";
                row = at.first;
                xml += "   <Row ss:Index=\"" + std::to_string(row) + "\">\n";
            }
            xml += CellXml(at.second, cell);
        }
        if (row != 0)
            xml += "   </Row>\n";
        xml += "  </Table>\n </Worksheet>\n";
    }
    return xml + "</Workbook>\n";
}

bool ReadWorkbookXml(const std::string& text, Book& book, FileProblem& problem)
{
    XmlElement root;
    if (!ParseXml(text, root, problem))
        return false;
    if (root.name != "Workbook")
    {
        problem = FileProblem{IDS_BOOK_NOT_SPREADSHEETML, 0, std::wstring()};
        return false;
    }
    Book read;
    for (const XmlElement& child : root.children)
    {
        if (child.name != "Worksheet")
            continue;
        read.sheets.emplace_back();
        if (!ReadSheet(child, read.sheets.back(), problem))
            return false;
    }
    if (read.sheets.empty())
    {
        problem = FileProblem{IDS_BOOK_NO_WORKSHEET, 0, std::wstring()};
        return false;
    }
    if (const XmlElement* options = root.Child("ExcelWorkbook"))
        if (const XmlElement* active = options->Child("ActiveSheet"))
        {
            int index = std::atoi(active->AllText().c_str());
            if (index >= 0 && index < static_cast<int>(read.sheets.size()))
                read.active = index;
        }
    book = std::move(read);
    return true;
}

bool SaveBookFile(const Book& book, const std::wstring& path, FileProblem& problem)
{
    const std::string xml = WorkbookXml(book);
    OwnedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
    {
        problem = SystemProblem(GetLastError());
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file.Get(), xml.data(), static_cast<DWORD>(xml.size()), &written, nullptr) &&
              written == xml.size();
    DWORD error = GetLastError();
    // Closed here, so that a failure to close shows as a failure to save.
    ok = CloseHandle(file.Release()) && ok;
    if (!ok)
        problem = SystemProblem(error ? error : ERROR_WRITE_FAULT);
    return ok != FALSE;
}

bool LoadBookFile(const std::wstring& path, Book& book, FileProblem& problem)
{
    std::string text;
    {
        OwnedFile file(
            CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid())
        {
            problem = SystemProblem(GetLastError());
            return false;
        }
        LARGE_INTEGER size = {};
        bool ok = GetFileSizeEx(file.Get(), &size) && size.QuadPart < 256LL * 1024 * 1024;
        if (ok)
        {
            text.resize(static_cast<size_t>(size.QuadPart));
            DWORD read = 0;
            ok = text.empty() || (ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr) &&
                                  read == text.size());
        }
        if (!ok)
        {
            problem = FileProblem{IDS_CANNOT_READ, 0, std::wstring()};
            return false;
        }
    }
    if (!ReadWorkbookXml(text, book, problem))
        return false;
    book.path = path;
    return true;
}
