// String ids of the services tests' own string table.
#pragma once

#define IDS_TEST_FILE_UNREADABLE 20001
#define IDS_TEST_CONTROL_CHARACTERS 20002
#define IDS_TEST_NUMBER 20003
#define IDS_TEST_THREAD_RECORD 20004
#define IDS_TEST_TEXT 20005
#define IDS_TEST_MISSING 20099
