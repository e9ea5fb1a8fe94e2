// Resource ids of Zrtdesk. Plain defines: the resource compiler reads this file too.
#pragma once

#include "FwResourceIds.h"

// Main frame: menu, accelerators, program icon, document string and toolbar bitmap share this id.
#define IDR_MAINFRAME 128
// Icons. Program Manager items name Zrtdesk's icons by their position among the icon groups, which the resource
// directory sorts by id: the ids below keep the positions 0 to 3.
#define IDI_HOST_LEFT 171
#define IDI_PC 172
#define IDI_HOST_RIGHT 173
// Bitmaps and animations.
#define IDB_TREE_IMAGES 131
#define IDB_NEW_KINDS 160
#define IDR_AVI_RUNNING 174
#define IDR_AVI_STARTING 175

// The main view and its controls.
#define IDD_ZRTDESK_FORM 101
#define IDC_PARAM_TREE 1001
#define IDC_PANEL_PLACE 1002
// The empty panel of the group items.
#define IDD_EMPTY_PANEL 172

// The start-up sheet's pages.
#define IDD_NEW_PAGE 142
#define IDD_EXISTING_PAGE 143
#define IDD_IMPORT_PAGE 195
#define IDC_NEW_KINDS 1075
#define IDC_EXISTING_NAME 1076
#define IDC_IMPORT_NAME 1049
#define IDC_BROWSE 1004

// The progress dialog.
#define IDD_TRANSFER_PROGRESS 192
#define IDC_HELP_BUTTON 1002
#define IDC_RECORDS 1029
#define IDC_PROFILE_NAME 1107
#define IDC_STATUS 1108
#define IDC_TRANSFER_TIME 1110
#define IDC_STOP 1127
#define IDC_ANIMATION 1169
#define IDC_SOURCE_PICTURE 1171
#define IDC_DESTINATION_PICTURE 1172

// Commands of the main frame.
#define ID_TOOLS_OPTIONS 32771
#define ID_FILE_RUN 32772
#define ID_TOOLS_CREATE_ICON 32773
#define ID_FILE_IMPORT 32774
#define ID_HELP_CONTENTS 32777
#define ID_CONTEXT_HELP 32807

// Texts of the property tree's group items and of the "General" value.
#define IDS_AS400 10
#define IDS_S36_FILE 59
#define IDS_S36_MEMBER 74
#define IDS_HLLAPI 76
#define IDS_DATABASE 103
#define IDS_PLAIN_TEXT 104
#define IDS_BINARY 105
#define IDS_SOURCE_PROCEDURE 109
#define IDS_DDS 111
#define IDS_PROFILE_CAPTION 162
#define IDS_PC 167
#define IDS_ITEM_PROFILE 200
#define IDS_ITEM_GENERAL 201
#define IDS_ITEM_HOST 203
#define IDS_ITEM_PC 213
#define IDS_ITEM_ADVANCED 214

// Sheet captions.
#define IDS_SHEET_CAPTION 102
#define IDS_OPEN_PROFILE_CAPTION 300
#define IDS_NEW_PROFILE_CAPTION 301
// The New page's kinds.
#define IDS_KIND_AS400_TO_PC 302
#define IDS_KIND_PC_TO_AS400 303
#define IDS_KIND_S36_TO_PC 304
#define IDS_KIND_PC_TO_S36 305
#define IDS_KIND_PROFILE_LIST 306
// File dialog filters.
#define IDS_FILTER_PROFILES 307
#define IDS_FILTER_FOREIGN 308
#define IDS_FILTER_LIST 309
#define IDS_FILTER_H2P 310
#define IDS_FILTER_P2H 311
#define IDS_FILTER_DESCRIPTION 312
#define IDS_FILTER_ALL_FILES 313

// The progress dialog.
#define IDS_PROGRESS_CAPTION 320
#define IDS_TRANSFER_STARTING 321
#define IDS_TRANSFER_RUNNING 322
#define IDS_TRANSFER_CLOSING 323
#define IDS_TRANSFER_COMPLETED 324
#define IDS_TRANSFER_FAILED 325
#define IDS_TRANSFER_CANCELED 326
#define IDS_TRANSFER_TERMINATING 327
#define IDS_CLOSE 328
#define IDS_CANNOT_CLOSE_TRANSFER 329

// PC write modes (dialog helpers).
#define IDS_CREATE_FILE 28
#define IDS_REPLACE_FILE 33
#define IDS_APPEND_TO_FILE 9

// Error and warning messages.
#define IDS_ZRH001_CANNOT_LOAD 10001
#define IDS_ZRH002_NOT_FOUND 10002
#define IDS_ZRH003_BAD_EXTENSION 10003
#define IDS_ZRH004_NO_FILE_NAME 10004
#define IDS_ZRH005_ENTRY_INVALID 10005
#define IDS_ZRH006_CANNOT_SAVE 10006
#define IDS_ZRH007_PARAMETER_INVALID 10007
#define IDS_ZRH012_FILE_ACCESS 10012
#define IDS_ZRH014_PROFILE_CORRUPTED 10014
#define IDS_ZRH017_OPTIONS_NOT_SAVED 10017
#define IDS_ZRH018_ENTRY_DEFAULTED 10018
#define IDS_ZRH019_NAME_INVALID 10019
#define IDS_ZRH020_MEMORY 10020
#define IDS_ZRH021_CORRUPTED 10021
#define IDS_ZRH022_NO_MANAGER 10022

// PC file types (dialog helpers and the PC file-type values).
#define IDS_PCFT_TXT_FIXED 17
#define IDS_PCFT_CSV 18
#define IDS_PCFT_PRN 19
#define IDS_PCFT_TXT_TAB 20
#define IDS_PCFT_DIF 21
#define IDS_PCFT_DBF 22
#define IDS_PCFT_DR1 23
#define IDS_PCFT_DR2 24
#define IDS_PCFT_WKQ 25
#define IDS_PCFT_WKS 26
#define IDS_PCFT_XLS5 27
#define IDS_PCFT_XLS7 52
#define IDS_PCFT_XLS97 53
// Filter entries of the PC file dialog, one per PC file type group.
#define IDS_BROWSE_BINARY 350
#define IDS_BROWSE_TEXT 351
#define IDS_BROWSE_CSV 352
#define IDS_BROWSE_PRN 353
#define IDS_BROWSE_DIF 354
#define IDS_BROWSE_DBF 355
#define IDS_BROWSE_DR1 356
#define IDS_BROWSE_DR2 357
#define IDS_BROWSE_WKQ 358
#define IDS_BROWSE_WKS 359
#define IDS_BROWSE_XLS 360
#define IDS_BROWSE_FMT 361
#define IDS_BROWSE_MDB 362
