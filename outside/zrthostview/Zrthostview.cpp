// Zrthostview's export and entry point: two browsers, each behind a table of its own. The factory called with the
// replace flag makes browser A anew (and drops browser B); called without it, it makes browser B anew.
#include "HostBrowser.h"

#include <new>
#include <type_traits>
#include <utility>

namespace
{
enum Slot
{
    SlotA = 0,
    SlotB = 1,
};

HMODULE g_module = nullptr;
CHostBrowser* g_browsers[2] = {};

template <int slot>
struct BrowserEntries
{
    template <typename Call>
    static auto Forward(Call call, decltype(call(std::declval<CHostBrowser&>())) failure) noexcept
        -> decltype(call(std::declval<CHostBrowser&>()))
    {
        CHostBrowser* browser = g_browsers[slot];
        if (!browser)
            return failure;
        try
        {
            return call(*browser);
        }
        catch (const std::bad_alloc&)
        {
            browser->ReportOutOfMemory();
            return failure;
        }
        catch (...)
        {
            return failure;
        }
    }

    static BOOL ZRTAPI Connect()
    {
        return Forward([](CHostBrowser& b) { return b.Connect(); }, FALSE);
    }
    static BOOL ZRTAPI QueryInfo(char*, int*, int*) { return FALSE; }
    static BOOL ZRTAPI Disconnect()
    {
        return Forward([](CHostBrowser& b) { return b.Disconnect(); }, FALSE);
    }
    static BOOL ZRTAPI Open(HANDLE argument)
    {
        return Forward([&](CHostBrowser& b) { return b.Open(argument); }, FALSE);
    }
    static BOOL ZRTAPI GetRecordLayout(DSRecordLayout**) { return FALSE; }
    static BOOL ZRTAPI SetRecordLayout(const DSRecordLayout* host)
    {
        return Forward([&](CHostBrowser& b) { return b.SetRecordLayout(host); }, FALSE);
    }
    static BOOL ZRTAPI Close()
    {
        return Forward([](CHostBrowser& b) { return b.Close(); }, FALSE);
    }
    static BOOL ZRTAPI GetField(DSField*) { return FALSE; }
    static BOOL ZRTAPI PutField(const DSField* host)
    {
        return Forward([&](CHostBrowser& b) { return b.PutField(host); }, FALSE);
    }
    static BOOL ZRTAPI NextField()
    {
        return Forward([](CHostBrowser& b) { return b.NextField(); }, FALSE);
    }
    static BOOL ZRTAPI EndOfData()
    {
        return Forward([](CHostBrowser& b) { return b.EndOfData(); }, FALSE);
    }
    static int ZRTAPI GetRecordCount()
    {
        return Forward([](CHostBrowser& b) { return b.GetRecordCount(); }, 0);
    }

    static constexpr DataSourceFunctions kTable = {Connect,         QueryInfo,       Disconnect, Open,
                                                   GetRecordLayout, SetRecordLayout, Close,      GetField,
                                                   PutField,        NextField,       EndOfData,  GetRecordCount};
};

DataSourceFunctions g_tables[2] = {BrowserEntries<SlotA>::kTable, BrowserEntries<SlotB>::kTable};

void Destroy(int slot)
{
    delete g_browsers[slot];
    g_browsers[slot] = nullptr;
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks*, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    if (functions)
        *functions = nullptr;
    try
    {
        if (replace)
            Destroy(SlotB);
        const int slot = replace ? SlotA : SlotB;
        Destroy(slot);
        if (!functions || !profile || !errorSink)
            return FALSE;
        g_browsers[slot] = new (std::nothrow)
            CHostBrowser(slot == SlotA ? 'A' : 'B', g_module, profile, errorSink, environment);
        if (!g_browsers[slot])
            return FALSE;
        *functions = &g_tables[slot];
        return TRUE;
    }
    catch (...)
    {
        return FALSE;
    }
}
static_assert(std::is_same_v<decltype(ZRTCreateObject), ZRTCreateDataSourceFn>);

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = instance;
    else if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
    {
        for (CHostBrowser* browser : g_browsers)
        {
            if (browser)
                browser->AbandonWindow();
        }
        Destroy(SlotA);
        Destroy(SlotB);
    }
    return TRUE;
}
