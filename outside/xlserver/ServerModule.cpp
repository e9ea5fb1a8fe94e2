// The in-process server: its class factory for the two class ids it stands in for, DllCanUnloadNow, and its
// registration (regsvr32) in the Wine prefix it runs in.
#include "ServerModule.h"

#include "Objects.h"
#include "OwnedHandles.h"
#include "Trace.h"

#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include <string>

namespace
{
HMODULE g_module = nullptr;
LONG g_locks = 0;

const wchar_t* const kClassIds[] = {L"{00020841-0000-0000-C000-000000000046}",
                                    L"{00024500-0000-0000-C000-000000000046}"};
const wchar_t kDescription[] = L"XlServer, automation stand-in of a spreadsheet application";

class CClassFactory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
        {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is one static object; its references keep the server loaded like locks.
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&g_locks)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&g_locks)); }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        CAutomationObject* application = nullptr;
        try
        {
            application = NewApplication();
        }
        catch (...)
        {
            return E_OUTOFMEMORY;
        }
        HRESULT result = application->QueryInterface(riid, object);
        application->Release();
        TraceLine("create Application");
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&g_locks);
        else
            InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

CClassFactory g_factory;

bool IsServedClass(REFCLSID clsid)
{
    for (const wchar_t* text : kClassIds)
    {
        CLSID served;
        if (SUCCEEDED(CLSIDFromString(text, &served)) && IsEqualCLSID(clsid, served))
            return true;
    }
    return false;
}

bool SetText(HKEY key, const wchar_t* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegisterClass(const wchar_t* classId, const std::wstring& path)
{
    const std::wstring keyName = std::wstring(L"CLSID\\") + classId;
    OwnedRegistryKey classKey, serverKey;
    return RegCreateKeyExW(HKEY_CLASSES_ROOT, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, classKey.Receive(),
                           nullptr) == ERROR_SUCCESS &&
           SetText(classKey.Get(), nullptr, kDescription) &&
           RegCreateKeyExW(classKey.Get(), L"InprocServer32", 0, nullptr, 0, KEY_WRITE, nullptr, serverKey.Receive(),
                           nullptr) == ERROR_SUCCESS &&
           SetText(serverKey.Get(), nullptr, path) && SetText(serverKey.Get(), L"ThreadingModel", L"Apartment");
}
}

HMODULE ServerModuleHandle()
{
    return g_module;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
        TraceLine("load");
    }
    else if (reason == DLL_PROCESS_DETACH && !reserved)
    {
        TraceLine("unload objects=" + std::to_string(LiveObjects()));
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsServedClass(clsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return LiveObjects() == 0 && InterlockedCompareExchange(&g_locks, 0, 0) == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return SELFREG_E_CLASS;
    for (const wchar_t* classId : kClassIds)
        if (!RegisterClass(classId, path))
            return SELFREG_E_CLASS;
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    for (const wchar_t* classId : kClassIds)
    {
        const std::wstring keyName = std::wstring(L"CLSID\\") + classId;
        LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, keyName.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
            return SELFREG_E_CLASS;
        RegDeleteKeyW(HKEY_CLASSES_ROOT, keyName.c_str());
    }
    return S_OK;
}
