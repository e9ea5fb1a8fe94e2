// Resource ids of the options dialog, the foreign-profile import, Program Manager icons and profile lists. Plain
// defines: the resource compiler reads this file too.
#pragma once

// The options dialog and the folder dialog.
#define IDD_OPTIONS 130
#define IDC_PROFILE_FOLDER 1120
#define IDC_TIMEOUT_SENDKEY 1027
#define IDC_TIMEOUT_DDS 1028
#define IDC_PRESERVE_LENGTH 1130
#define IDC_CONFIRM_CREATING 1163
#define IDC_CONFIRM_REPLACING 1164
#define IDC_DECIMAL_SYMBOL 1109
#define IDS_OPTIONS_CAPTION 440
#define IDS_SELECT_FOLDER 441
#define IDS_DECIMAL_DOT 442
#define IDS_DECIMAL_COMMA 443
#define IDS_NAME_PROFILE_FOLDER 444
#define IDS_NAME_TIMEOUT_DDS 445
#define IDS_NAME_TIMEOUT_SENDKEY 446

// The foreign-profile import.
#define IDS_IMPORT_WARNING_S36 450
#define IDS_IMPORT_WARNING_AS400 451
#define IDS_ZRH023_IMPORT_ENTRY_INVALID 10023

// Program Manager icons. An item names its icon by position among the program's icon groups, which the resource
// directory sorts by id: after 128 and 171-173 these take the positions 4, 5 and 6, so every other icon of the
// program needs an id between 173 and 180 or above 182.
#define IDI_PROFILE_LIST_DOCUMENT 180
#define IDI_PC_TO_HOST_DOCUMENT 181
#define IDI_HOST_TO_PC_DOCUMENT 182
#define IDS_ICON_SAVE_FIRST 455
#define IDS_ICON_CREATED 456
#define IDS_ZRH015_NO_GROUP_NAME 10015
#define IDS_ZRH016_DDE_ERROR 10016

// Profile lists: the panels of the list and of its entries, the Up and Down icons (ids above 182, see above).
#define IDD_PANEL_PROFILE_ENTRY 190
#define IDD_PANEL_PROFILES 191
#define IDC_MOVE_UP 1013
#define IDC_MOVE_DOWN 1014
#define IDC_REMOVE_PROFILE 1065
#define IDC_ADD_PROFILE 1066
#define IDI_MOVE_DOWN 183
#define IDI_MOVE_UP 184
#define IDS_ITEM_PROFILES 460
#define IDS_ARG_PROFILE_NAME 461
#define IDS_REMOVE_PROFILE_QUESTION 462
#define IDS_FILTER_LIST_ENTRIES 463
#define IDS_ZRH013_LIST_CORRUPTED 10013
#define IDS_ZRH024_EMPTY_LIST 10024
