#include "ZRHostRequestSqlH2P.h"

#include "ZRForeignRequest.h"
#include "ZRIniFile.h"
#include "ZRProfileContext.h"
#include "ZRProfileParams.h"
#include "ZRValueCopy.h"

#include <cstring>
#include <new>

namespace
{
// Largest number of keys of each numbered list.
constexpr int kMaxSelectKeys = 256;
constexpr int kMaxFromKeys = 32;
constexpr int kMaxJoinKeys = 32;
constexpr int kMaxGroupByKeys = 50;
constexpr int kMaxOrderByKeys = 120;

const char kListSeparator[] = ", ";
const char kJoinSeparator[] = " AND ";

bool IsSet(const char* text)
{
    return text != nullptr && text[0] != '\0';
}

// One table of the "SQL from" keys: library/file(member), or library/file(member,fourth part).
std::string TableKeyValue(const std::vector<std::string>& parts, size_t first)
{
    std::string value = parts[first] + "/" + parts[first + 1] + "(" + parts[first + 2];
    if (!parts[first + 3].empty())
        value += "," + parts[first + 3];
    return value + ")";
}
}

CZRHostRequestSqlH2P::CZRHostRequestSqlH2P(const ZRSqlConnection& connection) : m_connection(connection)
{
    StoreText(m_select, "*");
}

