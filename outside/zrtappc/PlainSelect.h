// The one kind of statement the SQL stand-ins run: SELECT * FROM one table, nothing else.
#pragma once

#include <string>

// How the connection names a table: APPC library/file(member) (the member may be left out), TCP/IP library.file.
enum class TableSyntax
{
    Appc,
    Tcpip,
};

struct PlainSelectTable
{
    std::string library;  // upper case
    std::string file;     // upper case
    std::string member;   // upper case; empty for the first member
};

// TRUE when the statement is "SELECT * FROM <table>" (keywords in any case, words separated by blanks, blanks around
// the statement allowed) and the table is one name of the syntax, each name 1 to 10 letters, digits, "@", "#", "$"
// or "_". "*FIRST" as the member means the first member.
bool ParsePlainSelect(const std::string& statement, TableSyntax syntax, PlainSelectTable& table);
