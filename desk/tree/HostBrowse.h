// Host browsing for the property panels and the wizard pages: the confirmation before a browse, the browse itself
// through the transfer manager and the outside host browser, the host sessions in a combo box and the host write
// modes in a list box.
#pragma once

#include <windows.h>

#include <string>

// TRUE when the user wants to browse: at once after "Don't show this dialog box again" was ticked, else the
// confirmation's answer (Esc and the close box count as No and leave the setting as it was).
BOOL ConfirmHostBrowse();
// Shows the confirmation again before the next browse (the state at program start).
void ResetHostBrowseConfirmation();

// Browses the host: `kind` is "TABLES", "COLUMNS" or "DATA"; the names say where, `current` the name to offer
// first. The choice comes back in the browse parameters 502 to 504 (GetBrowseResult). `owner`'s top-level window
// is disabled while the browser runs; afterwards the main frame takes the manager's notifications.
void BrowseHost(HWND owner, const char* kind, const std::string& library, const std::string& file,
                const std::string& member, const std::string& current);
// Browse parameter 502, 503 or 504 as the browse left it.
std::string GetBrowseResult(int id);

// Fills `combo` with the emulator's sessions (letter as item data) and selects `letter`'s entry or the first.
void FillSessionCombo(HWND combo, char letter);
// "%c (available)", "%c (in use)" or "%c (not accessible)" of `letter`.
std::string GetSessionText(char letter);

// The host write modes of a list box (parameter 308 codes as item data).
enum class HostWriteModes
{
    As400PcToHost,
    S36File,
    S36Member,
};
void FillHostWriteModeList(HWND listBox, HostWriteModes modes);
