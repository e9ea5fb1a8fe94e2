#include "ZRProfileGroups.h"

#include "ZRValueCopy.h"

const int* CZRGeneralParams::Slot(int id) const
{
    switch (id)
    {
    case ZRP_CONNECTION_TYPE:
        return &m_connectionType;
    case ZRP_CHARACTER_SET:
        return &m_characterSet;
    case ZRP_DIRECTION:
        return &m_direction;
    case ZRP_HOST_TYPE:
        return &m_hostType;
    case ZRP_AUTO_CLOSE:
        return &m_autoClose;
    case ZRP_TRANSFER_TYPE:
        return &m_transferType;
    default:
        return nullptr;
    }
}

BOOL CZRGeneralParams::GetValue(int id, void* destination) const
{
    const int* slot = Slot(id);
    return slot != nullptr && CopyIntOut(*slot, destination);
}

BOOL CZRGeneralParams::SetValue(int id, const void* source)
{
    int* slot = const_cast<int*>(Slot(id));
    return slot != nullptr && CopyIntIn(slot, source);
}

int CZRGeneralParams::GetSize(int id)
{
    return (id >= ZRP_CONNECTION_TYPE && id <= ZRP_TRANSFER_TYPE) ? static_cast<int>(sizeof(int)) : -1;
}

int CZRGeneralParams::Get(int id) const
{
    const int* slot = Slot(id);
    return slot != nullptr ? *slot : 0;
}

void CZRGeneralParams::Set(int id, int value)
{
    SetValue(id, &value);
}

BOOL CZRNotifyParams::GetValue(int id, void* destination) const
{
    if (id == ZRP_NOTIFY_MESSAGE)
        return CopyIntOut(m_message, destination);
    if (id < ZRP_NOTIFY_TEXT_1 || id > ZRP_NOTIFY_TEXT_4)
        return FALSE;
    return CopyTextOut(m_texts[id - ZRP_NOTIFY_TEXT_1].Get(), destination);
}

BOOL CZRNotifyParams::SetValue(int id, const void* source)
{
    if (id == ZRP_NOTIFY_MESSAGE)
        return CopyIntIn(&m_message, source);
    if (id < ZRP_NOTIFY_TEXT_1 || id > ZRP_NOTIFY_TEXT_4)
        return FALSE;
    m_texts[id - ZRP_NOTIFY_TEXT_1].Set(static_cast<const char*>(source));
    return TRUE;
}

int CZRNotifyParams::GetSize(int id) const
{
    if (id == ZRP_NOTIFY_MESSAGE)
        return sizeof(int);
    if (id < ZRP_NOTIFY_TEXT_1 || id > ZRP_NOTIFY_TEXT_4)
        return -1;
    return m_texts[id - ZRP_NOTIFY_TEXT_1].Size();
}

void CZRNotifyParams::Clear()
{
    for (CZROwnedText& text : m_texts)
        text.Free();
    m_message = 0;
}

BOOL CZRParamGroup400::GetValue(int id, void* destination) const
{
    if (id < ZRP_GROUP400_1 || id > ZRP_GROUP400_3)
        return FALSE;
    return CopyIntOut(m_values[id - ZRP_GROUP400_1], destination);
}

BOOL CZRParamGroup400::SetValue(int id, const void* source)
{
    if (id < ZRP_GROUP400_1 || id > ZRP_GROUP400_3)
        return FALSE;
    return CopyIntIn(&m_values[id - ZRP_GROUP400_1], source);
}

int CZRParamGroup400::GetSize(int id)
{
    return (id >= ZRP_GROUP400_1 && id <= ZRP_GROUP400_3) ? static_cast<int>(sizeof(int)) : -1;
}

void CZRParamGroup400::Clear()
{
    for (int& value : m_values)
        value = 0;
}

CZRHostBrowseParams::TextSlot CZRHostBrowseParams::Text(int id) const
{
    switch (id)
    {
    case ZRP_BROWSE_REQUEST:
        return {m_request, sizeof m_request};
    case ZRP_BROWSE_LIBRARY:
        return {m_library, sizeof m_library};
    case ZRP_BROWSE_FILE:
        return {m_file, sizeof m_file};
    case ZRP_BROWSE_MEMBER:
        return {m_member, sizeof m_member};
    case ZRP_BROWSE_CURRENT:
        return {m_current, sizeof m_current};
    default:
        return {nullptr, 0};
    }
}

BOOL CZRHostBrowseParams::GetValue(int id, void* destination) const
{
    if (id == ZRP_BROWSE_BUSY)
        return CopyIntOut(m_busy, destination);
    TextSlot slot = Text(id);
    return slot.text != nullptr && CopyTextOut(slot.text, destination);
}

BOOL CZRHostBrowseParams::SetValue(int id, const void* source)
{
    if (id == ZRP_BROWSE_BUSY)
        return CopyIntIn(&m_busy, source);
    TextSlot slot = Text(id);
    if (slot.text == nullptr)
        return FALSE;
    CopyBounded(const_cast<char*>(slot.text), slot.size, static_cast<const char*>(source));
    return TRUE;
}

void CZRHostBrowseParams::Clear()
{
    m_library[0] = m_file[0] = m_member[0] = m_request[0] = m_current[0] = '\0';
    m_busy = 0;
}
