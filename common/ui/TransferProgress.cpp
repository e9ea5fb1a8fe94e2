#include "TransferProgress.h"

#include "FwText.h"

namespace
{
const UINT_PTR kElapsedTimerId = 100;
const UINT kElapsedTimerPeriod = 1000;
const UINT_PTR kCountTimerId = 101;
const DWORD kCountRepaintPeriod = 100;
const char kTimeFormat[] = "%Dd %Hh %Mm %Ss";
}

CTransferProgress::CTransferProgress(UINT timeControl, UINT recordsControl)
    : m_timeControl(timeControl), m_recordsControl(recordsControl), m_time(FwFormatSpan(0, kTimeFormat)),
      m_startTime(time(nullptr))
{
}

void CTransferProgress::Restart()
{
    m_startTime = time(nullptr);
    m_time = FwFormatSpan(0, kTimeFormat);
    m_records.assign(1, '0');
    m_frozen = false;
}

void CTransferProgress::StartTimer()
{
    m_timerId = SetTimer(m_dialog, kElapsedTimerId, kElapsedTimerPeriod, nullptr);
}

void CTransferProgress::StopTimer()
{
    if (!m_frozen)
    {
        ShowElapsedTime();
    }
    if (m_timerId)
    {
        KillTimer(m_dialog, m_timerId);
        m_timerId = 0;
    }
}

void CTransferProgress::Freeze()
{
    StopTimer();
    m_frozen = true;
}

void CTransferProgress::TakeRecordCount(LPARAM count)
{
    // Taking a count costs next to nothing; repainting it for each one would leave the dialog working through a
    // backlog of counts long after the last record.
    m_records = FwFormat("%lld", static_cast<long long>(count));
    if (GetTickCount() - m_countShownAt >= kCountRepaintPeriod)
    {
        ShowRecordCount();
    }
    else if (!m_countTimerId)
    {
        m_countTimerId = SetTimer(m_dialog, kCountTimerId, kCountRepaintPeriod, nullptr);
    }
}

void CTransferProgress::ShowRecordCount()
{
    if (m_countTimerId)
    {
        KillTimer(m_dialog, m_countTimerId);
        m_countTimerId = 0;
    }
    SetDlgItemTextA(m_dialog, static_cast<int>(m_recordsControl), m_records.c_str());
    m_countShownAt = GetTickCount();
}

bool CTransferProgress::OnTimer(WPARAM timerId)
{
    if (m_inTimer)
    {
        return true;
    }
    if (timerId == m_countTimerId && m_countTimerId != 0)
    {
        ShowRecordCount();
        return true;
    }
    if (timerId != m_timerId || m_timerId == 0)
    {
        return false;
    }
    m_inTimer = true;
    ShowElapsedTime();
    m_inTimer = false;
    return true;
}

void CTransferProgress::ShowElapsedTime()
{
    m_time = FwFormatSpan(static_cast<long long>(difftime(time(nullptr), m_startTime)), kTimeFormat);
    SetDlgItemTextA(m_dialog, static_cast<int>(m_timeControl), m_time.c_str());
}
