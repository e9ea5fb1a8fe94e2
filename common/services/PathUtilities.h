// Folder checks and path shortening for display.
#pragma once

#include <windows.h>

#include <string>

// Nonzero when `path` names an existing directory; 0 for an existing file. A missing path is created (one level)
// when `create` is set, and the result of that returned; else 0.
BOOL EnsureDirectory(const char* path, BOOL create);
// Replaces the first segment after the first backslash that is not "..." and is followed by another backslash
// by "..."; 0 when there is none.
BOOL ShortenPath(std::string& path);
// The text before the last backslash; a backslash right after ":" (a drive root) stays. A path without a
// backslash gives an empty text.
std::string GetDirectoryOfPath(const char* path);
