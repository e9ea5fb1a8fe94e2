// Window messages of Zrtbatch's main dialog.
#pragma once

#include <windows.h>

// lParam: an ErrorRecord that the error list forwards into the log.
const UINT WM_ZRTBATCH_LOG_ENTRY = WM_USER + 2;
// Posted to itself once the dialog shows: the run starts.
const UINT WM_ZRTBATCH_START = WM_USER + 4;
// The manager's notifications (profile parameter 104): wParam code, lParam value.
const UINT WM_ZRTBATCH_TRANSFER = WM_USER + 5;
// Posted by a double click on a log entry: the details dialog opens.
const UINT WM_ZRTBATCH_SHOW_DETAILS = WM_USER + 6;
