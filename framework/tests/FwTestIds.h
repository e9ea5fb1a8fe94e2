#pragma once

#define IDD_FW_PROBE 200
#define IDC_FW_TEXT 1001
#define IDC_FW_EDIT 1002
#define IDC_FW_BUTTON 1003
#define IDC_FW_LIST 1004
#define IDS_FW_PROGRAM_ONLY 300
