#include "ProfileAccess.h"

#include "ZRProfile.h"
#include "ZRProfileContext.h"

#include <vector>

namespace
{
bool IsGeneralId(int id)
{
    return id >= ZRP_CONNECTION_TYPE && id <= ZRP_TRANSFER_TYPE;
}

bool IsPcId(int id)
{
    return id >= ZRP_PC_FILE_NAME && id <= ZRP_DECIMAL_CHAR_IS_DOT;
}
}

int GetParamInt(int id)
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return 0;
    }
    if (IsGeneralId(id))
    {
        return profile->General().Get(id);
    }
    if (IsPcId(id))
    {
        return profile->PcRequest() ? profile->PcRequest()->GetInt(id) : 0;
    }
    return profile->HostRequest() ? profile->HostRequest()->GetInt(id) : 0;
}

void SetParamInt(int id, int value)
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return;
    }
    if (IsGeneralId(id))
    {
        profile->General().Set(id, value);
    }
    else if (IsPcId(id))
    {
        if (profile->PcRequest())
        {
            profile->PcRequest()->SetValue(id, &value);
        }
    }
    else if (profile->HostRequest())
    {
        profile->HostRequest()->SetValue(id, &value);
    }
}

std::string GetParamText(int id)
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return std::string();
    }
    int size = -1;
    if (IsPcId(id) && profile->PcRequest())
    {
        size = profile->PcRequest()->GetSize(id);
    }
    else if (!IsPcId(id) && profile->HostRequest())
    {
        size = profile->HostRequest()->GetSize(id);
    }
    if (size <= 0)
    {
        return std::string();
    }
    std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
    BOOL got = IsPcId(id) ? profile->PcRequest()->GetValue(id, text.data())
                          : profile->HostRequest()->GetValue(id, text.data());
    return got ? std::string(text.data()) : std::string();
}

void SetParamText(int id, const std::string& text)
{
    CZRProfile* profile = GetCurrentProfile();
    if (!profile)
    {
        return;
    }
    if (IsPcId(id))
    {
        if (profile->PcRequest())
        {
            profile->PcRequest()->SetValue(id, text.c_str());
        }
    }
    else if (profile->HostRequest())
    {
        profile->HostRequest()->SetValue(id, text.c_str());
    }
}

char GetSessionLetter()
{
    CZRProfile* profile = GetCurrentProfile();
    char letter = 'A';
    if (profile && profile->HostRequest())
    {
        profile->HostRequest()->GetValue(ZRP_PRESENTATION_SPACE_ID, &letter);
    }
    return letter;
}

void SetSessionLetter(char letter)
{
    CZRProfile* profile = GetCurrentProfile();
    if (profile && profile->HostRequest())
    {
        profile->HostRequest()->SetValue(ZRP_PRESENTATION_SPACE_ID, &letter);
    }
}

void MarkProfileModified()
{
    if (CZRProfile* profile = GetCurrentProfile())
    {
        profile->SetModified(TRUE);
    }
}

bool IsAs400(const CZRProfile& profile)
{
    return profile.General().Get(ZRP_HOST_TYPE) == ZRHOST_AS400;
}

bool IsHostToPc(const CZRProfile& profile)
{
    return profile.General().Get(ZRP_DIRECTION) == ZRDIR_HOST_TO_PC;
}

bool HoldsMember(const CZRProfile& profile)
{
    return profile.HostRequest() && profile.HostRequest()->IsMemberName();
}

int PcFileTypeOf(const CZRProfile& profile)
{
    return profile.PcRequest() ? profile.PcRequest()->GetInt(ZRP_PC_FILE_TYPE) : 0;
}

int LocationParamId()
{
    CZRProfile* profile = GetCurrentProfile();
    return profile && !IsHostToPc(*profile) ? ZRP_HOST_TARGET_NAME : ZRP_HOST_SOURCE_NAME;
}

std::string LocationPart(size_t index)
{
    CZRProfile* profile = GetCurrentProfile();
    std::vector<std::string> parts;
    if (profile && profile->HostRequest())
    {
        profile->HostRequest()->SplitName(parts);
    }
    return index < parts.size() ? parts[index] : std::string();
}
