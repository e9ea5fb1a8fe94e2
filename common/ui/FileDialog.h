// The common Open and Save dialogs.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

// Runs the Open (`open` nonzero) or Save dialog. `path` (MAX_PATH bytes) holds the initial file name and receives
// the chosen path; `filter` has "|" between its parts, as FwMakeDialogFilter takes it. Nonzero when the user chose
// a file.
BOOL PromptFileName(char* path, BOOL open, DWORD flags, const char* initialFolder, const char* filter,
                    const char* defaultExtension, HWND owner);
