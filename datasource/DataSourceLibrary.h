// What every data-source library shares around its one data-source object: the holder of that object, the twelve
// entries of its DataSourceFunctions, the steps of ZRTCreateObject and the process attach and detach.
// A library exports its own ZRTCreateObject (by its .def file) and forwards to CreateDataSourceObject, and calls
// DataSourceProcessAttach and DataSourceProcessDetach from its DllMain.
#pragma once

#include "DataSource.h"

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
