// The common Open and Save dialogs.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

// The dialog's filter from a text with "|" between its parts: every "|" becomes a zero, and the whole ends with
// two zeros.
std::string MakeDialogFilter(const char* filter);

// Runs the Open (`open` nonzero) or Save dialog. `path` (MAX_PATH bytes) holds the initial file name and receives
// the chosen path. Nonzero when the user chose a file.
BOOL PromptFileName(char* path, BOOL open, DWORD flags, const char* initialFolder, const char* filter,
                    const char* defaultExtension, HWND owner);
