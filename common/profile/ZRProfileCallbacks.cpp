#include "ZRCallbacks.h"

#include "ZRProfile.h"
#include "ZRProfileContext.h"

ProfileCallbacks g_profileCallbacks;

namespace
{
// Each entry works on the profile that is current at the moment of the call.
CZRPcRequest* CurrentPc()
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr ? profile->PcRequest() : nullptr;
}

CZRRequestPart* CurrentHost()
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr ? profile->HostRequest() : nullptr;
}

BOOL ZRTAPI GetGeneral(int id, void* destination)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && destination != nullptr && profile->General().GetValue(id, destination);
}

BOOL ZRTAPI GetNotify(int id, void* destination)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && destination != nullptr && profile->Notify().GetValue(id, destination);
}

BOOL ZRTAPI GetPc(int id, void* destination)
{
    CZRPcRequest* part = CurrentPc();
    return part != nullptr && destination != nullptr && part->GetValue(id, destination);
}

BOOL ZRTAPI GetHost(int id, void* destination)
{
    CZRRequestPart* part = CurrentHost();
    return part != nullptr && destination != nullptr && part->GetValue(id, destination);
}

BOOL ZRTAPI GetBrowse(int id, void* destination)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && destination != nullptr && profile->Browse().GetValue(id, destination);
}

BOOL ZRTAPI SetGeneral(int id, const void* source)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && source != nullptr && profile->General().SetValue(id, source);
}

BOOL ZRTAPI SetNotify(int id, const void* source)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && source != nullptr && profile->Notify().SetValue(id, source);
}

BOOL ZRTAPI SetPc(int id, const void* source)
{
    CZRPcRequest* part = CurrentPc();
    return part != nullptr && source != nullptr && part->SetValue(id, source);
}

BOOL ZRTAPI SetHost(int id, const void* source)
{
    CZRRequestPart* part = CurrentHost();
    return part != nullptr && source != nullptr && part->SetValue(id, source);
}

BOOL ZRTAPI SetBrowse(int id, const void* source)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr && source != nullptr && profile->Browse().SetValue(id, source);
}

int ZRTAPI GetGeneralSize(int id)
{
    return GetCurrentProfile() != nullptr ? CZRGeneralParams::GetSize(id) : -1;
}

int ZRTAPI GetNotifySize(int id)
{
    CZRProfile* profile = GetCurrentProfile();
    return profile != nullptr ? profile->Notify().GetSize(id) : -1;
}

int ZRTAPI GetPcSize(int id)
{
    CZRPcRequest* part = CurrentPc();
    return part != nullptr ? part->GetSize(id) : -1;
}

int ZRTAPI GetHostSize(int id)
{
    CZRRequestPart* part = CurrentHost();
    return part != nullptr ? part->GetSize(id) : -1;
}
}

BOOL InstallProfileCallbacks(CZRProfile* profile)
{
    SetCurrentProfile(profile);
    g_profileCallbacks = {GetGeneral, GetNotify, GetPc,     GetHost,        GetBrowse,     SetGeneral, SetNotify,
                          SetPc,      SetHost,   SetBrowse, GetGeneralSize, GetNotifySize, GetPcSize,  GetHostSize};
    return TRUE;
}
