// Opening both sides of a transfer, the field loop with cancellation and record counts, and closing.
#include "ZRManager.h"

namespace
{
// The cancel event is tested before the first field and then at this interval: a wait is a kernel call, far dearer
// than moving a field, and a Stop does not need a faster answer.
constexpr DWORD CancelTestIntervalMs = 10;
}

void CZRManager::DuplicateCancelEvent(HANDLE cancelEvent)
{
    m_cancelEvent = DuplicateOwnHandle(cancelEvent);
}

void CZRManager::ForgetCancelEvent()
{
    m_cancelEvent.Reset();
}

BOOL CZRManager::SetBrowseBusy(int busy) const
{
    return m_profile->SetBrowse(ZRP_BROWSE_BUSY, &busy);
}

BOOL CZRManager::OpenTransfer(HANDLE cancelEvent)
{
    SetBrowseBusy(0);
    bool refreshed = RefreshHost() && RefreshPc();
    DuplicateCancelEvent(cancelEvent);
    bool ok = false;
    if (refreshed && m_host && m_pc)
    {
        // The host side always opens first and defines the layout, in both directions.
        DSRecordLayout* layout = nullptr;
        ok = m_host->Open(m_cancelEvent.Get()) && m_host->GetRecordLayout(&layout) && m_pc->Open(m_cancelEvent.Get()) &&
             m_pc->SetRecordLayout(layout);
    }
    PointSourceAndDestination();
    return ok;
}

BOOL CZRManager::CancelRequested(DWORD* lastTest) const
{
    if (!m_cancelEvent)
        return FALSE;
    DWORD now = GetTickCount();
    if (*lastTest != 0 && now - *lastTest < CancelTestIntervalMs)
        return FALSE;
    *lastTest = now ? now : 1;
    return WaitForSingleObject(m_cancelEvent.Get(), 0) == WAIT_OBJECT_0;
}

BOOL CZRManager::TransferData()
{
    if (!m_source || !m_destination || !m_host)
        return FALSE;
    DSField field = {};
    DWORD lastCount = 0;
    DWORD lastCancelTest = 0;
    bool ok = true;
    while (ok)
    {
        if (m_source->EndOfData() || CancelRequested(&lastCancelTest))
            break;
        ok = m_source->GetField(&field) && m_destination->PutField(&field) && m_source->NextField() &&
             m_destination->NextField();
        if (m_environment->hwndNotify)
        {
            DWORD count = static_cast<DWORD>(m_source->GetRecordCount());
            if (count > lastCount)
            {
                lastCount = count;
                if (count % 10 == 0)
                    NotifyRecordCount(static_cast<int>(count));
            }
        }
    }
    // The host side counts the records in both directions.
    if (m_environment->hwndNotify)
        NotifyRecordCount(m_host->GetRecordCount());
    ForgetCancelEvent();
    // A cancelled transfer still finishes the destination, so that what was moved stays there.
    return ok && m_destination->EndOfData();
}

BOOL CZRManager::CloseTransfer()
{
    // A cancel duplicate left by an open whose transfer never ran is given back here.
    ForgetCancelEvent();
    bool host = !m_host || m_host->Close();
    bool pc = !m_pc || m_pc->Close();
    return host && pc;
}
