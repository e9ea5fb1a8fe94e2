// Building and freeing ErrorRecord blocks on the process heap.
#pragma once

#include <windows.h>

#include <string_view>

#include "ZRErrorRecord.h"

// The base name of a source file path: after the last "/" or "\", without the extension. A view into the path.
std::string_view SourceBaseName(const char* sourcePath);
// Every character below a blank, taken unsigned, becomes a blank; accented letters stay.
void BlankControlCharacters(char* text);
// One process-heap block: the header, then `source` and `text` with their terminating zeros. Null when the heap
// has no room. Allocates nothing else and never throws, so that it serves the error sink's entries.
ErrorRecord* CreateErrorRecord(std::string_view source, int line, const char* text, const SYSTEMTIME& time);
void FreeErrorRecord(ErrorRecord* record);
