// Process-wide state of profile handling: the current profile, the reading mode, and the reports of profile reading.
#pragma once

#include <windows.h>

class CZRProfile;

// String ids of the profile messages; each program's string table holds its own text for them.
enum ZRProfileStringId : UINT
{
    IDS_ZR_ENTRY_INVALID = 10005,        // with the key: the read fails
    IDS_ZR_PROFILE_FILE_ACCESS = 10012,  // with the path: the file cannot be opened for reading and writing
    IDS_ZR_ENTRY_DEFAULTED = 10018,      // with the key: the default value is used
    IDS_ZR_NAME_INVALID_DESK = 10019,    // with the key: a host name was emptied (Zrtdesk's id)
    IDS_ZR_NAME_INVALID_BATCH = 10024,   // the same message in Zrtbatch's table
    IDS_ZR_MEMORY_ALLOCATION = 10020,
};

// Source names under which the profile code reports.
inline constexpr char kProfileSource[] = "ZRProfile";              // general group and PC parts
inline constexpr char kProfileHllApiSource[] = "ZRProfileHllAPI";  // HLLAPI host parts

// The profile that ProfileCallbacks work on and whose modified flag lenient reading sets; none by default.
CZRProfile* GetCurrentProfile();
void SetCurrentProfile(CZRProfile* profile);

// Reading mode: strict (nonzero) stops at the first invalid value, lenient (0) replaces it by its default.
void SetStrictProfileReading(BOOL strict);

// String id of the warning for an emptied host name: IDS_ZR_NAME_INVALID_DESK unless the program sets its own.
void SetProfileNameWarningId(UINT stringId);
UINT GetProfileNameWarningId();

// Reports a profile message with one text argument (the key or the path) through the program's error sink.
void ReportProfileMessage(const char* source, int line, UINT stringId, const char* argument = "");

// An entry that failed its check: reports it with the key and returns FALSE, so the read stops.
BOOL RejectEntry(const char* source, const char* key);

// An entry that failed its check and has a default. Strict reading rejects it (FALSE). Lenient reading marks the
// current profile modified, warns with `warningId` and the key, and returns TRUE: the caller stores the default.
BOOL DefaultEntry(const char* source, const char* key, UINT warningId = IDS_ZR_ENTRY_DEFAULTED);
