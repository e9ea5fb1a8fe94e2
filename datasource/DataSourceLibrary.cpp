#include "DataSourceLibrary.h"

#include <vector>

namespace
{
HMODULE g_module = nullptr;
CDataSource* g_dataSource = nullptr;
// Objects that a factory call without the replace flag put aside: no longer reached through the table, destroyed
// when the library is freed so that their files and handles are released.
std::vector<CDataSource*> g_setAside;
DataSourceFunctions g_functions{};

template <typename Call>
auto Forward(Call call, decltype(call(nullptr)) failure) noexcept -> decltype(call(nullptr))
{
    if (!g_dataSource)
        return failure;
    try
    {
        return call(g_dataSource);
    }
    catch (...)
    {
        return failure;
    }
}

BOOL ZRTAPI EntryConnect()
{
    return Forward([](CDataSource* ds) { return ds->Connect(); }, FALSE);
}

BOOL ZRTAPI EntryQueryInfo(char* text, int* number1, int* number2)
{
    return Forward([&](CDataSource* ds) { return ds->QueryInfo(text, number1, number2); }, FALSE);
}

BOOL ZRTAPI EntryDisconnect()
{
    return Forward([](CDataSource* ds) { return ds->Disconnect(); }, FALSE);
}

BOOL ZRTAPI EntryOpen(HANDLE cancelEvent)
{
    return Forward([&](CDataSource* ds) { return ds->Open(cancelEvent); }, FALSE);
}

BOOL ZRTAPI EntryGetRecordLayout(DSRecordLayout** layout)
{
    return Forward([&](CDataSource* ds) { return ds->GetRecordLayout(layout); }, FALSE);
}

BOOL ZRTAPI EntrySetRecordLayout(const DSRecordLayout* otherSide)
{
    return Forward([&](CDataSource* ds) { return ds->SetRecordLayout(otherSide); }, FALSE);
}

BOOL ZRTAPI EntryClose()
{
    return Forward([](CDataSource* ds) { return ds->Close(); }, FALSE);
}

BOOL ZRTAPI EntryGetField(DSField* field)
{
    return Forward([&](CDataSource* ds) { return ds->GetField(field); }, FALSE);
}

BOOL ZRTAPI EntryPutField(const DSField* otherSide)
{
    return Forward([&](CDataSource* ds) { return ds->PutField(otherSide); }, FALSE);
}

BOOL ZRTAPI EntryNextField()
{
    return Forward([](CDataSource* ds) { return ds->NextField(); }, FALSE);
}

BOOL ZRTAPI EntryEndOfData()
{
    return Forward([](CDataSource* ds) { return ds->EndOfData(); }, FALSE);
}

int ZRTAPI EntryGetRecordCount()
{
    return g_dataSource ? g_dataSource->RecordCount() : 0;
}

void DestroyAll()
{
    delete g_dataSource;
    g_dataSource = nullptr;
    for (CDataSource* old : g_setAside)
        delete old;
    g_setAside.clear();
}
}

BOOL CreateDataSourceObject(DataSourceFactory factory, const ProfileCallbacks* profile,
                            const ErrorSinkFunctions* errorSink, const OptionCallbacks* options,
                            const EnvironmentCallbacks* environment, DataSourceFunctions** functions, BOOL replace)
{
    if (functions)
        *functions = nullptr;
    try
    {
        if (replace)
        {
            delete g_dataSource;
            g_dataSource = nullptr;
        }
        if (!functions || !profile || !errorSink)
            return FALSE;
        // Room to set the old object aside is made first: once the new object exists nothing may fail.
        g_setAside.reserve(g_setAside.size() + 1);
        CDataSource* created = factory(profile, errorSink, g_module);
        if (!created)
            return FALSE;
        if (g_dataSource)
            g_setAside.push_back(g_dataSource);
        g_dataSource = created;
        g_functions = DataSourceFunctions{
            EntryConnect, EntryQueryInfo, EntryDisconnect, EntryOpen,      EntryGetRecordLayout, EntrySetRecordLayout,
            EntryClose,   EntryGetField,  EntryPutField,   EntryNextField, EntryEndOfData,       EntryGetRecordCount};
        created->Attach(g_module, profile, errorSink, options, environment);
        *functions = &g_functions;
        return TRUE;
    }
    catch (...)
    {
        return FALSE;
    }
}

void DataSourceProcessAttach(HMODULE module)
{
    g_module = module;
}

void DataSourceProcessDetach(bool processEnding)
{
    if (!processEnding)
        DestroyAll();
}

HMODULE DataSourceModule()
{
    return g_module;
}

BOOL DataSourceDllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DataSourceProcessAttach(instance);
    else if (reason == DLL_PROCESS_DETACH)
        DataSourceProcessDetach(reserved != nullptr);
    return TRUE;
}
