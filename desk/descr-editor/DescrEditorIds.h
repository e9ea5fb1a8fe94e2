// Resource ids of the description-file editor and its field dialog. Plain defines: the resource compiler reads
// this file too. ZRH006 and ZRH007 are the program's own texts (resource.h).
#pragma once

#include "resource.h"

#define IDD_DESCR_FILE_EDITOR 137
#define IDD_FIELD_DEFINITION 141
#define IDI_DESCR_DOWN 138
#define IDI_DESCR_UP 139

// The editor.
#define IDC_DESCR_HELP 1002
#define IDC_DESCR_UP 1013
#define IDC_DESCR_DOWN 1014
#define IDC_DESCR_FIELDS 1062
#define IDC_DESCR_INSERT 1063
#define IDC_DESCR_CHANGE 1064
#define IDC_DESCR_REMOVE 1065
#define IDC_DESCR_ADD 1066

// The field dialog.
#define IDC_FIELD_NAME 1064
#define IDC_FIELD_TYPE 1065
#define IDC_FIELD_LENGTH 1066
#define IDC_FIELD_DECIMALS 1067
#define IDC_FIELD_DECIMALS_LABEL 1068
#define IDC_FIELD_COMMENT 1070
#define IDC_FIELD_APPLY 1071

// Type names of the fields, by type code 0-3.
#define IDS_DESCR_CHAR 39
#define IDS_DESCR_ZONED 40
#define IDS_DESCR_PACKED 41
#define IDS_DESCR_BINARY 42

#define IDS_DESCR_REMOVE_FIELD 120
#define IDS_DESCR_NAME 121
#define IDS_DESCR_LENGTH 122
#define IDS_DESCR_DECIMAL_DIGITS 123
#define IDS_DESCR_DECIMALS_ABOVE_LENGTH 124

#define IDS_DESCR_EDITOR_CAPTION 470
#define IDS_DESCR_ADD_CAPTION 471
#define IDS_DESCR_INSERT_CAPTION 472
#define IDS_DESCR_CHANGE_CAPTION 473
#define IDS_DESCR_COLUMN_NAME 474
#define IDS_DESCR_COLUMN_TYPE 475
#define IDS_DESCR_COLUMN_LENGTH 476
#define IDS_DESCR_COLUMN_DECIMALS 477
#define IDS_DESCR_COLUMN_COMMENT 478

#define IDS_ZRH008_CANNOT_OPEN 10008
#define IDS_ZRH009_DESCR_CORRUPTED 10009
#define IDS_ZRH010_NO_FIELD 10010
#define IDS_ZRH011_RECORD_TOO_LONG 10011

// Help contexts of the editor and of the field dialog.
#define HELP_CONTEXT_DESCR_EDITOR 18
#define HELP_CONTEXT_FIELD_DEFINITION 25
