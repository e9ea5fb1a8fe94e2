#include "FileDialog.h"

#include "FwFileDialog.h"

BOOL PromptFileName(char* path, BOOL open, DWORD flags, const char* initialFolder, const char* filter,
                    const char* defaultExtension, HWND owner)
{
    const std::string dialogFilter = FwMakeDialogFilter(filter);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = dialogFilter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = initialFolder;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = flags;
    return open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
}
