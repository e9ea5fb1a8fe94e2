// ErrorList: the program's error records in arrival order, at most 1000; records come from any thread.
#pragma once

#include <windows.h>

#include <functional>

#include "ZRErrorRecord.h"

class ErrorList
{
public:
    static const int kCapacity = 1000;

    ErrorList();
    ~ErrorList();
    ErrorList(const ErrorList&) = delete;
    ErrorList& operator=(const ErrorList&) = delete;

    // Takes the record over. When the list is full the oldest record is freed and dropped.
    void Append(ErrorRecord* record);
    // Frees every record.
    void Clear();
    BOOL HasRecords() const;
    int GetCount() const;

    // Under the lock: hands each record, in arrival order, to `visit`, then frees them all.
    void Drain(const std::function<void(const ErrorRecord&)>& visit);

    BOOL GetShowTimes() const { return m_showTimes; }
    void SetShowTimes(BOOL showTimes) { m_showTimes = showTimes; }

private:
    ErrorRecord* m_records[kCapacity] = {};
    int m_count = 0;
    bool m_showTimes = false;
    mutable CRITICAL_SECTION m_lock;
};
