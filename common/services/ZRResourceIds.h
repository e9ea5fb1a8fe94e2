// Resource ids that every program's resources hold for the shared services (ZRCommon.rc). Plain defines: the
// resource compiler reads this file too.
#pragma once

#define IDS_ZR_PRODUCT_SHORT_NAME 96    // "ZRT"
#define IDS_ZR_PRODUCT_LONG_NAME 57344  // "ZRT (Zerathon)"
#define IDD_ZR_ERROR_LIST 193           // the error-list dialog
#define IDC_ZR_ERROR_LIST_BOX 1126      // its list box
