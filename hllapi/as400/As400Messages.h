// String ids of Zrtas400's own messages (the session layer's are in HllapiMessages.h). Each id is the number of
// its code: IDS_AS400_NOT_STARTED is ZRT001.
#pragma once

// Plain definitions, so that the resource compiler reads them too.
#define IDS_AS400_NOT_STARTED 1
#define IDS_AS400_NO_RECORD_MEMORY 2
#define IDS_AS400_UNKNOWN_COMMAND 3
#define IDS_AS400_BAD_DDS_LENGTH 4
#define IDS_AS400_DDS_TIMEOUT 5
#define IDS_AS400_INPUT_INHIBITED 6
#define IDS_AS400_BAD_LIBRARY 7
#define IDS_AS400_BAD_MEMBER 8
#define IDS_AS400_BAD_FILE 9
#define IDS_AS400_BAD_WRITE_MODE 10
#define IDS_AS400_DESCR_NOT_OPENED 11
#define IDS_AS400_DESCR_NOT_READ 12
#define IDS_AS400_HEX_FIELD 13
#define IDS_AS400_HOST_MESSAGE 14
#define IDS_AS400_NOT_READY 15
#define IDS_AS400_BAD_VALUE 16
#define IDS_AS400_BUFFER_TIMEOUT 17
#define IDS_AS400_BAD_DIRECTION 18
#define IDS_AS400_NO_OBJECT_MEMORY 19
#define IDS_AS400_START_FAILED 43
#define IDS_AS400_RECORD_TOO_LONG 44
#define IDS_AS400_FIELD_TOO_LONG 45
