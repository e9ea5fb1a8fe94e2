// The table list of an SQL host request and the statements assembled from its parts.
#pragma once

#include <string>
#include <vector>

// Fills `parts` with library, file, member and fourth part of every table of the list, in table order. The tables
// are items of the form library/file(member) or library/file(member,fourth part) joined with ", ".
void SplitTableList(const char* tables, std::vector<std::string>& parts);

// TRUE when the list holds no "),": a single table, or none.
bool IsSingleTableList(const char* tables);

// The table list as TCP/IP statements name it: "library.file" per table, "library.file Tk" (k counting from 1) when
// the list holds more than one table, joined with ", ".
std::string FormatTcpipTableList(const char* tables);

// The parts of a query; absent parts are empty texts.
struct ZRSqlQuery
{
    const char* select;
    const char* from;  // the table list in the connection's form
    const char* where;
    const char* join;
    const char* groupBy;
    const char* having;
    const char* orderBy;
    bool singleTable;
};

// "SELECT <select> FROM <from>", then " WHERE ...", " GROUP BY ...", " HAVING ..." and " ORDER BY ..." for the
// parts present.
std::string AssembleSelectStatement(const ZRSqlQuery& query);
// The head of the user-defined statement: "SELECT <select>".
std::string AssembleUserDefinedHead(const char* select);
// Its tail: "WHERE ..." (without a leading blank), then " GROUP BY ...", " HAVING ...", " ORDER BY ...".
std::string AssembleUserDefinedTail(const ZRSqlQuery& query);
// "<head> FROM <from> <tail>"; the blank before the tail is there also when the tail is empty.
std::string AssembleUserDefinedStatement(const char* head, const char* from, const char* tail);
