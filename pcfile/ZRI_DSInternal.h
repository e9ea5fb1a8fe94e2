// The factory of Zrtpcfile's data sources: one class by transfer direction and PC file type.
#pragma once

#include "DataSource.h"

// Reads the direction (parameter 3) and the PC file type (201) and makes the matching data source; reports
// ZRI001, ZRI002 or ZRI003 and gives null when it cannot.
CDataSource* CreatePcFileDataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                    HMODULE module);
