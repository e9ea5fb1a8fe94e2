// Host browsing: the host's lists are moved into the outside browser, browser A waiting for the user's choice and
// browser B filling a window of the caller.
#include "ZRManager.h"

namespace
{
constexpr DWORD BrowserPollMs = 100;
// A window that never validates itself is offered WM_PAINT again at once; one poll paints at most this often.
constexpr int PaintsPerPoll = 64;
}

BOOL CZRManager::OpenBrowse()
{
    // The host's Open reads the browse request instead of a transfer while the busy flag is set.
    SetBrowseBusy(1);
    DSRecordLayout* layout = nullptr;
    bool ok = m_host && m_browserA && m_host->Open(nullptr) && m_host->GetRecordLayout(&layout) &&
              m_browserA->Open(nullptr) && m_browserA->SetRecordLayout(layout);
    SetBrowseBusy(0);
    return ok;
}

BOOL CZRManager::OpenBrowseToWindow(LPARAM argument)
{
    SetBrowseBusy(1);
    DSRecordLayout* layout = nullptr;
    bool ok = m_host && m_browserB && m_host->Open(nullptr) && m_host->GetRecordLayout(&layout) &&
              m_browserB->Open(reinterpret_cast<HANDLE>(argument)) && m_browserB->SetRecordLayout(layout);
    SetBrowseBusy(0);
    return ok;
}

// Moves the host's list field by field into the browser until the host's data ends or, when asked, the browser
// has had enough. The field record is shared with BrowseData, which may send it once more as the end field.
BOOL CZRManager::MoveFields(DataSourceFunctions* browser, BOOL stopAtBrowserEnd)
{
    DSField field = {};
    bool ok = true;
    while (ok && !m_host->EndOfData() && !(stopAtBrowserEnd && browser->EndOfData()))
        ok = m_host->GetField(&field) && browser->PutField(&field) && m_host->NextField() && browser->NextField();
    if (ok && stopAtBrowserEnd && m_host->EndOfData())
    {
        // A field of type 0 tells the browser that the list is complete.
        field.type = 0;
        ok = browser->PutField(&field);
    }
    return ok;
}

// While the user chooses, the calling thread paints its windows and drops every other message.
void CZRManager::DispatchPaintMessages() const
{
    MSG message;
    int paints = 0;
    while (paints < PaintsPerPoll && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (message.message == WM_PAINT)
        {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            ++paints;
        }
    }
}

BOOL CZRManager::BrowseData()
{
    if (!m_host || !m_browserA)
        return FALSE;
    if (!MoveFields(m_browserA, TRUE))
        return FALSE;
    while (!m_browserA->EndOfData())
    {
        DispatchPaintMessages();
        Sleep(BrowserPollMs);
    }
    return TRUE;
}

BOOL CZRManager::BrowseDataToWindow()
{
    return m_host && m_browserB && MoveFields(m_browserB, FALSE);
}

BOOL CZRManager::CloseBrowse()
{
    bool host = !m_host || m_host->Close();
    bool browser = !m_browserA || m_browserA->Close();
    return host && browser;
}

BOOL CZRManager::CloseBrowseToWindow()
{
    bool host = !m_host || m_host->Close();
    bool browser = !m_browserB || m_browserB->Close();
    return host && browser;
}
