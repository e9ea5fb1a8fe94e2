// What every data-source library shares around its one data-source object: the holder of that object, the twelve
// entries of its DataSourceFunctions, the steps of ZRTCreateObject and the process attach and detach.
// A library defines its export ZRTCreateObject (named in its .def file) and its DllMain with one line:
// ZRT_DATA_SOURCE_LIBRARY(<its DataSourceFactory>).
#pragma once

#include "DataSource.h"

#include <type_traits>

// Makes the library's data-source object from the caller's profile; reports its own failures through the sink
// with the library's module and returns null.
typedef CDataSource* (*DataSourceFactory)(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                          HMODULE module);

BOOL CreateDataSourceObject(DataSourceFactory factory, const ProfileCallbacks* profile,
                            const ErrorSinkFunctions* errorSink, const OptionCallbacks* options,
                            const EnvironmentCallbacks* environment, DataSourceFunctions** functions, BOOL replace);

void DataSourceProcessAttach(HMODULE module);
// processEnding: the process is ending (DllMain's reserved argument is set); then no object is destroyed, since
// other libraries may already be gone.
void DataSourceProcessDetach(bool processEnding);

HMODULE DataSourceModule();

// The DllMain of a data-source library: attach and detach as above.
BOOL DataSourceDllMain(HINSTANCE instance, DWORD reason, void* reserved);

#define ZRT_DATA_SOURCE_LIBRARY(factory)                                                                            \
    extern "C" BOOL ZRTAPI ZRTCreateObject(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,    \
                                           const OptionCallbacks* options, const EnvironmentCallbacks* environment, \
                                           DataSourceFunctions** functions, BOOL replace)                           \
    {                                                                                                               \
        return CreateDataSourceObject(factory, profile, errorSink, options, environment, functions, replace);       \
    }                                                                                                               \
    static_assert(std::is_same_v<decltype(ZRTCreateObject), ZRTCreateDataSourceFn>);                                \
    BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)                                           \
    {                                                                                                               \
        return DataSourceDllMain(instance, reason, reserved);                                                       \
    }
