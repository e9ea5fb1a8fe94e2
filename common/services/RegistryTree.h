// Whole-tree operations on open registry keys.
#pragma once

#include <windows.h>

// Deletes every subkey of `key`, depth first; the key itself stays.
LONG DeleteRegistrySubkeys(HKEY key);
// Copies every value and, recursively, every subkey of `source` into `destination`. Stops at the first value or
// key that cannot be copied and returns its error.
LONG CopyRegistryTree(HKEY source, HKEY destination);
