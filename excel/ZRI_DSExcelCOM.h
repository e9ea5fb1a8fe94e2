// The factory of Zrtexcel: the data source for the profile's transfer direction.
#pragma once

#include "DataSource.h"

CDataSource* CreateExcelDataSource(const ProfileCallbacks* profile, const ErrorSinkFunctions* errorSink,
                                   HMODULE module);
