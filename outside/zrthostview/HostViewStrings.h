// String ids of Zrthostview.rc.
#pragma once

#define IDS_HV_CAPTION 1
#define IDS_HV_PROMPT_LIBRARIES 2
#define IDS_HV_PROMPT_FILES 3
#define IDS_HV_PROMPT_MEMBERS 4
#define IDS_HV_PROMPT_FIELDS 5
#define IDS_HV_PROMPT_RECORDS 6
#define IDS_HV_OK 7
#define IDS_HV_CANCEL 8
#define IDS_HV_CLOSE 9
#define IDS_HV_NO_LAYOUT 10
#define IDS_HV_NO_MEMORY 11
#define IDS_HV_NO_WINDOW 12
#define IDS_HV_SCRIPT_NO_ROW 13
