// The parameter groups a profile holds besides its request parts. Each get or set returns TRUE for the group's own
// ids, else FALSE with nothing touched; a size is -1 for a foreign id.
#pragma once

#include "ZROwnedText.h"
#include "ZRProfileParams.h"

// Ids 1-6, 32-bit integers, in this order: connection type, character set, direction, host type, auto close,
// transfer type.
class CZRGeneralParams
{
public:
    BOOL GetValue(int id, void* destination) const;
    BOOL SetValue(int id, const void* source);
    static int GetSize(int id);

    // The value of an id of the group (0 for another id).
    int Get(int id) const;
    void Set(int id, int value);

private:
    const int* Slot(int id) const;

    int m_connectionType = 0;
    int m_characterSet = 0;
    int m_direction = 0;
    int m_hostType = 0;
    int m_autoClose = 1;
    int m_transferType = 0;
};

// Ids 100-103 (texts, absent until set) and 104 (the window-message number of the manager's notifications).
class CZRNotifyParams
{
public:
    BOOL GetValue(int id, void* destination) const;
    BOOL SetValue(int id, const void* source);
    int GetSize(int id) const;
    void Clear();

private:
    static constexpr int kTextCount = ZRP_NOTIFY_MESSAGE - ZRP_NOTIFY_TEXT_1;
    CZROwnedText m_texts[kTextCount];
    int m_message = 0;
};

// Ids 400-402, 32-bit integers.
class CZRParamGroup400
{
public:
    BOOL GetValue(int id, void* destination) const;
    BOOL SetValue(int id, const void* source);
    static int GetSize(int id);
    void Clear();

private:
    int m_values[3] = {};
};

// Ids 500-505 of host browsing: fixed texts (cut to their capacity when set) and the busy flag. No size operation.
class CZRHostBrowseParams
{
public:
    BOOL GetValue(int id, void* destination) const;
    BOOL SetValue(int id, const void* source);
    void Clear();

private:
    struct TextSlot
    {
        const char* text;
        size_t size;
    };
    // The text and capacity of a text id; {nullptr, 0} for another id.
    TextSlot Text(int id) const;

    char m_library[ZR_BROWSE_NAME_SIZE] = "";
    char m_file[ZR_BROWSE_NAME_SIZE] = "";
    char m_member[ZR_BROWSE_NAME_SIZE] = "";
    char m_request[ZR_BROWSE_REQUEST_SIZE] = "";
    char m_current[ZR_BROWSE_CURRENT_SIZE] = "";
    int m_busy = 0;
};
