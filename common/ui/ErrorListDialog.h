// The error-list dialog (193) of both programs.
#pragma once

#include <windows.h>

// Shows the error-list dialog over the main window, then empties the list; nothing when the list is empty.
void ShowErrorList(BOOL showTimes);
