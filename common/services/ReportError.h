// ReportError: every library's and program's way of reporting a failure into the program's error list.
#pragma once

#include <windows.h>

#include <cstdarg>

#include "ZRCallerTables.h"

// Loads string `stringId` from `module` (the reporting library's or program's own module, see GetOwnModule),
// formats it with the printf arguments, turns control characters into blanks and hands an ErrorRecord named after
// the base name of `sourcePath` to the sink's ReportRecord. Returns what ReportRecord returns, or 0 when the string
// is missing or the record cannot be made.
int ReportError(const char* sourcePath, int line, const ErrorSinkFunctions* sink, HMODULE module, UINT stringId, ...);
int ReportErrorV(const char* sourcePath, int line, const ErrorSinkFunctions* sink, HMODULE module, UINT stringId,
                 va_list arguments);
