// Helpers that the property panels and the wizard pages share: the PC file-type and write-mode lists, the PC file
// and description-file dialogs, and the one-line profile caption.
#pragma once

#include <windows.h>

#include <string>

// Loads string `stringId`, adds it to the list box and gives it `code` as item data.
void AddListBoxItem(HWND listBox, UINT stringId, int code);
// Every PC file type the transfers can write.
void FillPcFileTypeList(HWND listBox);
// The PC file types that can be read as well (no WKQ, WKS, Excel 5.0).
void FillPcFileTypeListReduced(HWND listBox);
// "Create file", "Replace file", and "Append to file" when `withAppend` is set.
void FillWriteModeList(HWND listBox, BOOL withAppend);

// The Open dialog for a PC file of `pcFileType`, starting with `path`; on OK `path` is the full path of the choice.
BOOL BrowsePcFile(std::string& path, HWND owner, int pcFileType);
// The Open dialog for a description file, starting with the edit's text; on OK the edit shows the full path.
BOOL BrowseDescriptionFile(HWND edit, HWND owner);

// "%s-to-%s via %s, %s": the host and the PC in the transfer's direction, the HLLAPI connection and the kind of
// transfer.
std::string FormatProfileCaption(bool hostToPc, const std::string& host, const std::string& transfer);
