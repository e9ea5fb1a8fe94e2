// The installation registry key that the stand-in names: ZRT_INSTALL_KEY when set, else the default key.
#pragma once

#include <windows.h>

// Fills `path` (at most size - 1 characters) and returns the root key, or 0 when the key cannot be named: an
// unknown root in ZRT_INSTALL_KEY, an empty path, or a path that does not fit.
HKEY FindInstallationKey(char* path, int size);
