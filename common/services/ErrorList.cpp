#include "ErrorList.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ErrorRecordBlock.h"

namespace
{

class Lock
{
public:
    explicit Lock(CRITICAL_SECTION& section) : m_section(section) { EnterCriticalSection(&m_section); }
    ~Lock() { LeaveCriticalSection(&m_section); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& m_section;
};

}

ErrorList::ErrorList()
{
    InitializeCriticalSection(&m_lock);
}

ErrorList::~ErrorList()
{
    Clear();
    DeleteCriticalSection(&m_lock);
}

void ErrorList::Append(ErrorRecord* record)
{
    Lock lock(m_lock);
    if (m_count == kCapacity)
    {
        FreeErrorRecord(m_records[0]);
        std::memmove(m_records, m_records + 1, (kCapacity - 1) * sizeof m_records[0]);
        m_count = kCapacity - 1;
    }
    m_records[m_count++] = record;
}

void ErrorList::Clear()
{
    Drain([](const ErrorRecord&) {});
}

BOOL ErrorList::HasRecords() const
{
    return GetCount() > 0;
}

int ErrorList::GetCount() const
{
    Lock lock(m_lock);
    return m_count;
}

void ErrorList::Drain(const std::function<void(const ErrorRecord&)>& visit)
{
    Lock lock(m_lock);
    // Taken out first: a record that `visit` itself reports on this thread stays in the list.
    std::vector<ErrorRecord*> records(m_records, m_records + m_count);
    std::fill(m_records, m_records + m_count, nullptr);
    m_count = 0;
    for (ErrorRecord* record : records)
    {
        visit(*record);
        FreeErrorRecord(record);
    }
}
