// String ids of the stand-in's own texts (Zrtver.rc).
#pragma once

#define IDS_COPYRIGHT 1
#define IDS_PRODUCT_VERSION 2
#define IDS_PRODUCT_NAME 3
#define IDS_GENERIC_CAPTION 4
#define IDS_APPC_LOCALE 5
#define IDS_APPC_CODE_PAGE 6
#define IDS_APPC_LANGUAGE 7
