// The host sessions of the emulator as the host library reports them through the manager, for a combo box.
#pragma once

#include <windows.h>

struct ZRMFunctions;

// Empties the combo and fills it with one item per session, "%c (available)" or "%c (in use)", the letter as item
// data; when the sessions cannot be asked for, one item "%c (not accessible)" of `letter`. Selects the item of
// `letter`, else the first one. Shows the error list when it holds records.
void FillSessionCombo(HWND combo, char letter, const ZRMFunctions& manager);
