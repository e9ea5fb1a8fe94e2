// The program's error list shown in windows: the error-list dialog (193) and the records forwarded to the main window.
#pragma once

#include <windows.h>

// Shows the error-list dialog over the main window, then empties the list; nothing when the list is empty.
void ShowErrorList(BOOL showTimes);
// Sends every record, in arrival order, to the program's main window (WM_ZR_ERROR_RECORD, wParam 0) and frees it.
// Call it on the main window's thread. Without a main window the records stay in the list.
void ForwardErrorsToWindow();