BOOL CZRHostRequestSqlH2P::Write(const char* fileName)
{
    CZRIniFile ini(fileName);
    try
    {
        return WriteKeys(ini);
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
}

BOOL CZRHostRequestSqlH2P::WriteKeys(const CZRIniFile& ini) const
{
    std::vector<std::string> parts;
    SplitName(parts);
    std::vector<std::string> tables;
    for (size_t first = 0; first + 3 < parts.size(); first += 4)
        tables.push_back(TableKeyValue(parts, first));
    return ini.WriteText(kSqlHostSection, "System name", m_systemName) &&
           WriteNumberedValues(ini, "SQL select", SplitSqlList(m_select.Get(), ",")) &&
           WriteNumberedValues(ini, "SQL from", tables) && WriteAtDelimitedText(ini, "SQL where", m_where.Get()) &&
           WriteNumberedValues(ini, "SQL join", SplitSqlList(m_join.Get(), kJoinSeparator)) &&
           WriteNumberedValues(ini, "SQL group by", SplitSqlList(m_groupBy.Get(), ",")) &&
           WriteAtDelimitedText(ini, "SQL having", m_having.Get()) &&
           WriteNumberedValues(ini, "SQL order by", SplitSqlList(m_orderBy.Get(), ",")) &&
           WriteAtDelimitedText(ini, "SQL user defined1", m_head.Get()) &&
           WriteAtDelimitedText(ini, "SQL user defined2", m_tail.Get());
}

BOOL CZRHostRequestSqlH2P::Read(const char* fileName)
{
    CZRIniFile ini(fileName);
    try
    {
        if (!ReadKeys(ini))
            return FALSE;
    }
    catch (const std::bad_alloc&)
    {
        ReportProfileMessage(m_connection.source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
        return FALSE;
    }
    // A statement that cannot be assembled has been reported; the profile itself was read.
    BuildUserDefinedStatement();
    return TRUE;
}

BOOL CZRHostRequestSqlH2P::ReadKeys(const CZRIniFile& ini)
{
    const char* source = m_connection.source;
    std::string text;
    if (!ReadSystemName(ini, "System name", m_systemName))
        return RejectEntry(source, "System name");
    ReadNumberedKey(ini, "SQL select", kMaxSelectKeys, kListSeparator, m_connection.selectStopsAtComma, text);
    if (!StoreText(m_select, text.c_str()))
        return FALSE;
    ReadNumberedKey(ini, "SQL from", kMaxFromKeys, kListSeparator, false, text);
    if (text.empty())
        return RejectEntry(source, "SQL from");
    if (!StoreText(m_tables, text.c_str()))
        return FALSE;
    // The query parts fail without a message of their own.
    auto list = [&](const char* key, int maxKeys, const char* separator, CZROwnedText& target) {
        return ReadNumberedKey(ini, key, maxKeys, separator, false, text) && StoreText(target, text.c_str());
    };
    auto pieces = [&](const char* key, CZROwnedText& target) {
        return ReadAtDelimitedText(ini, key, text) && StoreText(target, text.c_str());
    };
    if (!pieces("SQL where", m_where) || !list("SQL join", kMaxJoinKeys, kJoinSeparator, m_join) ||
        !list("SQL group by", kMaxGroupByKeys, kListSeparator, m_groupBy) || !pieces("SQL having", m_having) ||
        !list("SQL order by", kMaxOrderByKeys, kListSeparator, m_orderBy))
        return FALSE;
    m_fresh = 0;
    for (auto [key, target] : {std::pair{"SQL user defined1", &m_head}, std::pair{"SQL user defined2", &m_tail}})
    {
        if (!ReadAtDelimitedText(ini, key, text))
            return RejectEntry(source, key);
        if (!StoreText(*target, text.c_str()))
            return FALSE;
    }
    return StoreText(m_extra, "");
}

CZROwnedText* CZRHostRequestSqlH2P::FindText(int id)
{
    return const_cast<CZROwnedText*>(static_cast<const CZRHostRequestSqlH2P*>(this)->FindText(id));
}

const CZROwnedText* CZRHostRequestSqlH2P::FindText(int id) const
{
    switch (id)
    {
    case ZRP_SQL_SELECT:
        return &m_select;
    case ZRP_HOST_SOURCE_NAME:
        return &m_tables;
    case ZRP_SQL_WHERE:
        return &m_where;
    case ZRP_SQL_JOIN:
        return &m_join;
    case ZRP_SQL_GROUP_BY:
        return &m_groupBy;
    case ZRP_SQL_HAVING:
        return &m_having;
    case ZRP_SQL_ORDER_BY:
        return &m_orderBy;
    case ZRP_SQL_STATEMENT:
        return &m_statement;
    case ZRP_SQL_USER_DEFINED_HEAD:
        return &m_head;
    case ZRP_SQL_USER_DEFINED_TAIL:
        return &m_tail;
    case ZRP_SQL_EXTRA_TEXT:
        return &m_extra;
    default:
        return nullptr;
    }
}

BOOL CZRHostRequestSqlH2P::GetValue(int id, void* destination) const
{
    if (id == ZRP_SQL_SYSTEM_NAME)
        return CopyTextOut(m_systemName, destination);
    if (id == ZRP_SQL_FRESH)
        return CopyIntOut(m_fresh, destination);
    if (const CZROwnedText* text = FindText(id))
        return CopyTextOut(text->Get(), destination);
    return FALSE;
}

BOOL CZRHostRequestSqlH2P::SetValue(int id, const void* source)
{
    if (id == ZRP_SQL_SYSTEM_NAME)
    {
        CopyBounded(m_systemName, sizeof m_systemName, static_cast<const char*>(source));
        return TRUE;
    }
    if (id == ZRP_SQL_FRESH)
        return CopyIntIn(&m_fresh, source);
    if (CZROwnedText* text = FindText(id))
    {
        StoreText(*text, static_cast<const char*>(source));
        return TRUE;
    }
    return FALSE;
}

int CZRHostRequestSqlH2P::GetSize(int id) const
{
    if (id == ZRP_SQL_SYSTEM_NAME)
        return static_cast<int>(strlen(m_systemName)) + 1;
    if (id == ZRP_SQL_FRESH)
        return sizeof(int);
    if (const CZROwnedText* text = FindText(id))
        return text->Size();
    return -1;
}

void CZRHostRequestSqlH2P::Reset()
{
    for (CZROwnedText* text : {&m_select, &m_tables, &m_where, &m_join, &m_groupBy, &m_having, &m_orderBy, &m_statement,
                               &m_head, &m_tail, &m_extra})
        text->Free();
    m_systemName[0] = '\0';
    StoreText(m_select, "*");
    m_fresh = 1;
}

void CZRHostRequestSqlH2P::SplitName(std::vector<std::string>& parts) const
{
    SplitTableList(m_tables.Get(), parts);
}

BOOL CZRHostRequestSqlH2P::IsSingleTable() const
{
    return IsSingleTableList(m_tables.Get());
}

ZRSqlQuery CZRHostRequestSqlH2P::Query(const char* from) const
{
    return ZRSqlQuery{m_select.Get(),  from,           m_where.Get(),   m_join.Get(),
                      m_groupBy.Get(), m_having.Get(), m_orderBy.Get(), IsSingleTable() != FALSE};
}

template <typename Assemble>
BOOL CZRHostRequestSqlH2P::StoreAssembled(CZROwnedText& text, Assemble assemble) const
{
    try
    {
        return StoreText(text, assemble().c_str());
    }
    catch (const std::bad_alloc&)
    {
        ReportProfileMessage(m_connection.source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
        return FALSE;
    }
}

BOOL CZRHostRequestSqlH2P::BuildSelectStatement()
{
    return StoreAssembled(m_statement, [this] { return AssembleSelectStatement(Query(FromText().c_str())); });
}

BOOL CZRHostRequestSqlH2P::BuildUserDefinedStatement()
{
    return StoreAssembled(
        m_statement, [this] { return AssembleUserDefinedStatement(m_head.Get(), FromText().c_str(), m_tail.Get()); });
}

BOOL CZRHostRequestSqlH2P::BuildUserDefinedParts()
{
    bool head = StoreAssembled(m_head, [this] { return AssembleUserDefinedHead(m_select.Get()); });
    bool tail = StoreAssembled(m_tail, [this] { return AssembleUserDefinedTail(Query("")); });
    return head && tail;
}

BOOL CZRHostRequestSqlH2P::StoreText(CZROwnedText& text, const char* value) const
{
    if (text.Set(value))
        return TRUE;
    ReportProfileMessage(m_connection.source, __LINE__, IDS_ZR_MEMORY_ALLOCATION);
    return FALSE;
}

BOOL CZRHostRequestSqlH2P::ImportQuery(const ZRForeignRequest& record)
{
    if (IsSet(record.systemName))
        CopyBounded(m_systemName, sizeof m_systemName, record.systemName);
    const std::pair<CZROwnedText*, const char*> texts[] = {
        {&m_tables, record.tableList}, {&m_select, record.selectList},   {&m_where, record.whereText},
        {&m_join, record.joinText},    {&m_groupBy, record.groupByList}, {&m_orderBy, record.orderByList},
        {&m_having, record.havingText}};
    bool copied = true;
    for (const auto& [text, value] : texts)
        copied = (!IsSet(value) || StoreText(*text, value)) && copied;
    bool assembled = BuildSelectStatement();
    assembled = BuildUserDefinedParts() && assembled;
    return copied && assembled && (!IsSet(record.extraText) || StoreText(m_extra, record.extraText));
}
