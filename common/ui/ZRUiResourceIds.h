// Resource ids of the About box that every program's resources hold (ZRUi.rc). Plain defines: the resource
// compiler reads this file too.
#pragma once

#define IDD_ZR_ABOUT 100              // the About box
#define IDC_ZR_ABOUT_MODULES 1019     // its module list
#define IDC_ZR_ABOUT_PRODUCT 1046     // generic caption and long product name
#define IDC_ZR_ABOUT_COPYRIGHT 1048   // copyright text
#define IDS_ZR_ABOUT_TITLE 93         // "About %s"
#define IDS_ZR_COLUMN_FILE 37         // "File"
#define IDS_ZR_COLUMN_VERSION 49      // "Version"
#define IDS_ZR_COLUMN_DESCRIPTION 50  // "Description"
