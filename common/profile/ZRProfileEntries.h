// Reading the checked entries of a profile file: keywords, numbers in a range and paths.
#pragma once

#include "ZRIniFile.h"
#include "ZRKeywords.h"

// Longest path a profile holds, without the terminating zero.
inline constexpr int kMaxProfilePath = MAX_PATH - 1;

// TRUE and the code when the entry is present and one of the keywords.
BOOL ReadKeyword(const CZRIniFile& ini, const char* section, const char* key, std::span<const ZRKeyword> keywords,
                 int* code);

// A keyword entry with a default: an invalid value is rejected (strict) or replaced by `replacement` (lenient).
BOOL ReadKeywordEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key,
                      std::span<const ZRKeyword> keywords, int replacement, int* value);

// A decimal entry (digits alone) that must lie in [minimum, maximum]; a missing or other value is invalid, handled as
// by ReadKeywordEntry.
BOOL ReadRangeEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key, int minimum,
                    int maximum, int replacement, int* value);

// A path entry into `path` (MAX_PATH bytes): missing, longer than kMaxProfilePath or holding any of "*?<>|" is
// invalid and replaced (lenient) by the empty path.
BOOL ReadPathEntry(const CZRIniFile& ini, const char* source, const char* section, const char* key, char* path);
