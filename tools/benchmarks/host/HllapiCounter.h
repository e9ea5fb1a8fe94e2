// The counting bridge of the host benchmark. Installed as KVHLL32.DLL in the program folder of a transfer, it loads
// the simulated host's bridge from KVHOST32.DLL beside it, passes every call on, counts the calls by function
// number and adds up the wall time spent answering them. It can record a transfer's calls with their answers, play
// the answers back to the same calls instead of asking the simulated host, and replay the recorded calls alone.
#pragma once

#include <windows.h>

inline constexpr char HLLAPI_COUNTER_FILE[] = "KVHLL32.DLL";
inline constexpr char HLLAPI_COUNTER_TARGET_FILE[] = "KVHOST32.DLL";
inline constexpr char HLLAPI_COUNTER_READ[] = "HllapiCounterRead";
inline constexpr char HLLAPI_COUNTER_RESET[] = "HllapiCounterReset";
inline constexpr char HLLAPI_COUNTER_RECORD[] = "HllapiCounterRecord";
inline constexpr char HLLAPI_COUNTER_PLAYBACK[] = "HllapiCounterPlayback";
inline constexpr char HLLAPI_COUNTER_REPLAY[] = "HllapiCounterReplay";
inline constexpr char HLLAPI_COUNTER_RELEASE[] = "HllapiCounterRelease";

enum
{
    HLLAPI_COUNTER_FUNCTIONS = 64,      // function numbers 1-63; slot 0 counts every other number
    HLLAPI_COUNTER_AREA_POSITION = 81,  // the data area starts at (2, 1)
};

// Calls by function number, as one row of counts.
struct HllapiCallRow
{
    long long calls[HLLAPI_COUNTER_FUNCTIONS];
    long long total;
};

struct HllapiCounts
{
    HllapiCallRow all;      // every call since the last reset
    long long answerTicks;  // QueryPerformanceCounter ticks spent answering (in the simulated host's bridge)
    // Copies of the data area (Copy Presentation Space to String from, or Copy String to Presentation Space at,
    // row 2 column 1): one per screen of data, descriptions or field list that crossed the session.
    long long areaCopies;
    HllapiCallRow atSecondArea;  // the counts just after the second data-area copy
    HllapiCallRow atLastArea;    // the counts just after the latest data-area copy
    // Playing back: calls other than the recorded ones (or past their end), and recorded calls not made.
    long long unexpected;
    long long unanswered;
};

typedef void(WINAPI* HllapiCounterReadEntry)(HllapiCounts* counts);
typedef void(WINAPI* HllapiCounterResetEntry)();
// TRUE: forget what was recorded and record every call and its answer from now on; FALSE: stop recording.
typedef void(WINAPI* HllapiCounterRecordEntry)(BOOL on);
// TRUE: answer every call from the recording, from its first call on; FALSE: ask the simulated host again.
typedef void(WINAPI* HllapiCounterPlaybackEntry)(BOOL on);
// Makes the recorded calls again, in order, waiting for the notification event before each Query Host Update as a
// data source does, answered as the other calls are; gives the number of calls whose result differed.
typedef long long(WINAPI* HllapiCounterReplayEntry)();
// Frees the simulated host's bridge (its program state ends with it).
typedef void(WINAPI* HllapiCounterReleaseEntry)();
