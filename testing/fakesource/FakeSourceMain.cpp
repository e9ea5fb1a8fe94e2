// The scripted fake data-source library: its entry point, its ZRTCreateObject and two tables of entries, so that
// it can also serve as the browser library, which hands out two independent browsers.
#include "FakeCallLog.h"
#include "FakeDataSource.h"

#include <algorithm>
#include <cctype>

namespace
{
std::string g_folder;
std::string g_library;
CFakeDataSource* g_objects[2] = {};
DataSourceFunctions g_tables[2] = {};

template <int I>
struct Entries
{
    static BOOL ZRTAPI Connect() { return g_objects[I]->Connect(); }
    static BOOL ZRTAPI QueryInfo(char* text, int* n1, int* n2) { return g_objects[I]->QueryInfo(text, n1, n2); }
    static BOOL ZRTAPI Disconnect() { return g_objects[I]->Disconnect(); }
    static BOOL ZRTAPI Open(HANDLE cancelEvent) { return g_objects[I]->Open(cancelEvent); }
    static BOOL ZRTAPI GetRecordLayout(DSRecordLayout** layout) { return g_objects[I]->GetRecordLayout(layout); }
    static BOOL ZRTAPI SetRecordLayout(const DSRecordLayout* other) { return g_objects[I]->SetRecordLayout(other); }
    static BOOL ZRTAPI Close() { return g_objects[I]->Close(); }
    static BOOL ZRTAPI GetField(DSField* field) { return g_objects[I]->GetField(field); }
    static BOOL ZRTAPI PutField(const DSField* field) { return g_objects[I]->PutField(field); }
    static BOOL ZRTAPI NextField() { return g_objects[I]->NextField(); }
    static BOOL ZRTAPI EndOfData() { return g_objects[I]->EndOfData(); }
    static int ZRTAPI GetRecordCount() { return g_objects[I]->GetRecordCount(); }

    static DataSourceFunctions Table()
    {
        return {Connect, QueryInfo, Disconnect, Open,      GetRecordLayout, SetRecordLayout,
                Close,   GetField,  PutField,   NextField, EndOfData,       GetRecordCount};
    }
};

void KnowOwnName(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string full(path);
    const size_t slash = full.find_last_of("\\/");
    g_folder = full.substr(0, slash);
    std::string name = full.substr(slash + 1);
    name = name.substr(0, name.find_last_of('.'));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(toupper(c)); });
    g_library = name;
    SetFakeLogFolder(g_folder);
}
}

extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                       const OptionCallbacks*, const EnvironmentCallbacks* environment,
                                       DataSourceFunctions** functions, BOOL replace)
{
    *functions = nullptr;
    const FakeScenario scenario = ReadFakeScenario(g_folder, g_library);
    const int slot = scenario.side == "browser" && !replace ? 1 : 0;
    const std::string name = slot == 1 ? g_library + ".B" : g_library;
    AppendFakeLog(name + " create replace=" + std::to_string(replace ? 1 : 0));
    if (scenario.failOperation == "Factory")
    {
        errorSink->ReportText(("FAKE " + name + " Factory failed").c_str());
        return FALSE;
    }
    int direction = 0;
    profile->GetGeneral(ZRP_DIRECTION, &direction);
    const bool hostSide = scenario.side == "host";
    const bool isSource = scenario.side != "browser" && hostSide == (direction == ZRDIR_HOST_TO_PC);
    delete g_objects[slot];
    g_objects[slot] = new CFakeDataSource(name, scenario, isSource, profile, errorSink, environment);
    *functions = &g_tables[slot];
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        KnowOwnName(instance);
        g_tables[0] = Entries<0>::Table();
        g_tables[1] = Entries<1>::Table();
        AppendFakeLog(g_library + " attach");
    }
    else if (reason == DLL_PROCESS_DETACH)
    {
        AppendFakeLog(g_library + " detach");
        if (!reserved)
            for (CFakeDataSource*& object : g_objects)
            {
                delete object;
                object = nullptr;
            }
    }
    return TRUE;
}
