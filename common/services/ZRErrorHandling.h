// The program's error list and the ErrorSinkFunctions through which every library reports into it.
#pragma once

#include <windows.h>

#include "ErrorList.h"
#include "ZRCallerTables.h"

// Message with which ForwardErrorsToWindow (ErrorListDialog.h) sends each record to the main window (lParam: the
// record).
const UINT WM_ZR_ERROR_RECORD = WM_USER + 2;

// The program's one error list.
ErrorList& GetErrorList();

// Fills the program's ErrorSinkFunctions (the first step of start-up) and returns 1.
BOOL InstallErrorContext();
const ErrorSinkFunctions* GetErrorSinkFunctions();

// Entries of ErrorSinkFunctions. ReportText makes the record itself (source "ZRErrorHandling", line 317, local time).
BOOL ZRTAPI ReportText(const char* text);
BOOL ZRTAPI ReportRecord(ErrorRecord* record);

void ClearErrorList();
