// The error record every library hands to the program through ErrorSinkFunctions.
#pragma once

#include "ZRApi.h"

// One block from the process heap (GetProcessHeap): this header, then the source name and the text, each with its
// terminating zero. Allocated by the reporting library, freed with HeapFree by the program that receives it.
// Block size: sizeof(ErrorRecord) + strlen(source) + strlen(text) + 2.
struct ErrorRecord
{
    char* source;  // base name of the reporting source file, e.g. "ZRProfile"; points into the block
    int line;
    char* text;       // the formatted message, control characters turned into blanks; points into the block
    SYSTEMTIME time;  // local time of the report
};

static_assert(sizeof(int) == 4 && sizeof(SYSTEMTIME) == 16);
static_assert(offsetof(ErrorRecord, source) == 0);
static_assert(offsetof(ErrorRecord, line) == sizeof(void*));
static_assert(offsetof(ErrorRecord, text) == 2 * sizeof(void*));
static_assert(offsetof(ErrorRecord, time) == 3 * sizeof(void*));
static_assert(sizeof(ErrorRecord) == 3 * sizeof(void*) + sizeof(SYSTEMTIME));
#ifdef _WIN64
static_assert(sizeof(ErrorRecord) == 40);
#endif
