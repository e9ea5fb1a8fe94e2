#include "PlainSelect.h"

#include "AsciiText.h"

#include <sstream>
#include <vector>

namespace
{
constexpr size_t kMaxNameLength = 10;

// A host name: it also becomes part of a path in the host store, so nothing else may pass.
bool IsHostName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxNameLength)
        return false;
    for (char c : name)
    {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '@' && c != '#' && c != '$' && c != '_')
            return false;
    }
    return true;
}

bool ParseAppcTable(const std::string& name, PlainSelectTable& table)
{
    size_t slash = name.find('/');
    if (slash == std::string::npos)
        return false;
    table.library = name.substr(0, slash);
    std::string rest = name.substr(slash + 1);
    size_t open = rest.find('(');
    table.file = rest.substr(0, open);
    table.member.clear();
    if (open != std::string::npos)
    {
        if (rest.back() != ')')
            return false;
        table.member = rest.substr(open + 1, rest.size() - open - 2);
        if (ToAsciiUpper(table.member) == "*FIRST")
            table.member.clear();
        if (!table.member.empty() && !IsHostName(table.member))
            return false;
    }
    return IsHostName(table.library) && IsHostName(table.file);
}

bool ParseTcpipTable(const std::string& name, PlainSelectTable& table)
{
    size_t dot = name.find('.');
    if (dot == std::string::npos)
        return false;
    table.library = name.substr(0, dot);
    table.file = name.substr(dot + 1);
    table.member.clear();
    return IsHostName(table.library) && IsHostName(table.file);
}
}

bool ParsePlainSelect(const std::string& statement, TableSyntax syntax, PlainSelectTable& table)
{
    std::istringstream in(statement);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    if (words.size() != 4 || ToAsciiUpper(words[0]) != "SELECT" || words[1] != "*" || ToAsciiUpper(words[2]) != "FROM")
        return false;
    bool parsed = syntax == TableSyntax::Appc ? ParseAppcTable(words[3], table) : ParseTcpipTable(words[3], table);
    if (!parsed)
        return false;
    table.library = ToAsciiUpper(table.library);
    table.file = ToAsciiUpper(table.file);
    table.member = ToAsciiUpper(table.member);
    return true;
}
