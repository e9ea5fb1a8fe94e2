// What the parts of Zrtmgr share: the library's module, the one manager object and the source names of its reports.
#pragma once

#include "ZRManager.h"

// This library; every manager message is loaded from it.
extern HMODULE g_managerModule;
// The one manager object of the process; null before creation and after release.
extern CZRManager* g_manager;
// The table handed to the program.
extern ZRMFunctions g_managerFunctions;

// Source names of the manager's error records: the factory, thread and requests, and the manager classes.
inline constexpr char ZRM_SOURCE_INTERNAL[] = "ZRI_Manager";
inline constexpr char ZRM_SOURCE_MANAGER[] = "ZRManager";

// Fills g_managerFunctions.
void FillManagerFunctions();

// Worker thread: start, requests and shutdown with release of the manager object.
BOOL StartManagerThread(const ErrorSinkFunctions* errorSink);
BOOL PostManagerRequest(int request, LPARAM argument);
void ReleaseManager();
