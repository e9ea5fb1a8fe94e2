// String ids of Zrts36's own messages (the session layer's are in HllapiMessages.h). Each id is the number of its
// code: IDS_S36_NOT_STARTED is ZRS030.
#pragma once

// Plain definitions, so that the resource compiler reads them too.
#define IDS_S36_NOT_STARTED 30
#define IDS_S36_NO_RECORD_MEMORY 31
#define IDS_S36_BAD_RECORD_LENGTH 32
#define IDS_S36_UNKNOWN_COMMAND 33
#define IDS_S36_INPUT_INHIBITED 34
#define IDS_S36_BAD_LIBRARY 35
#define IDS_S36_BAD_MEMBER 36
#define IDS_S36_BAD_FILE 37
#define IDS_S36_DESCR_NOT_OPENED 38
#define IDS_S36_DESCR_NOT_READ 39
#define IDS_S36_TOO_MANY_FIELDS 40
#define IDS_S36_HEX_FIELD 41
#define IDS_S36_BAD_LINE 42
#define IDS_S36_HOST_MESSAGE 43
#define IDS_S36_MESSAGE_UNAVAILABLE 44
#define IDS_S36_BAD_VALUE 46
#define IDS_S36_BAD_DIRECTION 47
#define IDS_S36_NO_OBJECT_MEMORY 48
#define IDS_S36_RECORD_TOO_LONG 49
#define IDS_S36_FIELD_TOO_LONG 50
#define IDS_S36_BAD_WRITE_MODE 51
#define IDS_S36_RECORD_LENGTH_MISMATCH 52
