// String ids of ZrtStart's texts (ZrtStart.rc).
#pragma once

#define IDS_USAGE 1
#define IDS_BAD_EVENT_NAME 2
#define IDS_EVENTS_IN_USE 3
#define IDS_CANNOT_CREATE_EVENTS 4
#define IDS_CANNOT_START 5
#define IDS_STARTED 6
#define IDS_SUCCESS_SET 7
#define IDS_FAILURE_SET 8
#define IDS_NO_EVENT 9
#define IDS_WINDOW_GONE 10
#define IDS_LOG_SAVED 11
#define IDS_LOG_NOT_SAVED 12
#define IDS_HOLD_TIMED_OUT 13
#define IDS_CLOSED 14
#define IDS_STILL_OPEN 15
