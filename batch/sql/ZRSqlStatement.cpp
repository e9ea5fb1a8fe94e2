#include "ZRSqlStatement.h"

#include <cstring>

namespace
{
bool IsPresent(const char* text)
{
    return text != nullptr && text[0] != '\0';
}

std::string LeftTrimmed(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    return text.substr(first);
}

// Library, file, member and fourth part of one table item, appended to `parts`.
void SplitTable(const std::string& item, std::vector<std::string>& parts)
{
    std::string library, file, member, fourth;
    size_t slash = item.find('/');
    if (slash != std::string::npos)
    {
        library = LeftTrimmed(item.substr(0, slash));
        std::string rest = item.substr(slash + 1);
        size_t open = rest.find('(');
        if (open != std::string::npos)
        {
            file = rest.substr(0, open);
            rest = rest.substr(open + 1);
            size_t comma = rest.find(',');
            if (comma == std::string::npos)
            {
                size_t close = rest.find(')');
                if (close != std::string::npos)
                    member = rest.substr(0, close);
            }
            else
            {
                member = rest.substr(0, comma);
                size_t close = rest.find(')', comma + 1);
                if (close != std::string::npos)
                    fourth = rest.substr(comma + 1, close - comma - 1);
            }
        }
    }
    parts.push_back(library);
    parts.push_back(file);
    parts.push_back(member);
    parts.push_back(fourth);
}

// The where clause: with one table the where text alone; with more, the join text, " AND " and the where text.
std::string WhereClause(const char* keyword, const ZRSqlQuery& query)
{
    const bool where = IsPresent(query.where);
    if (query.singleTable)
        return where ? std::string(keyword) + query.where : std::string();
    const bool join = IsPresent(query.join);
    if (!where && !join)
        return std::string();
    std::string clause = keyword;
    if (join)
        clause += query.join;
    if (join && where)
        clause += " AND ";
    if (where)
        clause += query.where;
    return clause;
}

// " GROUP BY ", " HAVING " and " ORDER BY " with their texts, for the parts present.
std::string TrailingClauses(const ZRSqlQuery& query)
{
    std::string clauses;
    if (IsPresent(query.groupBy))
        clauses.append(" GROUP BY ").append(query.groupBy);
    if (IsPresent(query.having))
        clauses.append(" HAVING ").append(query.having);
    if (IsPresent(query.orderBy))
        clauses.append(" ORDER BY ").append(query.orderBy);
    return clauses;
}
}

void SplitTableList(const char* tables, std::vector<std::string>& parts)
{
    parts.clear();
    std::string rest = tables;
    if (rest.empty())
        return;
    for (;;)
    {
        size_t end = rest.find("),");
        if (end == std::string::npos)
        {
            SplitTable(rest, parts);
            return;
        }
        SplitTable(rest.substr(0, end + 1), parts);
        rest = rest.substr(end + 2);
    }
}

bool IsSingleTableList(const char* tables)
{
    return strstr(tables, "),") == nullptr;
}

std::string FormatTcpipTableList(const char* tables)
{
    std::vector<std::string> parts;
    SplitTableList(tables, parts);
    const bool single = IsSingleTableList(tables);
    std::string list;
    for (size_t table = 0; table * 4 < parts.size(); ++table)
    {
        if (table > 0)
            list += ", ";
        list += parts[table * 4] + "." + parts[table * 4 + 1];
        if (!single)
            list += " T" + std::to_string(table + 1);
    }
    return list;
}

std::string AssembleSelectStatement(const ZRSqlQuery& query)
{
    std::string statement = std::string("SELECT ") + query.select + " FROM " + query.from;
    return statement + WhereClause(" WHERE ", query) + TrailingClauses(query);
}

std::string AssembleUserDefinedHead(const char* select)
{
    return std::string("SELECT ") + select;
}

std::string AssembleUserDefinedTail(const ZRSqlQuery& query)
{
    return WhereClause("WHERE ", query) + TrailingClauses(query);
}

std::string AssembleUserDefinedStatement(const char* head, const char* from, const char* tail)
{
    return std::string(head) + " FROM " + from + " " + tail;
}
