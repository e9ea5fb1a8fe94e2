// String ids of the stand-in's string table (XlServer.rc): the descriptions of its exceptions and the reasons why
// a file is no workbook.
#pragma once

// Exceptions of the objects.
#define IDS_CANNOT_OPEN 1  // '%ls' could not be opened: %ls
#define IDS_CANNOT_SAVE 2  // '%ls' could not be saved: %ls
#define IDS_QUIT 3
#define IDS_RANGE_CLOSED 4
#define IDS_SHEET_CLOSED 5
#define IDS_BOOK_CLOSED 6
#define IDS_NO_FILE_NAME 7
#define IDS_ITEM_OUTSIDE 8  // row, column
#define IDS_TOO_MANY_CELLS 9
#define IDS_VALUE_ARRAY_ONLY 10
#define IDS_ELEMENT_UNREADABLE 11
#define IDS_CELL_TYPE 12  // variant type

// Why a file is no workbook. The file's own problems take the line (%d), the sheet's the detail (%ls).
#define IDS_SYSTEM_MESSAGE 20  // the system's text, as it is
#define IDS_CANNOT_READ 21
#define IDS_XML_UNEXPECTED 30
#define IDS_XML_UNTERMINATED_MARKUP 31
#define IDS_XML_DOCUMENT_TYPE 32
#define IDS_XML_LT_IN_ATTRIBUTE 33
#define IDS_XML_UNTERMINATED_REFERENCE 34
#define IDS_XML_BAD_CHARACTER_REFERENCE 35
#define IDS_XML_UNKNOWN_ENTITY 36
#define IDS_XML_BAD_ATTRIBUTE 37
#define IDS_XML_ATTRIBUTE_WITHOUT_VALUE 38
#define IDS_XML_ATTRIBUTE_WITHOUT_QUOTES 39
#define IDS_XML_UNTERMINATED_ATTRIBUTE 40
#define IDS_XML_TOO_DEEP 41
#define IDS_XML_BAD_ELEMENT_NAME 42
#define IDS_XML_UNTERMINATED_ELEMENT 43
#define IDS_XML_MISMATCHED_END_TAG 44
#define IDS_XML_BAD_END_TAG 45
#define IDS_XML_UNTERMINATED_CDATA 46
#define IDS_BOOK_NOT_SPREADSHEETML 50
#define IDS_BOOK_NO_WORKSHEET 51
#define IDS_BOOK_BAD_INDEX 52     // element and index
#define IDS_BOOK_BEYOND_SHEET 53  // element and index
#define IDS_BOOK_BAD_DATA 54      // type and text
