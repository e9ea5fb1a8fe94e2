#include "FwCmdTarget.h"

namespace
{
bool CodeMatches(UINT wanted, UINT code)
{
    if (wanted == FW_ANY)
    {
        return true;
    }
    if (wanted == FW_COMMAND_CODE)
    {
        return code == 0 || code == 1;
    }
    return wanted == code;
}

bool EntryMatches(const FwMessageEntry& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.message != message)
    {
        return false;
    }
    if (message == WM_COMMAND)
    {
        return CodeMatches(entry.code, HIWORD(wParam)) && (entry.id == FW_ANY || entry.id == LOWORD(wParam));
    }
    if (message == WM_NOTIFY)
    {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return CodeMatches(entry.code, header->code) && (entry.id == FW_ANY || entry.id == header->idFrom);
    }
    if (message == FW_UPDATE_COMMAND_UI)
    {
        return entry.id == FW_ANY || entry.id == wParam;
    }
    return true;
}
}

const FwMessageMap* CFwCmdTarget::ClassMessageMap()
{
    static const FwMessageMap map{nullptr, {}};
    return &map;
}

BOOL CFwCmdTarget::OnCmdMsg(UINT id, UINT code, CFwCmdUI* ui)
{
    LRESULT result = 0;
    if (ui)
    {
        return DispatchMessageMap(FW_UPDATE_COMMAND_UI, id, reinterpret_cast<LPARAM>(ui), &result);
    }
    return DispatchMessageMap(WM_COMMAND, MAKEWPARAM(id, code), 0, &result);
}

BOOL CFwCmdTarget::HasCommandHandler(UINT id) const
{
    for (const FwMessageMap* map = GetMessageMap(); map; map = map->base)
    {
        for (const FwMessageEntry& entry : map->entries)
        {
            if (entry.message == WM_COMMAND && entry.id == id && CodeMatches(entry.code, 0))
            {
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CFwCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const FwMessageMap* map = GetMessageMap(); map; map = map->base)
    {
        for (const FwMessageEntry& entry : map->entries)
        {
            if (!EntryMatches(entry, message, wParam, lParam))
            {
                continue;
            }
            UINT savedMessage = m_currentMessage;
            WPARAM savedWParam = m_currentWParam;
            LPARAM savedLParam = m_currentLParam;
            bool savedDefault = m_defaultRequested;
            m_currentMessage = message;
            m_currentWParam = wParam;
            m_currentLParam = lParam;
            m_defaultRequested = false;
            std::shared_ptr<bool> alive = m_alive;
            *result = (this->*entry.handler)(wParam, lParam);
            if (!*alive)
            {
                return TRUE;
            }
            bool handled = !m_defaultRequested;
            m_currentMessage = savedMessage;
            m_currentWParam = savedWParam;
            m_currentLParam = savedLParam;
            m_defaultRequested = savedDefault;
            return handled;
        }
    }
    return FALSE;
}
