// Building and freeing ErrorRecord blocks on the process heap.
#pragma once

#include <windows.h>

#include <string>

#include "ZRErrorRecord.h"

// The base name of a source file path: after the last "/" or "\", without the extension.
std::string SourceBaseName(const char* sourcePath);
// Every character below a blank, taken unsigned, becomes a blank; accented letters stay.
void BlankControlCharacters(char* text);
// One process-heap block: the header, then `source` and `text` with their terminating zeros. Null when the heap
// has no room.
ErrorRecord* CreateErrorRecord(const char* source, int line, const char* text, const SYSTEMTIME& time);
void FreeErrorRecord(ErrorRecord* record);
