// String ids of the SQL stand-ins; Zrtappc.rc and Zrttcp.rc hold the texts, each with its own library name.
#pragma once

#define IDS_SQL_DIRECTION 1
#define IDS_SQL_NO_STATEMENT 2
#define IDS_SQL_NOT_PLAIN 3
#define IDS_SQL_NO_STORE 4
#define IDS_SQL_NO_TABLE 5
#define IDS_SQL_NO_MEMBER 6
#define IDS_SQL_BAD_DESCRIPTION 7
#define IDS_SQL_BAD_RECORD 8
#define IDS_SQL_CANNOT_READ 9
#define IDS_SQL_LAYOUT 10
#define IDS_SQL_LOG 11
